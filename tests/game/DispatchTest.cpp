// The click's decision table and the end of a game when no move is left.
#include "FakeView.h"

#include <gtest/gtest.h>

namespace orbulon::test {
namespace {

const std::string NoMoves = "There are no more possible moves available!     ";

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
    EXPECT_TRUE(T.View.Boxes.empty());
    EXPECT_TRUE(T.Records.Scores.empty());
}

TEST(Dispatch, FirstClickSelectsSecondClickOnTheGroupTakes)
{
    auto T = PairTable();
    T.Game.picBall_Click(PairLow);
    EXPECT_TRUE(T.Game.GroupSelected);
    EXPECT_TRUE(T.View.Frame[PairTop]);
    T.Game.picBall_Click(PairTop);
    EXPECT_EQ(T.Game.Score, 2);
    EXPECT_FALSE(T.Game.GroupSelected);
    // That was the only move: the check after the click ends the game.
    EXPECT_FALSE(T.Game.GameInProgress);
    ASSERT_EQ(T.View.Boxes.size(), 1u);
    EXPECT_EQ(T.View.Boxes[0].Text, NoMoves);
    EXPECT_EQ(T.View.Boxes[0].Title, "Orbulon!");
    EXPECT_EQ(T.View.Boxes[0].Buttons, MsgButtons::OK);
    EXPECT_EQ(T.Records.Scores, std::vector<std::int16_t>{2});
    EXPECT_EQ(T.Game.PlayerName, "Recorded");
    EXPECT_FALSE(T.View.Hint);
}

TEST(Dispatch, AClickOutsideTheGroupOnlyDropsIt)
{
    auto T = PairTable();
    T.Game.picBall_Click(PairLow);
    T.Game.picBall_Click(1);
    EXPECT_FALSE(T.Game.GroupSelected);
    EXPECT_EQ(T.View.FramesShown(), 0);
    EXPECT_EQ(T.Game.Score, 0);
    // The click beside the group did not select anything of its own.
    T.Game.picBall_Click(PairLow);
    EXPECT_TRUE(T.Game.GroupSelected);
}

TEST(Dispatch, EmptyCellsSelectNothingButDropASelection)
{
    auto T = PairTable();
    T.Game.BallColour[130] = Empty;
    T.Game.picBall_Click(130);
    EXPECT_FALSE(T.Game.GroupSelected);
    EXPECT_TRUE(T.View.Sounds.empty());

    T.Game.picBall_Click(PairLow);
    T.View.Frame[130] = true;  // even a framed empty cell is not part of the group
    T.Game.picBall_Click(130);
    EXPECT_FALSE(T.Game.GroupSelected);
    EXPECT_EQ(T.Game.Score, 0);
}

TEST(Dispatch, AnIsolatedBallLeavesNoSelectionSoTheNextClickSelects)
{
    auto T = PairTable();
    T.Game.picBall_Click(1);
    EXPECT_FALSE(T.Game.GroupSelected);
    T.Game.picBall_Click(PairLow);
    EXPECT_TRUE(T.Game.GroupSelected);
    EXPECT_TRUE(T.Game.GameInProgress);
    EXPECT_TRUE(T.View.Boxes.empty());
}

TEST(CheckMoves, CellsAtTheEndsOfTwoRowsAreNoMove)
{
    auto Board = QuietBoard();
    Board[11] = Board[12] = Red;
    Table T(Board);
    T.Game.Score = 99;
    T.Game.picBall_Click(11);
    EXPECT_FALSE(T.Game.GameInProgress);
    EXPECT_EQ(T.Records.Scores, std::vector<std::int16_t>{99});
    // Later clicks neither ask again nor record again.
    T.Game.picBall_Click(12);
    EXPECT_EQ(T.View.Boxes.size(), 1u);
    EXPECT_EQ(T.Records.Scores.size(), 1u);
}

TEST(CheckMoves, NeighbouringEmptyCellsAreNoMoveButABallPairIs)
{
    Table Empties;
    Empties.Game.BallColour.fill(Empty);
    Empties.Game.CheckMoves();
    EXPECT_FALSE(Empties.Game.GameInProgress);

    auto Board = QuietBoard();
    Board[60] = Board[71] = Red;  // one vertical pair in the middle of the board
    Table T(Board);
    T.Game.CheckMoves();
    EXPECT_TRUE(T.Game.GameInProgress);
    EXPECT_TRUE(T.View.Boxes.empty());
}

} // namespace
} // namespace orbulon::test
