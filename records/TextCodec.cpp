// SPDX-License-Identifier: GPL-3.0-or-later
// Latin-1 <-> UTF-8, and the mapping of a typed name onto its place in "Config.cfg".
#include "TextCodec.h"

#include "Scramble.h"

#include <cassert>

namespace orbulon {

namespace {

constexpr char32_t Malformed = 0xFFFD;

// The code point starting at Text[i]; i moves past it. A malformed or overlong sequence,
// or an encoded surrogate, gives Malformed and moves on by one byte only, so the rest of
// the text is still read.
char32_t NextCodePoint(std::string_view Text, std::size_t& i)
{
    const auto Byte = [&](std::size_t k) { return static_cast<unsigned char>(Text[k]); };
    const unsigned char Lead = Byte(i);
    std::size_t Length = 0;
    char32_t Code = 0;
    char32_t Least = 0;
    if (Lead < 0x80) {
        ++i;
        return Lead;
    } else if ((Lead & 0xE0) == 0xC0) {
        Length = 2, Code = Lead & 0x1F, Least = 0x80;
    } else if ((Lead & 0xF0) == 0xE0) {
        Length = 3, Code = Lead & 0x0F, Least = 0x800;
    } else if ((Lead & 0xF8) == 0xF0) {
        Length = 4, Code = Lead & 0x07, Least = 0x10000;
    } else {
        ++i;
        return Malformed;
    }
    if (i + Length > Text.size()) {
        ++i;
        return Malformed;
    }
    for (std::size_t k = 1; k < Length; ++k) {
        if ((Byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return Malformed;
        }
        Code = (Code << 6) | (Byte(i + k) & 0x3F);
    }
    if (Code < Least || Code > 0x10FFFF || (Code >= 0xD800 && Code <= 0xDFFF)) {
        ++i;
        return Malformed;
    }
    i += Length;
    return Code;
}

// Plain ASCII look-alikes of the Latin-1 characters 0xA0 to 0xFF, for a character that
// cannot stay at its place in a record line.
constexpr std::string_view AsciiLookAlike = " !cL?Y|S\"Ca<--R-"
                                            "o+23'uP.,1o>????"
                                            "AAAAAAACEEEEIIII"
                                            "DNOOOOOxOUUUUYTs"
                                            "aaaaaaaceeeeiiii"
                                            "dnooooo/ouuuuyty";
static_assert(AsciiLookAlike.size() == 96);

bool IsControl(char32_t Code) { return Code < 0x20 || (Code >= 0x7F && Code < 0xA0); }

bool IsCombiningAccent(char32_t Code) { return Code >= 0x300 && Code <= 0x36F; }

// Whether a plain byte at Position (from 1) of a line scrambles to a line break.
bool ScramblesToLineBreak(unsigned char Plain, std::size_t Position)
{
    const char Scrambled = ScrambledByte(Plain, Position);
    return Scrambled == '\r' || Scrambled == '\n';
}

}  // namespace

std::string Utf8ToLatin1(std::string_view Utf8, char Substitute)
{
    std::string Latin1;
    Latin1.reserve(Utf8.size());
    for (std::size_t i = 0; i < Utf8.size();) {
        const char32_t Code = NextCodePoint(Utf8, i);
        Latin1 += Code <= 0xFF ? static_cast<char>(Code) : Substitute;
    }
    return Latin1;
}

std::string NameToRecord(std::string_view Utf8Name)
{
    std::string Record;
    for (std::size_t i = 0; i < Utf8Name.size() && Record.size() < MaxNameLength;) {
        const char32_t Code = NextCodePoint(Utf8Name, i);
        if (IsCombiningAccent(Code))
            continue;  // a decomposed "é" keeps its "e"
        unsigned char Byte = NameSubstitute;
        if (Code <= 0xFF && !IsControl(Code))
            Byte = static_cast<unsigned char>(Code);
        // The key's characters are all printable, so only bytes from 0x8C up can make a
        // CR or LF; the C1 codes among them are already gone, the look-alikes cover the rest.
        if (ScramblesToLineBreak(Byte, RecordNameStart + Record.size())) {
            assert(Byte >= 0xA0);
            Byte = static_cast<unsigned char>(AsciiLookAlike[Byte - 0xA0]);
        }
        Record += static_cast<char>(Byte);
    }
    return Record;
}

std::string StoredName(std::string_view Utf8Name) { return Latin1ToUtf8(NameToRecord(Utf8Name)); }

}  // namespace orbulon
