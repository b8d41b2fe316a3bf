// SPDX-License-Identifier: GPL-3.0-or-later
// The data files: scrambling the longest line a file may hold, and the high-score table on disk.
#include "GameFiles.h"
#include "HighScoreRecord.h"
#include "HighScoreTable.h"
#include "RecordingPrompts.h"
#include "Scramble.h"
#include "TempFolder.h"

#include <benchmark/benchmark.h>

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
        fs::create_directories(Program());
        HighScoreTable Table;
        for (int Rank = 1; Rank <= TableRanks; ++Rank) {
            Table.Scores[Rank] = static_cast<std::int16_t>(1000 * (TableRanks + 1 - Rank));
            Table.Names[Rank] = "Player " + std::to_string(Rank);
        }
        Shipped = FormatHighScoreTable(Table);
        Reset();
    }
    fs::path Program() const { return Root.Path / "program"; }
    fs::path User() const { return Root.Path / "user"; }
    // The table as first shipped, so every recorded score enters at the same rank.
    void Reset() const { std::ofstream(Program() / TableFile, std::ios::binary | std::ios::trunc) << Shipped; }

private:
    test::TempFolder Root;
    std::string Shipped;
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
    test::RecordingPrompts Ui;  // keeps the offered name, reads the messages
    std::string Name = "Player 1";
    for (auto _ : State) {
        State.PauseTiming();
        Folder.Reset();
        Ui.Said.clear();
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
    test::RecordingPrompts Ui;  // keeps the offered name, reads the messages
    std::string Name = "Player 1";
    for (auto _ : State)
        Record.RecordHighScore(10, Name, Ui);
}
BENCHMARK(RecordHighScore_EntersNowhere);

}  // namespace
}  // namespace orbulon::bench
