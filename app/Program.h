// SPDX-License-Identifier: GPL-3.0-or-later
// The program as a whole: the application, its identity on the desktop, the main window.
#pragma once

#include <functional>

namespace orbulon {

// Runs the game until its window closes and returns the exit code. Started, when given, runs
// once the main window exists and just before it is first shown.
int RunGame(int argc, char* argv[], const std::function<void()>& Started = {});

}  // namespace orbulon
