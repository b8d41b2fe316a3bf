// SPDX-License-Identifier: GPL-3.0-or-later
// Orbulon: a puzzle of coloured balls in one window.
#include "Program.h"

int main(int argc, char* argv[]) { return orbulon::RunGame(argc, argv); }
