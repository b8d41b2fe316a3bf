// SPDX-License-Identifier: GPL-3.0-or-later
// Moving text between the data files' single-byte (Latin-1) bytes and the game's UTF-8.
#pragma once

#include "Latin1.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace orbulon {

// Each character up to U+00FF becomes its byte; a character Latin-1 cannot hold, and each
// byte of a broken UTF-8 sequence, becomes Substitute.
std::string Utf8ToLatin1(std::string_view Utf8, char Substitute = '?');

// What a stored name shows in place of a character the file cannot keep.
inline constexpr char NameSubstitute = '?';
// Names are cut to this many characters: the table has room for a short name, and a
// pasted essay must not turn "Config.cfg" into a large file.
inline constexpr std::size_t MaxNameLength = 40;
// Position (from 1) of a name's first character in its record line, after the five digits.
inline constexpr std::size_t RecordNameStart = 6;

// A name as typed (UTF-8) made fit for its record line, as Latin-1 bytes: cut to
// MaxNameLength; control characters (line breaks, tabs, C1 codes) and characters beyond
// Latin-1 become NameSubstitute; combining accents are dropped; a character whose
// scrambled byte at its place in the line would be a CR or LF becomes its plain ASCII
// look-alike ("N" for "Ñ"), or NameSubstitute when it has none. The stored line then
// never breaks, and the file always stays five lines.
std::string NameToRecord(std::string_view Utf8Name);

// A name exactly as the table will show it after storing: NameToRecord read back as UTF-8.
// Applying it to its own result changes nothing.
std::string StoredName(std::string_view Utf8Name);

}  // namespace orbulon
