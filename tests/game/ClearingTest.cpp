// SPDX-License-Identifier: GPL-3.0-or-later
// Taking a group: the score, the fall inside each column, and the collapse of empty columns.
#include "FakeView.h"

#include <gtest/gtest.h>

namespace orbulon::test {
namespace {

using Column = std::vector<int>;
constexpr int CellAt(int Row, int Col) { return (Row - 1) * Columns + Col; }

Column ColumnOf(const modGeneral& Game, int Col)
{
    Column Codes;
    for (int Row = 1; Row <= Rows; ++Row)
        Codes.push_back(Game.BallColour[CellAt(Row, Col)]);
    return Codes;
}

// Column 5 of a quiet board after taking red balls laid at the given cells, selected from the
// lowest: the rows of column 5 kept, in order, then empty cells. Gives the cells redrawn.
std::vector<int> ExpectColumnFiveAfterTaking(const std::set<int>& Group, const std::vector<int>& KeptRows)
{
    const Column Before = ColumnOf(Table().Game, 5);
    auto T = WithRed(Group);
    T.Game.SelectGroup(*Group.begin());
    T.View.Drawn.clear();
    T.Game.TakeGroup();
    Column Expected(Rows, Empty);
    std::transform(KeptRows.begin(), KeptRows.end(), Expected.begin(), [&](int Row) { return Before[Row - 1]; });
    EXPECT_EQ(ColumnOf(T.Game, 5), Expected);
    const int n = static_cast<int>(Group.size());
    EXPECT_EQ(T.View.ScoreAtFirstDraw, std::to_string(n * (n - 1)));  // the score shows before the balls leave
    EXPECT_EQ(std::ranges::count(T.View.Sounds, SoundCue::Clear), n);
    return T.View.Drawn;
}

TEST(ClearGroup, BallsAboveTheGroupFallInOrder)
{
    // Column 5 from row 4 to the top is redrawn, nothing else.
    EXPECT_EQ(ExpectColumnFiveAfterTaking({CellAt(4, 5), CellAt(5, 5), CellAt(6, 5)}, {1, 2, 3, 7, 8, 9, 10, 11, 12}),
              (std::vector<int>{38, 49, 60, 71, 82, 93, 104, 115, 126}));
    // A U through column 6 keeps the ball between its arms.
    ExpectColumnFiveAfterTaking({CellAt(2, 5), CellAt(2, 6), CellAt(3, 6), CellAt(4, 6), CellAt(4, 5)},
                                {1, 3, 5, 6, 7, 8, 9, 10, 11, 12});
}

TEST(ClearGroup, AColumnWhoseOnlyGroupBallIsOnTopLosesIt)
{
    ExpectColumnFiveAfterTaking({CellAt(Rows, 5), CellAt(Rows, 6)}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
}

TEST(TakeGroup, TheScoreBoxNeverShowsMoreThanTheMaximum)
{
    auto T = WithRed({1, 2});
    T.Game.Score = MaxScore - 1;
    T.Game.picBall_Click(1);
    T.Game.picBall_Click(1);
    EXPECT_EQ(T.View.ScoreAtFirstDraw, "17292");
}

TEST(TakeGroup, TakingTheWholeBoardEndsTheGameAtTheMaximum)
{
    Table T;
    T.Game.BallColour.fill(Blue);
    T.Game.picBall_Click(40);
    T.Game.picBall_Click(40);
    EXPECT_FALSE(T.Game.GameInProgress);
    EXPECT_EQ(T.View.ScoreText, "*17292 *");
    EXPECT_EQ(T.View.Boxes.Said,
              (std::vector<std::string>{"MsgBox [Orbulon!] YOU HAVE ACHIEVED THE MAXIMUM SCORE!!!     "}));
    EXPECT_EQ(T.Recorded, std::vector<std::int16_t>{MaxScore});
    EXPECT_EQ(std::count(T.View.Picture.begin(), T.View.Picture.end(), Empty), Cells + 1);
}

TEST(CloseColumns, ColumnsGatherAtTheRightInTheirOrder)
{
    // The worked example shifts at 6, 6 and 5; a lone column 1 walks ten steps at 11;
    // column 1 crosses three empty columns in three steps at 4; boards with nothing to
    // move (empty, full, gaps already at the left) are not redrawn at all.
    const std::pair<std::set<int>, std::size_t> Cases[] = {
        {{1, 2, 4, 7, 8, 9, 10, 11}, 12u * (6 + 6 + 5)}, {{1}, 12u * 11 * 10},
        {{1, 5, 6, 7, 8, 9, 10, 11}, 12u * 4 * 3},       {{}, 0},
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 0},        {{5, 6, 7, 8, 9, 10, 11}, 0}};
    for (const auto& [Filled, Redrawn] : Cases) {
        // Each filled column holds its own number, so that every column is told apart.
        std::vector<int> Order(Columns - Filled.size(), Empty);
        Order.insert(Order.end(), Filled.begin(), Filled.end());
        Table T;
        auto Expected = T.Game.BallColour;
        for (int Cell = 1; Cell <= Cells; ++Cell) {
            const int Col = (Cell - 1) % Columns + 1;
            T.Game.BallColour[Cell] = static_cast<std::int16_t>(Filled.count(Col) ? Col : Empty);
            Expected[Cell] = static_cast<std::int16_t>(Order[Col - 1]);
        }
        T.Game.CloseColumns();
        EXPECT_EQ(T.Game.BallColour, Expected);
        EXPECT_EQ(T.View.Drawn.size(), Redrawn);
    }
}

}  // namespace
}  // namespace orbulon::test
