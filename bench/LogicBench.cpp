// SPDX-License-Identifier: GPL-3.0-or-later
// The game's procedures on their worst boards, with the recording window of the logic's tests.
#include "Boards.h"

#include <benchmark/benchmark.h>

namespace orbulon::bench {
namespace {

using test::Table;

// Back to a board on view with no group selected; the recording's lists are emptied (keeping
// their room) so that a long run measures the game, not the growth of the recording.
void Restore(Table& T, const Board& B)
{
    T.Game.BallColour = B;
    T.Game.GroupSelected = false;
    T.Game.GameInProgress = true;
    T.Game.Score = 0;
    T.View.Frame.fill(false);
    T.View.Drawn.clear();
    T.View.Sounds.clear();
    T.View.Boxes.Said.clear();
    T.Recorded.clear();
}

// The largest selection: 132 frames, 132 sweeps each finding the whole board framed.
void SelectGroup_OneColourBoard(benchmark::State& State)
{
    const Board B = OneColourBoard();
    Table T(B);
    for (auto _ : State) {
        Restore(T, B);
        T.Game.SelectGroup(1);
        benchmark::DoNotOptimize(T.Game.GroupSize);
    }
    if (T.Game.GroupSize != Cells)
        State.SkipWithError("the one-colour board did not select whole");
}
BENCHMARK(SelectGroup_OneColourBoard);

// A ball with no partner: the selection still runs its 132 sweeps over an unframed board.
void SelectGroup_IsolatedBall(benchmark::State& State)
{
    const Board B = QuietBoard();
    Table T(B);
    for (auto _ : State) {
        Restore(T, B);
        T.Game.SelectGroup(60);
        benchmark::DoNotOptimize(T.Game.GroupSize);
    }
    if (T.Game.GroupSize != 0)
        State.SkipWithError("the isolated ball selected a group");
}
BENCHMARK(SelectGroup_IsolatedBall);

// The second click on the one-colour board: 17292 points, 132 balls off, the maximum-score end.
// The board comes back already selected, as the first click leaves it (every frame shown, the
// points set); putting it back is inside the timing and costs a few tens of nanoseconds.
void Click_TakeWholeBoard(benchmark::State& State)
{
    const Board B = OneColourBoard();
    Table T(B);
    for (auto _ : State) {
        Restore(T, B);
        T.View.Frame.fill(true);
        T.Game.GroupSelected = true;
        T.Game.GroupPoints = MaxScore;
        T.Game.picBall_Click(1);
    }
    if (T.Game.Score != MaxScore || T.Recorded.size() != 1)
        State.SkipWithError("the whole board was not taken");
}
BENCHMARK(Click_TakeWholeBoard);

// The collapse alone when only column 1 holds balls: ten shift steps, 1320 cells redrawn.
// Putting the board back (133 codes copied) is inside the timing; it is a few nanoseconds.
void CloseColumns_OnlyFirstColumn(benchmark::State& State)
{
    const Board B = OnlyFirstColumn();
    Table T(B);
    for (auto _ : State) {
        Restore(T, B);
        T.Game.CloseColumns();
        benchmark::DoNotOptimize(T.Game.BallColour);
    }
    State.counters["cells_drawn"] = static_cast<double>(T.View.Drawn.size());
}
BENCHMARK(CloseColumns_OnlyFirstColumn);

// The move check that finds none, with the end of the game that follows it.
void CheckMoves_NoMove(benchmark::State& State)
{
    const Board B = QuietBoard();
    Table T(B);
    for (auto _ : State) {
        Restore(T, B);
        T.Game.CheckMoves();
    }
    if (T.Game.GameInProgress)
        State.SkipWithError("the quiet board offered a move");
}
BENCHMARK(CheckMoves_NoMove);

// A new deal of 132 cells.
void NewGame(benchmark::State& State)
{
    Table T;
    for (auto _ : State) {
        T.View.Drawn.clear();
        T.Game.NewGame();
        benchmark::DoNotOptimize(T.Game.BallColour);
    }
}
BENCHMARK(NewGame);

}  // namespace
}  // namespace orbulon::bench
