// SPDX-License-Identifier: GPL-3.0-or-later
// The cell bitmaps and the window icon, drawn by our own generator.
#pragma once

#include "BoardLayout.h"

#include <cstdint>
#include <string>

namespace orbulon::media {

using orbulon::Rgb;

// The window's background, which shows between the cells and fills the blank cell.
inline constexpr Rgb Background = BoardBackground;

// A 20 x 20, 24-bit BMP file: a shaded ball of Base on the background, or the blank cell.
std::string BallBitmap(Rgb Base);
std::string BlankBitmap();

// The red-ball window icon: a pure red disc on black, 16 x 16 and 32 x 32, 16 colours.
std::string RedBallIcon();

}  // namespace orbulon::media
