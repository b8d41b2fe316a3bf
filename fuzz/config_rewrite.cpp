// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes "Config.cfg" on disk: loading it, and the rewrite that follows a new score. Whatever
// the file holds, a score that enters keeps every entry the loader could read, and a score
// that does not leaves the file byte for byte as it was.
#include "FuzzSupport.h"
#include "GameFiles.h"
#include "HighScoreRecord.h"
#include "HighScoreTable.h"
#include "RecordingPrompts.h"
#include "TextCodec.h"

using namespace orbulon;
using namespace orbulon::fuzz;

namespace {

bool SameTable(const HighScoreTable& Table, const HighScoreRecord& Record)
{
    return Table.Scores == Record.HighScores && Table.Names == Record.HighNames;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    const std::string_view Bytes(reinterpret_cast<const char*>(Data), Size);

    // The real file in the program's folder, with no table in the player's folder yet.
    const auto Program = ScratchFolder() / "program";
    const auto User = ScratchFolder() / "user";
    std::error_code Error;
    std::filesystem::remove_all(User, Error);
    std::filesystem::create_directories(Program);
    WriteBytes(Program / TableFile, Bytes);

    HighScoreRecord Record(Program, User);
    Record.LoadHighScores();
    FUZZ_CHECK(SameTable(ParseHighScoreTable(Bytes.substr(0, MaxTableBytes)), Record));

    // The best score a game can make enters unless the file claims better; either way no
    // entry the loader saw is lost, and the file is whole afterwards.
    HighScoreTable Expected = {Record.HighScores, Record.HighNames};
    const int Rank = PlaceScore(Expected, BestScore, "Fuzz");
    std::string Name = "Player 1";
    test::RecordingPrompts Ui;  // the player at the end of a game: types a name, reads the messages
    Ui.Answer = "Fuzz";
    Record.RecordHighScore(BestScore, Name, Ui);
    FUZZ_CHECK(Name == "Fuzz");
    FUZZ_CHECK(SameTable(Expected, Record));
    FUZZ_CHECK(Record.TablePath() == Program / TableFile);
    const std::string Stored = ReadBytes(Program / TableFile);
    if (Rank == 0)
        FUZZ_CHECK(Stored == Bytes);  // byte for byte as it was
    else
        FUZZ_CHECK(Stored == FormatHighScoreTable(Expected));
    HighScoreRecord Reread(Program, User);
    Reread.LoadHighScores();
    FUZZ_CHECK(SameTable(Expected, Reread));
    return 0;
}
