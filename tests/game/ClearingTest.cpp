// SPDX-License-Identifier: GPL-3.0-or-later
// Taking a group: the score, the fall inside each column, and the collapse of empty columns.
#include "FakeView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace orbulon::test {
namespace {

using Column = std::vector<int>;
constexpr int CellAt(int Row, int Col) { return (Row - 1) * Columns + Col; }
const Column EmptyColumn(Rows, Empty);

Column ColumnOf(const modGeneral& Game, int Col)
{
    Column Codes;
    for (int Row = 1; Row <= Rows; ++Row)
        Codes.push_back(Game.BallColour[CellAt(Row, Col)]);
    return Codes;
}

// Red balls at the given cells of a quiet board, selected from the first and taken.
Table TakeRed(const std::vector<int>& Cells_)
{
    auto Board = QuietBoard();
    for (int Cell : Cells_)
        Board[Cell] = Red;
    Table T(Board);
    T.Game.SelectGroup(Cells_.front());
    T.View.Drawn.clear();
    T.Game.TakeGroup();
    return T;
}

TEST(ClearGroup, BallsAboveAStackFallInOrderAndOnlyTheyAreRedrawn)
{
    const auto Before = ColumnOf(Table().Game, 5);
    auto T = TakeRed({CellAt(4, 5), CellAt(5, 5), CellAt(6, 5)});
    Column Expected(Before.begin(), Before.begin() + 3);
    Expected.insert(Expected.end(), Before.begin() + 6, Before.end());
    Expected.resize(Rows, Empty);
    EXPECT_EQ(ColumnOf(T.Game, 5), Expected);
    EXPECT_EQ(T.Game.Score, 6);
    EXPECT_EQ(T.Game.GroupPoints, 0);  // nothing left to add twice
    EXPECT_TRUE(T.View.NoTips());
    EXPECT_EQ(T.View.ScoreAtFirstDraw, "6");  // the new score is on view before the balls leave
    EXPECT_EQ(T.View.Plays(SoundCue::Clear), 3);
    std::vector<int> Redrawn;
    for (int Row = 4; Row <= Rows; ++Row)
        Redrawn.push_back(CellAt(Row, 5));
    EXPECT_EQ(T.View.Drawn, Redrawn);
    for (int i = 1; i <= Cells; ++i)
        ASSERT_EQ(T.View.Picture[i], T.Game.BallColour[i]) << i;
}

TEST(ClearGroup, AUKeepsTheBallBetweenItsArms)
{
    // Column 5 holds group balls at rows 2 and 4, joined through column 6.
    const auto Before = ColumnOf(Table().Game, 5);
    auto T = TakeRed({CellAt(2, 5), CellAt(2, 6), CellAt(3, 6), CellAt(4, 6), CellAt(4, 5)});
    Column Expected = {Before[0], Before[2]};
    Expected.insert(Expected.end(), Before.begin() + 4, Before.end());
    Expected.resize(Rows, Empty);
    EXPECT_EQ(ColumnOf(T.Game, 5), Expected);
    EXPECT_EQ(std::count(T.Game.BallColour.begin(), T.Game.BallColour.end(), Red), 0);
    EXPECT_EQ(T.Game.Score, 20);
}

TEST(TakeGroup, TheScoreBoxNeverShowsMoreThanTheMaximum)
{
    auto Board = QuietBoard();
    Board[1] = Board[2] = Red;
    Table T(Board);
    T.Game.Score = MaxScore - 1;
    T.Game.picBall_Click(1);
    T.Game.picBall_Click(1);
    EXPECT_EQ(T.View.MostShown, MaxScore);
    EXPECT_EQ(T.Records.Scores, std::vector<std::int16_t>{MaxScore});
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
    ASSERT_EQ(T.View.Boxes.Said.size(), 1u);  // no end-of-moves message after it
    EXPECT_EQ(T.View.Boxes.Said[0], "MsgBox [Orbulon!] YOU HAVE ACHIEVED THE MAXIMUM SCORE!!!     ");
    EXPECT_EQ(T.Records.Scores, std::vector<std::int16_t>{MaxScore});
    EXPECT_FALSE(T.View.Hint);
    EXPECT_EQ(T.View.Plays(SoundCue::Click), Cells);
    EXPECT_EQ(T.View.Plays(SoundCue::Clear), Cells);
    EXPECT_EQ(std::count(T.View.Picture.begin(), T.View.Picture.end(), Empty), Cells + 1);
}

// A quiet board with only the listed columns holding balls.
Table WithColumns(const std::vector<int>& Filled)
{
    Table T;
    for (int c = 1; c <= Columns; ++c)
        if (std::find(Filled.begin(), Filled.end(), c) == Filled.end())
            for (int Row = 1; Row <= Rows; ++Row)
                T.Game.BallColour[CellAt(Row, c)] = Empty;
    return T;
}

TEST(CloseColumns, ColumnsGatherAtTheRightInTheirOrderRedrawingEachShift)
{
    struct Case {
        std::vector<int> Filled;
        std::size_t Redrawn;
    };
    // The worked example shifts at 6, 6 and 5; a lone column 1 walks ten steps at 11;
    // column 1 crosses three empty columns in three steps at 4; boards with nothing to
    // move (empty, full, gaps already at the left) are not redrawn at all.
    for (const auto& [Filled, Redrawn] :
         {Case{{1, 2, 4, 7, 8, 9, 10, 11}, 12u * (6 + 6 + 5)}, Case{{1}, 12u * 11 * 10},
          Case{{1, 5, 6, 7, 8, 9, 10, 11}, 12u * 4 * 3}, Case{{}, 0}, Case{{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 0},
          Case{{5, 6, 7, 8, 9, 10, 11}, 0}}) {
        auto T = WithColumns(Filled);
        std::vector<Column> Before;
        for (int c : Filled)
            Before.push_back(ColumnOf(T.Game, c));
        T.Game.CloseColumns();
        const int FirstFilled = Columns + 1 - static_cast<int>(Filled.size());
        for (int c = 1; c <= Columns; ++c)
            EXPECT_EQ(ColumnOf(T.Game, c), c < FirstFilled ? EmptyColumn : Before[c - FirstFilled]) << c;
        EXPECT_EQ(T.View.Drawn.size(), Redrawn);
    }
}

}  // namespace
}  // namespace orbulon::test
