// Taking a group: the score, the fall inside each column, and the collapse of empty columns.
#include "FakeView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace orbulon::test {
namespace {

constexpr int CellAt(int Row, int Column) { return (Row - 1) * Columns + Column; }

std::vector<int> ColumnOf(const modGeneral& Game, int Column)
{
    std::vector<int> Codes;
    for (int Row = 1; Row <= Rows; ++Row)
        Codes.push_back(Game.BallColour[CellAt(Row, Column)]);
    return Codes;
}

// Selects the group at Cell and takes it, as two clicks would.
void Take(Table& T, int Cell)
{
    T.Game.SelectGroup(Cell);
    ASSERT_TRUE(T.Game.GroupSelected);
    T.View.Drawn.clear();
    T.View.Sounds.clear();
    T.Game.TakeGroup();
}

TEST(ClearGroup, BallsAboveAStackFallInOrder)
{
    auto Board = QuietBoard();
    for (int Row = 4; Row <= 6; ++Row)
        Board[CellAt(Row, 5)] = Red;
    Table T(Board);
    const auto Before = ColumnOf(T.Game, 5);
    Take(T, CellAt(5, 5));

    const auto After = ColumnOf(T.Game, 5);
    std::vector<int> Expected(Before.begin(), Before.begin() + 3);          // rows 1-3 stay
    Expected.insert(Expected.end(), Before.begin() + 6, Before.end());      // rows 7-12 fall
    Expected.resize(Rows, Empty);                                           // three empty on top
    EXPECT_EQ(After, Expected);
    EXPECT_EQ(T.Game.Score, 6);
    EXPECT_EQ(T.Game.GroupPoints, 0);
    EXPECT_EQ(T.View.Plays(SoundCue::Clear), 3);
    // Every cell from the lowest taken row up is redrawn once, and nothing else.
    std::vector<int> Redrawn;
    for (int Row = 4; Row <= Rows; ++Row)
        Redrawn.push_back(CellAt(Row, 5));
    EXPECT_EQ(T.View.Drawn, Redrawn);
    for (int i = 1; i <= Cells; ++i)
        ASSERT_EQ(T.View.Picture[i], T.Game.BallColour[i]) << i;
}

TEST(ClearGroup, AUKeepsTheBallBetweenItsArms)
{
    // Column 3 holds group balls at rows 2 and 4, joined through column 4.
    auto Board = QuietBoard();
    for (int Cell : {CellAt(2, 3), CellAt(2, 4), CellAt(3, 4), CellAt(4, 4), CellAt(4, 3)})
        Board[Cell] = Red;
    Table T(Board);
    const auto Before = ColumnOf(T.Game, 3);
    Take(T, CellAt(2, 3));

    const auto After = ColumnOf(T.Game, 3);
    std::vector<int> Expected = {Before[0], Before[2]};                     // row 3's ball to row 2
    Expected.insert(Expected.end(), Before.begin() + 4, Before.end());      // rows 5-12 follow
    Expected.resize(Rows, Empty);
    EXPECT_EQ(After, Expected);
    EXPECT_EQ(std::count(T.Game.BallColour.begin(), T.Game.BallColour.end(), Red), 0);
    EXPECT_EQ(T.Game.Score, 20);
}

TEST(TakeGroup, ShowsTheNewScoreBeforeTheBallsLeave)
{
    struct Watcher : FakeView {
        std::string ScoreWhenFirstDrawn;
        void DrawCell(int Index, int Colour) override
        {
            if (ScoreWhenFirstDrawn.empty())
                ScoreWhenFirstDrawn = ScoreText;
            FakeView::DrawCell(Index, Colour);
        }
    } View;
    FakeRecords Records;
    SeededRandom Random(1);
    modGeneral Game(View, Records, Random);
    Game.BallColour = QuietBoard();
    Game.BallColour[1] = Game.BallColour[2] = Red;
    Game.Score = 40;
    Game.SelectGroup(1);
    Game.TakeGroup();
    EXPECT_EQ(View.ScoreWhenFirstDrawn, "42");
}

TEST(TakeGroup, AWholeColumnEmptiesAndTheBoardClosesUp)
{
    auto Board = QuietBoard();
    for (int Row = 1; Row <= Rows; ++Row)
        Board[CellAt(Row, 11)] = Red;
    Table T(Board);
    const auto Columns1To10 = [&] {
        std::vector<std::vector<int>> Cols;
        for (int c = 1; c <= 10; ++c)
            Cols.push_back(ColumnOf(T.Game, c));
        return Cols;
    }();
    Take(T, CellAt(6, 11));
    for (int c = 2; c <= 11; ++c)
        EXPECT_EQ(ColumnOf(T.Game, c), Columns1To10[c - 2]) << "column " << c;
    EXPECT_EQ(ColumnOf(T.Game, 1), std::vector<int>(Rows, Empty));
    EXPECT_EQ(T.Game.Score, 132);
}

TEST(TakeGroup, TheWholeOneColourBoardEndsAtTheMaximum)
{
    std::array<std::int16_t, Cells + 1> Board{};
    Board.fill(Blue);
    Table T(Board);
    T.Game.picBall_Click(40);
    T.Game.picBall_Click(40);

    EXPECT_EQ(T.Game.Score, MaxScore);
    EXPECT_FALSE(T.Game.GameInProgress);
    EXPECT_EQ(T.View.ScoreText, "*17292 *");
    ASSERT_EQ(T.View.Boxes.size(), 1u);  // no end-of-moves message after it
    EXPECT_EQ(T.View.Boxes[0].Text, "YOU HAVE ACHIEVED THE MAXIMUM SCORE!!!     ");
    EXPECT_EQ(T.View.Boxes[0].Title, "Orbulon!");
    EXPECT_EQ(T.Records.Scores, std::vector<std::int16_t>{MaxScore});
    EXPECT_FALSE(T.View.Hint);
    EXPECT_EQ(T.View.Plays(SoundCue::Click), Cells);
    EXPECT_EQ(T.View.Plays(SoundCue::Clear), Cells);
    for (int i = 1; i <= Cells; ++i)
        ASSERT_EQ(T.View.Picture[i], Empty);
}

// Columns whose flag is set hold a full stack of balls (each column its own colour
// pattern), the others are empty.
Table WithColumns(const std::vector<int>& Filled)
{
    Table T;
    for (int c = 1; c <= Columns; ++c)
        if (std::find(Filled.begin(), Filled.end(), c) == Filled.end())
            for (int Row = 1; Row <= Rows; ++Row)
                T.Game.BallColour[CellAt(Row, c)] = Empty;
    return T;
}

TEST(CloseColumns, TheWorkedExampleTakesThreeShifts)
{
    const std::vector<int> Filled = {1, 2, 4, 7, 8, 9, 10, 11};
    auto T = WithColumns(Filled);
    std::vector<std::vector<int>> Before;
    for (int c : Filled)
        Before.push_back(ColumnOf(T.Game, c));
    T.Game.CloseColumns();
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(ColumnOf(T.Game, 4 + k), Before[k]) << "column " << 4 + k;
    for (int c = 1; c <= 3; ++c)
        EXPECT_EQ(ColumnOf(T.Game, c), std::vector<int>(Rows, Empty));
    // Shifts at 6, 6 and 5 redraw columns 1-6, 1-6 and 1-5.
    EXPECT_EQ(T.View.Drawn.size(), 12u * (6 + 6 + 5));
}

TEST(CloseColumns, OnlyColumnOneWalksTenStepsToTheRightEdge)
{
    auto T = WithColumns({1});
    const auto Before = ColumnOf(T.Game, 1);
    T.Game.CloseColumns();
    EXPECT_EQ(ColumnOf(T.Game, 11), Before);
    for (int c = 1; c <= 10; ++c)
        EXPECT_EQ(ColumnOf(T.Game, c), std::vector<int>(Rows, Empty));
    EXPECT_EQ(T.View.Drawn.size(), 12u * 11 * 10);  // ten shifts at column 11
}

TEST(CloseColumns, NothingToMoveDrawsNothing)
{
    for (const auto& Filled : {std::vector<int>{}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, {5, 6, 7, 8, 9, 10, 11}}) {
        auto T = WithColumns(Filled);
        const auto Board = T.Game.BallColour;
        T.Game.CloseColumns();
        EXPECT_EQ(T.Game.BallColour, Board);
        EXPECT_TRUE(T.View.Drawn.empty());
    }
}

TEST(CloseColumns, SeparatedColumnsKeepTheirOrderAndRows)
{
    auto T = WithColumns({1, 5, 6, 7, 8, 9, 10, 11});
    const auto First = ColumnOf(T.Game, 1);
    T.Game.CloseColumns();
    EXPECT_EQ(ColumnOf(T.Game, 4), First);
    for (int c = 1; c <= 3; ++c)
        EXPECT_EQ(ColumnOf(T.Game, c), std::vector<int>(Rows, Empty));
}

} // namespace
} // namespace orbulon::test
