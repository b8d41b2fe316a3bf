// SPDX-License-Identifier: GPL-3.0-or-later
// The data files' single-byte (Latin-1) text as the game's UTF-8, for the marquee and the table.
#pragma once

#include <string>
#include <string_view>

namespace orbulon {

// Every byte becomes the Latin-1 character of the same code: nothing fails, nothing is lost.
inline std::string Latin1ToUtf8(std::string_view Latin1)
{
    std::string Utf8;
    Utf8.reserve(Latin1.size());
    for (const char c : Latin1) {
        const auto Code = static_cast<unsigned char>(c);
        if (Code < 0x80) {
            Utf8 += c;
        } else {
            Utf8 += static_cast<char>(0xC0 | (Code >> 6));
            Utf8 += static_cast<char>(0x80 | (Code & 0x3F));
        }
    }
    return Utf8;
}

}  // namespace orbulon
