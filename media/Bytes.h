// SPDX-License-Identifier: GPL-3.0-or-later
// Little-endian writers for the headers of the bitmap, icon and wave files.
#pragma once

#include <cstdint>
#include <string>

namespace orbulon::media {

inline void Put16(std::string& Out, unsigned Value)
{
    Out += static_cast<char>(Value & 0xFF);
    Out += static_cast<char>((Value >> 8) & 0xFF);
}

inline void Put32(std::string& Out, std::uint32_t Value)
{
    Put16(Out, Value & 0xFFFF);
    Put16(Out, Value >> 16);
}

}  // namespace orbulon::media
