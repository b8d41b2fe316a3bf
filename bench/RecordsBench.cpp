// SPDX-License-Identifier: GPL-3.0-or-later
// The data files: scrambling the longest line a file may hold, and the high-score table on disk.
#include "GameFiles.h"
#include "HighScoreRecord.h"
#include "HighScoreTable.h"
#include "Scramble.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace orbulon::bench {
namespace {

namespace fs = std::filesystem;

// Line positions are 16-bit, so no line of a data file is longer than this.
constexpr std::size_t LongestLine = 32767;

std::string LongLine()
{
    std::string Line(LongestLine, '\0');
    for (std::size_t i = 0; i < Line.size(); ++i)
        Line[i] = static_cast<char>(' ' + i % 95);
    return Line;
}

void ScrambleText_LongestLine(benchmark::State& State)
{
    const std::string Plain = LongLine();
    for (auto _ : State)
        benchmark::DoNotOptimize(ScrambleText(Plain));
    State.SetBytesProcessed(static_cast<std::int64_t>(State.iterations() * Plain.size()));
}
BENCHMARK(ScrambleText_LongestLine);

void UnscrambleText_LongestLine(benchmark::State& State)
{
    const std::string Scrambled = ScrambleText(LongLine());
    for (auto _ : State)
        benchmark::DoNotOptimize(UnscrambleText(Scrambled));
    State.SetBytesProcessed(static_cast<std::int64_t>(State.iterations() * Scrambled.size()));
}
BENCHMARK(UnscrambleText_LongestLine);

// A program folder of its own in the temporary folder, holding a full table, removed after.
class TableFolder {
public:
    TableFolder()
    {
        std::string Template = (fs::temp_directory_path() / "orbulon-bench-XXXXXX").string();
        if (!mkdtemp(Template.data()))
            std::abort();
        Root = Template;
        fs::create_directories(Program());
        HighScoreTable Table;
        for (int Rank = 1; Rank <= TableRanks; ++Rank) {
            Table.Scores[Rank] = static_cast<std::int16_t>(1000 * (TableRanks + 1 - Rank));
            Table.Names[Rank] = "Player " + std::to_string(Rank);
        }
        Shipped = FormatHighScoreTable(Table);
        Reset();
    }
    ~TableFolder()
    {
        std::error_code Error;
        fs::remove_all(Root, Error);
    }
    fs::path Program() const { return Root / "program"; }
    fs::path User() const { return Root / "user"; }
    // The table as first shipped, so every recorded score enters at the same rank.
    void Reset() const { std::ofstream(Program() / TableFile, std::ios::binary | std::ios::trunc) << Shipped; }

private:
    fs::path Root;
    std::string Shipped;
};

// The player at the end of a game: keeps the offered name, reads the messages.
class Player : public PlayerPrompts {
public:
    int MsgBox(const std::string&, const std::string&, MsgButtons, MsgIcon, int) override { return ButtonOK; }
    std::string InputBox(const std::string&, const std::string&, const std::string& Default) override
    {
        return Default;
    }
};

void LoadHighScores(benchmark::State& State)
{
    const TableFolder Folder;
    HighScoreRecord Record(Folder.Program(), Folder.User());
    for (auto _ : State) {
        Record.LoadHighScores();
        benchmark::DoNotOptimize(Record.HighScores);
    }
}
BENCHMARK(LoadHighScores);

// A score that enters: load, place, and the safe rewrite (written beside, synced, renamed).
void RecordHighScore_Enters(benchmark::State& State)
{
    const TableFolder Folder;
    HighScoreRecord Record(Folder.Program(), Folder.User());
    Player Ui;
    std::string Name = "Player 1";
    for (auto _ : State) {
        State.PauseTiming();
        Folder.Reset();
        State.ResumeTiming();
        Record.RecordHighScore(3500, Name, Ui);
    }
    if (Record.HighScores[3] != 3500)
        State.SkipWithError("the score did not enter at rank 3");
}
BENCHMARK(RecordHighScore_Enters);

// A score that enters nowhere: the table is read and the file left alone.
void RecordHighScore_EntersNowhere(benchmark::State& State)
{
    const TableFolder Folder;
    HighScoreRecord Record(Folder.Program(), Folder.User());
    Player Ui;
    std::string Name = "Player 1";
    for (auto _ : State)
        Record.RecordHighScore(10, Name, Ui);
}
BENCHMARK(RecordHighScore_EntersNowhere);

}  // namespace
}  // namespace orbulon::bench
