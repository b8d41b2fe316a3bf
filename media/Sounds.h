// SPDX-License-Identifier: GPL-3.0-or-later
// The two sound cues, synthesised: 16-bit PCM mono wave files at 44100 Hz.
#pragma once

#include <string>

namespace orbulon::media {

// A soft click, played once for every ball of a group that lights up.
std::string ClickWave();
// A brighter pop, played once for every ball taken off the board.
std::string ClearWave();

}  // namespace orbulon::media
