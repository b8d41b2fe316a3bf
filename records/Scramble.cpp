// SPDX-License-Identifier: GPL-3.0-or-later
// The line-by-line scrambling shared by "String.cfg" and "Config.cfg".
#include "Scramble.h"

namespace orbulon {

namespace {

// The key character for position j (from 1) of a line: (j mod 15) + 1 of the key,
// so the first character of a line meets the key's second character, not its first.
unsigned char KeyFor(std::size_t Position)
{
    return static_cast<unsigned char>(ScrambleKey[Position % ScrambleKey.size()]);
}

}  // namespace

std::string ScrambleText(std::string_view Plain)
{
    std::string Scrambled(Plain.size(), '\0');
    for (std::size_t j = 1; j <= Plain.size(); ++j) {
        const unsigned p = static_cast<unsigned char>(Plain[j - 1]);
        Scrambled[j - 1] = static_cast<char>((p + KeyFor(j)) % 256);
    }
    return Scrambled;
}

std::string UnscrambleText(std::string_view Scrambled)
{
    std::string Plain(Scrambled.size(), '\0');
    for (std::size_t j = 1; j <= Scrambled.size(); ++j) {
        const unsigned s = static_cast<unsigned char>(Scrambled[j - 1]);
        Plain[j - 1] = static_cast<char>((s + 256 - KeyFor(j)) % 256);
    }
    return Plain;
}

}  // namespace orbulon
