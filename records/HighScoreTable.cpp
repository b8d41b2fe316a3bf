// SPDX-License-Identifier: GPL-3.0-or-later
// Reading, placing and writing the entries of the high-score table.
#include "HighScoreTable.h"

#include "DataFiles.h"
#include "Scramble.h"
#include "TextCodec.h"

#include <algorithm>

namespace orbulon {

namespace {

constexpr std::size_t ScoreDigits = 5;

}  // namespace

std::int16_t ScoreField(std::string_view PlainLine)
{
    // Five digits are at most 99999, so the sum cannot overflow before it is clamped.
    long Value = 0;
    for (std::size_t i = 0; i < std::min(ScoreDigits, PlainLine.size()); ++i) {
        const char c = PlainLine[i];
        if (c < '0' || c > '9')
            break;
        Value = Value * 10 + (c - '0');
    }
    return static_cast<std::int16_t>(std::min<long>(Value, INT16_MAX));
}

HighScoreTable ParseHighScoreTable(std::string_view FileBytes)
{
    HighScoreTable Table;
    const auto Lines = SplitLines(FileBytes, TableRanks);
    for (std::size_t i = 0; i < Lines.size(); ++i) {
        const std::string Plain = UnscrambleText(Lines[i]);
        const int Rank = static_cast<int>(i) + 1;
        Table.Scores[Rank] = ScoreField(Plain);
        // The score is always the first five characters, so a name starting with digits
        // reads back whole. A hand-edited name gets the same treatment as a typed one.
        if (Plain.size() >= RecordNameStart)
            Table.Names[Rank] = StoredName(Latin1ToUtf8(std::string_view(Plain).substr(RecordNameStart - 1)));
    }
    return Table;
}

std::string RecordLine(std::int16_t Score, std::string_view Utf8Name)
{
    // The game's scores are never negative; should one arrive, it must still not break the
    // five-digit field that every later load relies on.
    const int Shown = std::max<int>(Score, 0);
    std::string Digits = std::to_string(Shown);
    Digits.insert(0, ScoreDigits - Digits.size(), '0');
    return Digits + NameToRecord(Utf8Name);
}

std::string FormatHighScoreTable(const HighScoreTable& Table)
{
    std::string Bytes;
    for (int Rank = 1; Rank <= TableRanks; ++Rank) {
        Bytes += ScrambleText(RecordLine(Table.Scores[Rank], Table.Names[Rank]));
        Bytes += "\r\n";
    }
    return Bytes;
}

int PlaceScore(HighScoreTable& Table, std::int16_t Score, std::string_view Utf8Name)
{
    int Rank = 1;
    while (Rank <= TableRanks && Score <= Table.Scores[Rank])
        ++Rank;
    if (Rank > TableRanks)
        return 0;
    for (int Below = TableRanks; Below > Rank; --Below) {
        Table.Scores[Below] = Table.Scores[Below - 1];
        Table.Names[Below] = std::move(Table.Names[Below - 1]);
    }
    Table.Scores[Rank] = Score;
    Table.Names[Rank] = StoredName(Utf8Name);
    return Rank;
}

}  // namespace orbulon
