// SPDX-License-Identifier: GPL-3.0-or-later
// The click's decision table and the end of a game when no move is left.
#include "FakeView.h"

#include <gtest/gtest.h>

namespace orbulon::test {
namespace {

// A quiet board whose only move is a red pair at the top of the right column;
// taking it leaves no move behind.
constexpr int PairLow = 121, PairTop = 132;

Table PairTable()
{
    auto Board = QuietBoard();
    Board[PairLow] = Board[PairTop] = Red;
    return Table(Board);
}

TEST(Dispatch, DoesNothingOutsideAGame)
{
    auto T = PairTable();
    T.Game.GameInProgress = false;
    const auto Board = T.Game.BallColour;
    T.Game.picBall_Click(PairLow);
    T.Game.picBall_Click(PairLow);
    EXPECT_EQ(T.View.FramesShown(), 0);
    EXPECT_EQ(T.Game.BallColour, Board);
    EXPECT_TRUE(T.View.Boxes.Said.empty());
}

TEST(Dispatch, SelectsThenTakesAndTheLastMoveEndsTheGame)
{
    auto T = PairTable();
    T.Game.picBall_Click(PairLow);
    EXPECT_TRUE(T.View.Frame[PairTop]);
    T.Game.picBall_Click(PairTop);
    EXPECT_EQ(T.Game.Score, 2);
    EXPECT_FALSE(T.Game.GroupSelected);
    EXPECT_FALSE(T.Game.GameInProgress);
    ASSERT_EQ(T.View.Boxes.Said.size(), 1u);
    EXPECT_EQ(T.View.Boxes.Said[0], "MsgBox [Orbulon!] There are no more possible moves available!     ");
    EXPECT_EQ(T.Records.Scores, std::vector<std::int16_t>{2});
    EXPECT_EQ(T.Game.PlayerName, "Recorded");
    EXPECT_FALSE(T.View.Hint);
    // Later clicks neither ask again nor record again.
    T.Game.picBall_Click(1);
    EXPECT_EQ(T.View.Boxes.Said.size(), 1u);
    EXPECT_EQ(T.Records.Scores.size(), 1u);
}

TEST(Dispatch, AnyOtherClickOnlyDropsTheGroup)
{
    auto T = PairTable();
    T.Game.BallColour[130] = Empty;
    T.Game.picBall_Click(130);  // an empty cell selects nothing
    EXPECT_FALSE(T.Game.GroupSelected);
    for (int Other : {1, 130}) {
        T.Game.picBall_Click(PairLow);
        T.View.Frame[130] = true;  // not even a framed empty cell belongs to the group
        T.Game.picBall_Click(Other);
        EXPECT_FALSE(T.Game.GroupSelected) << Other;
        EXPECT_EQ(T.View.FramesShown(), 0) << Other;
        EXPECT_TRUE(T.View.NoTips()) << Other;
        EXPECT_EQ(T.Game.Score, 0) << Other;
    }
    T.Game.picBall_Click(1);  // an isolated ball leaves no selection: the next click selects
    T.Game.picBall_Click(PairLow);
    EXPECT_TRUE(T.Game.GroupSelected);
    EXPECT_TRUE(T.Game.GameInProgress);
}

TEST(CheckMoves, OnlySameColouredBallsSideBySideAreAMove)
{
    auto RowEnds = QuietBoard();
    RowEnds[11] = RowEnds[12] = Red;  // the end of one row and the start of the next
    std::array<std::int16_t, Cells + 1> Blanks{};
    auto Vertical = QuietBoard();
    Vertical[60] = Vertical[71] = Red;
    for (const auto& [Board, Move] : {std::pair{RowEnds, false}, {Blanks, false}, {Vertical, true}}) {
        Table T(Board);
        T.Game.Score = 99;
        T.Game.CheckMoves();
        EXPECT_EQ(T.Game.GameInProgress, Move);
        EXPECT_EQ(T.Records.Scores, Move ? std::vector<std::int16_t>{} : std::vector<std::int16_t>{99});
    }
}

}  // namespace
}  // namespace orbulon::test
