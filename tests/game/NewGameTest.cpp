// SPDX-License-Identifier: GPL-3.0-or-later
// The deal, the marquee's ticks and the colour census.
#include "FakeView.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace orbulon::test {
namespace {

TEST(Deal, ColourCodesNeverLeaveOneToFive)
{
    EXPECT_EQ(ColourFromFraction(0.0f), Purple);
    EXPECT_EQ(ColourFromFraction(std::nextafter(1.0f, 0.0f)), Red);
    EXPECT_EQ(ColourFromFraction(1.0f), Red);
    EXPECT_EQ(ColourFromFraction(-0.5f), Purple);
    EXPECT_EQ(ColourFromFraction(std::numeric_limits<float>::quiet_NaN()), Purple);
    std::mt19937 Engine(5);
    for (int k = 0; k < 100000; ++k) {
        const float f = FractionFrom(Engine);
        ASSERT_TRUE(f >= 0.0f && f < 1.0f);
    }
}

TEST(Deal, TheSameSeedDealsTheSameFullBoard)
{
    Table A, B, Other;
    Other.Random = SeededRandom(7);
    A.Game.NewGame();
    B.Game.NewGame();
    Other.Game.NewGame();
    EXPECT_EQ(A.Game.BallColour, B.Game.BallColour);
    EXPECT_NE(Other.Game.BallColour, A.Game.BallColour);
    int Seen[6] = {};
    for (int i = 1; i <= Cells; ++i) {
        ++Seen[A.Game.BallColour[i]];
        ASSERT_EQ(A.View.Picture[i], A.Game.BallColour[i]);
    }
    EXPECT_EQ(Seen[Empty], 0);
    for (int Code = Purple; Code <= Red; ++Code)
        EXPECT_GT(Seen[Code], 0);
}

TEST(NewGame, DuringStartUpLeavesTheGameIdle)
{
    Table T;
    T.Game.GameInProgress = T.View.Hint = false;
    T.Game.StartingUp = true;
    T.Game.NewGame();
    EXPECT_FALSE(T.Game.StartingUp);
    EXPECT_FALSE(T.Game.GameInProgress);
    EXPECT_FALSE(T.View.Hint);
    EXPECT_EQ(T.View.ScoreText, "");
    EXPECT_EQ(T.View.Alignment, ScoreAlignment::Left);
}

TEST(NewGame, MidGameDropsTheSelectionAndShowsZeroCentred)
{
    auto Board = QuietBoard();
    Board[1] = Board[2] = Red;
    Table T(Board);
    T.Game.Score = 500;
    T.Game.picBall_Click(1);
    T.Game.NewGame();
    EXPECT_EQ(T.Game.Score, 0);
    EXPECT_FALSE(T.Game.GroupSelected);
    EXPECT_EQ(T.View.FramesShown(), 0);
    EXPECT_EQ(T.View.Tip[1], "");
    EXPECT_EQ(T.View.ScoreText, "0");
    EXPECT_EQ(T.View.Alignment, ScoreAlignment::Centre);
    EXPECT_TRUE(T.View.Hint && T.Game.GameInProgress);
    EXPECT_EQ(T.View.MarqueeStops, 1);
    EXPECT_TRUE(T.View.Boxes.empty() && T.Records.Scores.empty());
}

std::vector<std::string> Ticks(const std::string& Text, int n)
{
    Table T;
    T.Game.GameInProgress = false;
    T.Game.MarqueeText = Text;
    std::vector<std::string> Shown;
    for (int k = 0; k < n; ++k) {
        T.Game.MarqueeTick();
        Shown.push_back(T.View.ScoreText);
    }
    EXPECT_GE(T.Game.MarqueePos, 1);
    EXPECT_LE(T.Game.MarqueePos, std::max<int>(1, static_cast<int>(Text.size())));
    return Shown;
}

TEST(Marquee, ShowsWindowsOfEightAndStartsAgainBeforeTheLastLetter)
{
    EXPECT_EQ(Ticks("ABCDEFGHIJ", 10),
              (std::vector<std::string>{"ABCDEFGH", "BCDEFGHI", "CDEFGHIJ", "DEFGHIJ", "EFGHIJ", "FGHIJ", "GHIJ", "HIJ",
                                        "IJ", "ABCDEFGH"}));
    EXPECT_EQ(Ticks("AB", 3), (std::vector<std::string>(3, "AB")));
    // Texts shorter than two letters keep the position within the text, tick after tick.
    EXPECT_EQ(Ticks("Z", 40000).back(), "Z");
    EXPECT_EQ(Ticks("", 40000).back(), "");
    EXPECT_EQ(Ticks("Caf\xe9!", 1).front(), "Caf\xc3\xa9!");  // single-byte text shown as meant
}

TEST(Marquee, StopsForGoodOnceAGameIsUnderWay)
{
    Table T;
    T.Game.MarqueeText = "ABCDEFGHIJ";
    T.View.ScoreText = "0";
    T.Game.MarqueeTick();
    EXPECT_EQ(T.View.MarqueeStops, 1);
    EXPECT_EQ(T.View.ScoreText, "0");
}

TEST(Census, CountsEveryColourAndTheBlanksInTheGamesOwnWords)
{
    Table T;
    T.Game.BallColour.fill(Green);
    T.Game.BallColour[1] = Empty;
    T.Game.BallColour[2] = T.Game.BallColour[3] = Purple;
    T.Game.BallColour[4] = Blue;
    EXPECT_EQ(T.Game.CensusText(),
              "There are:\r\r"
              "Purple: 2\r"
              "Blue:    1\r"
              "Yellow: 0\r"
              "Green:  128\r"
              "Red:     0\r\r"
              "There are 1 Blanks at the moment.     ");
}

}  // namespace
}  // namespace orbulon::test
