// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the mapping of a typed name onto its record line: any bytes, as the input box
// might hand them over (broken UTF-8 included), must keep "Config.cfg" five lines and read
// back exactly as the table promises to show it.
#include "FuzzSupport.h"
#include "HighScoreTable.h"
#include "TextCodec.h"

#include <algorithm>

using namespace orbulon;
using namespace orbulon::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    const std::string_view Typed(reinterpret_cast<const char*>(Data), Size);

    // Latin-1 text survives the trip through the game's UTF-8 whole, byte for byte.
    FUZZ_CHECK(Utf8ToLatin1(Latin1ToUtf8(Typed)) == Typed);
    FUZZ_CHECK(Utf8ToLatin1(Typed).size() <= Typed.size());

    // The record's bytes: short and free of control codes. (That none scrambles to a line
    // break shows below, as a name at every rank of the file read back whole.)
    const std::string Record = NameToRecord(Typed);
    FUZZ_CHECK(Record.size() <= MaxNameLength);
    FUZZ_CHECK(std::ranges::all_of(Record, [](unsigned char c) { return c >= 0x20 && !(c >= 0x7F && c < 0xA0); }));

    // What the table shows is what is stored, and storing it again changes nothing.
    const std::string Shown = StoredName(Typed);
    FUZZ_CHECK(Shown == Latin1ToUtf8(Record) && StoredName(Shown) == Shown && NameToRecord(Shown) == Record);

    // Through the file: the name at every rank reads back as shown, the scores untouched.
    HighScoreTable Table;
    for (int Rank = 1; Rank <= TableRanks; ++Rank)
        FUZZ_CHECK(PlaceScore(Table, static_cast<std::int16_t>(100 * (TableRanks + 1 - Rank)), Typed) == Rank);
    const HighScoreTable Read = ParseHighScoreTable(FormatHighScoreTable(Table));
    for (int Rank = 1; Rank <= TableRanks; ++Rank)
        FUZZ_CHECK(Read.Names[Rank] == Shown && Read.Scores[Rank] == Table.Scores[Rank]);
    return 0;
}
