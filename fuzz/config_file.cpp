// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the reading of "Config.cfg" from its bytes: any bytes, any line ends, any length.
// Whatever the file holds, every rank reads as a score and a name, and the table written
// back reads as the same table.
#include "FuzzSupport.h"
#include "HighScoreTable.h"
#include "TextCodec.h"

using namespace orbulon;
using namespace orbulon::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    const std::string_view Bytes(reinterpret_cast<const char*>(Data), Size);

    // Every rank gets a score the game can hold and a name as it would store it.
    const HighScoreTable Table = ParseHighScoreTable(Bytes);
    for (int Rank = 1; Rank <= TableRanks; ++Rank) {
        FUZZ_CHECK(Table.Scores[Rank] >= 0);
        FUZZ_CHECK(StoredName(Table.Names[Rank]) == Table.Names[Rank]);
    }

    // Written out, the table is five clean lines that read back as the same table.
    const std::string Rewritten = FormatHighScoreTable(Table);
    const HighScoreTable Again = ParseHighScoreTable(Rewritten);
    FUZZ_CHECK(Again.Scores == Table.Scores && Again.Names == Table.Names);
    std::size_t Lines = 0;
    for (std::size_t At = 0; (At = Rewritten.find("\r\n", At)) != std::string::npos; At += 2)
        ++Lines;
    FUZZ_CHECK(Lines == TableRanks);
    FUZZ_CHECK(Rewritten.find_first_of("\r\n") == Rewritten.find("\r\n"));

    // A new best score keeps every entry it does not push off the table.
    HighScoreTable Placed = Table;
    const int Rank = PlaceScore(Placed, BestScore, "Fuzz");
    FUZZ_CHECK(Rank >= 0 && Rank <= TableRanks);
    for (int From = 1, To = 1; To <= TableRanks; ++To) {
        if (To == Rank)
            continue;
        FUZZ_CHECK(Placed.Scores[To] == Table.Scores[From] && Placed.Names[To] == Table.Names[From]);
        ++From;
    }
    return 0;
}
