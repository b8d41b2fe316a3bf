// SPDX-License-Identifier: GPL-3.0-or-later
// Between the stored sRGB values of our pictures and linear light, in which the generator shades
// and blends, so an antialiased edge does not come out darker than either side of it.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace orbulon::media {

inline double ToLinear(std::uint8_t Value)
{
    const double c = Value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

inline std::uint8_t FromLinear(double Linear)
{
    const double l = std::clamp(Linear, 0.0, 1.0);
    const double c = l <= 0.0031308 ? l * 12.92 : 1.055 * std::pow(l, 1 / 2.4) - 0.055;
    return static_cast<std::uint8_t>(std::lround(c * 255));
}

}  // namespace orbulon::media
