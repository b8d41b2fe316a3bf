// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up benchmark's copy of the program: the game a player runs, reporting its first frame.
#include "FirstFrameReport.h"
#include "Program.h"

int main(int argc, char* argv[]) { return orbulon::RunGame(argc, argv, orbulon::ReportFirstFrame); }
