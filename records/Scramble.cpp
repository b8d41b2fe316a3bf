// SPDX-License-Identifier: GPL-3.0-or-later
// The line-by-line scrambling shared by "String.cfg" and "Config.cfg".
#include "Scramble.h"

namespace orbulon {

char ScrambledByte(unsigned char Plain, std::size_t Position)
{
    // Position j (from 1) meets key character (j mod 15) + 1, so the first character of a
    // line meets the key's second character, not its first.
    const unsigned Key = static_cast<unsigned char>(ScrambleKey[Position % ScrambleKey.size()]);
    return static_cast<char>((Plain + Key) % 256);
}

std::string ScrambleText(std::string_view Plain)
{
    std::string Scrambled(Plain.size(), '\0');
    for (std::size_t j = 1; j <= Plain.size(); ++j) {
        Scrambled[j - 1] = ScrambledByte(static_cast<unsigned char>(Plain[j - 1]), j);
    }
    return Scrambled;
}

std::string UnscrambleText(std::string_view Scrambled)
{
    std::string Plain(Scrambled.size(), '\0');
    for (std::size_t j = 1; j <= Scrambled.size(); ++j) {
        // Adding the key's complement undoes adding the key.
        const unsigned s = static_cast<unsigned char>(Scrambled[j - 1]);
        Plain[j - 1] = static_cast<char>((s + 256 - static_cast<unsigned char>(ScrambledByte(0, j))) % 256);
    }
    return Plain;
}

}  // namespace orbulon
