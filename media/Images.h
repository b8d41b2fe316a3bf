// SPDX-License-Identifier: GPL-3.0-or-later
// The cell bitmaps and the window icon, drawn by our own generator.
#pragma once

#include "BoardLayout.h"

#include <cstdint>
#include <string>

namespace orbulon::media {

using orbulon::Mark;
using orbulon::Rgb;

// The window's background, which shows between the cells and fills the blank cell.
inline constexpr Rgb Background = BoardBackground;

// A 24-bit BMP file of one cell: a ball of Base marked with Sign on the background, or the
// blank cell. Scale 1 is the designed 20 x 20 cell; the larger ones draw the same cell afresh,
// finer.
std::string BallBitmap(Rgb Base, Mark Sign, int Scale = 1);
std::string BlankBitmap(int Scale = 1);

// The red-ball window icon: a disc of Red on black, 16 x 16 and 32 x 32, 16 colours.
std::string RedBallIcon(Rgb Red);

}  // namespace orbulon::media
