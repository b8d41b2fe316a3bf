// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes "Config.cfg", from its bytes and on disk: any bytes, any line ends, any length. Whatever
// the file holds, every rank reads as a score and a name, a new best keeps every entry the loader
// could read, and a score that does not enter leaves the file byte for byte as it was.
#include "Board.h"
#include "FuzzSupport.h"
#include "GameFiles.h"
#include "HighScoreRecord.h"
#include "HighScoreTable.h"
#include "RecordingPrompts.h"
#include "TextCodec.h"

using namespace orbulon;
using namespace orbulon::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    const std::string_view Bytes(reinterpret_cast<const char*>(Data), Size);

    // The real file in the program's folder. No table is ever written to the player's folder:
    // the checks below stop the run if one were.
    const auto Program = ScratchFolder() / "program", User = ScratchFolder() / "user";
    WriteBytes(Program / TableFile, Bytes);
    HighScoreRecord Record(Program, User);
    Record.LoadHighScores();
    const HighScoreTable Table = {Record.HighScores, Record.HighNames};
    FUZZ_CHECK(Table == ParseHighScoreTable(Bytes.substr(0, MaxTableBytes)));

    // Every rank gets a score the game can hold and a name as it would store it.
    for (int Rank = 1; Rank <= TableRanks; ++Rank)
        FUZZ_CHECK(Table.Scores[Rank] >= 0 && StoredName(Table.Names[Rank]) == Table.Names[Rank]);

    // Written out, the table reads back as the same table.
    FUZZ_CHECK(ParseHighScoreTable(FormatHighScoreTable(Table)) == Table);

    // The best score a game can make enters unless the file claims better.
    HighScoreTable Expected = Table;
    const int Rank = PlaceScore(Expected, MaxScore, "Fuzz");

    // The game's end writes that table, whole, where it found the file, or leaves the file alone.
    std::string Name = "Fuzz";
    test::RecordingPrompts Ui;  // the player at the end of a game: keeps the offered name, reads the messages
    Record.RecordHighScore(MaxScore, Name, Ui);
    FUZZ_CHECK(Record.TablePath() == Program / TableFile);
    FUZZ_CHECK(ReadBytes(Program / TableFile) == (Rank == 0 ? std::string(Bytes) : FormatHighScoreTable(Expected)));
    FUZZ_CHECK(Expected == HighScoreTable{Record.HighScores, Record.HighNames});
    return 0;
}
