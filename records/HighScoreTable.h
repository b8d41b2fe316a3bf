// SPDX-License-Identifier: GPL-3.0-or-later
// The five-entry high-score table and its bytes in "Config.cfg", without any file access.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orbulon {

inline constexpr int TableRanks = 5;
// The most of "Config.cfg" ever read: five record lines are never near this, and a huge
// file costs no more.
inline constexpr std::size_t MaxTableBytes = 256 * 1024;

struct HighScoreTable {
    // Ranks 1 to 5; element 0 is never used. Names are UTF-8, always as StoredName gives them.
    std::array<std::int16_t, TableRanks + 1> Scores{};
    std::array<std::string, TableRanks + 1> Names{};
    bool operator==(const HighScoreTable&) const = default;
};

// The score at the start of a plain record line: the decimal digits among its first five
// characters, up to the first other character; none gives 0. A hand-edited field above
// 32767 does not fit the game's 16-bit scores and reads as 32767.
std::int16_t ScoreField(std::string_view PlainLine);

// The table held by a file's bytes. Whatever the bytes (short, empty, junk), every rank gets
// a score and a name; a missing line reads as 0 with an empty name.
HighScoreTable ParseHighScoreTable(std::string_view FileBytes);

// The plain record line of one entry: five zero-padded digits, then the name as stored.
std::string RecordLine(std::int16_t Score, std::string_view Utf8Name);

// The bytes of "Config.cfg" for a table: five scrambled record lines, each ended by CR LF.
std::string FormatHighScoreTable(const HighScoreTable& Table);

// Puts Score and Name at the first rank whose score it beats strictly (ties go below), moving
// the entries under it down one rank and dropping rank 5. Returns the rank, or 0 when the
// score beats none of the five and the table is left as it was.
int PlaceScore(HighScoreTable& Table, std::int16_t Score, std::string_view Utf8Name);

}  // namespace orbulon
