// SPDX-License-Identifier: GPL-3.0-or-later
// The line-by-line scrambling shared by both data files.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orbulon {

inline constexpr std::string_view ScrambleKey = "Tallowmere 1998";

// The scrambled form of one plain byte at Position (from 1) of its line.
char ScrambledByte(unsigned char Plain, std::size_t Position);

// Byte for byte, same length out as in; position j (from 1) uses key character (j mod 15) + 1.
std::string ScrambleText(std::string_view Plain);
std::string UnscrambleText(std::string_view Scrambled);

}  // namespace orbulon
