// SPDX-License-Identifier: GPL-3.0-or-later
// The red ball as a desktop icon: square PNGs for the icon theme and a scalable SVG.
#pragma once

#include "Images.h"

#include <string>

namespace orbulon::media {

// The sizes a desktop's icon theme looks for, in pixels.
inline constexpr int IconThemeSizes[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};

// A Size x Size, 8-bit RGBA PNG file: a glossy ball of Base on a transparent square.
std::string BallIconPng(int Size, Rgb Base);

// The same ball as an SVG document, for any size.
std::string BallIconSvg(Rgb Base);

}  // namespace orbulon::media
