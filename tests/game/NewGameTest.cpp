// SPDX-License-Identifier: GPL-3.0-or-later
// The deal, the marquee's ticks and the colour census.
#include "FakeView.h"

#include <gtest/gtest.h>

#include <limits>

namespace orbulon::test {
namespace {

// How the fractions between map to colours shows in the pinned deal below.
TEST(Deal, TheRangesEndsAndFaultyFractionsStillDealABall)
{
    EXPECT_EQ(ColourFromFraction(1.0f), Red);
    for (const float Outside : {0.0f, -0.5f, std::numeric_limits<float>::quiet_NaN()})
        EXPECT_EQ(ColourFromFraction(Outside), Purple) << Outside;
}

TEST(Deal, EveryNewGameDealsTheSeedsOwnBoard)
{
    // Seed 1998, top row first: a change to the generator, the reseed or the colour mapping
    // shows here as a different board.
    const char* Pinned[Rows] = {"52114425312", "24235331442", "41423421342", "13535113513",
                                "55411443141", "43141123544", "32522434314", "42314152533",
                                "53225554144", "11135322413", "52532243532", "32452442234"};
    Table T, Other;
    Other.Random = SeededRandom(7), Other.Game.NewGame();
    for (int Game = 1; Game <= 2; ++Game) {
        T.Game.NewGame();
        for (int i = 1; i <= Cells; ++i)
            EXPECT_EQ(T.View.Picture[i], Pinned[Rows - 1 - RowOf(i)][ColumnOf(i)] - '0')
                << "game " << Game << ", cell " << i;
    }
    EXPECT_NE(Other.Game.BallColour, T.Game.BallColour);
}

TEST(NewGame, DuringStartUpLeavesTheGameIdle)
{
    Table T;
    T.Game.GameInProgress = T.View.Hint = false, T.Game.StartingUp = true;
    T.Game.NewGame();
    EXPECT_FALSE(T.Game.StartingUp || T.Game.GameInProgress || T.View.Hint);
    EXPECT_EQ(T.View.ScoreText, "");
    EXPECT_EQ(T.View.Alignment, ScoreAlignment::Left);
}

TEST(NewGame, MidGameAbandonsTheGameInPlayForAFreshOne)
{
    auto T = WithRed({1, 2});
    T.Game.Score = 500;
    T.Game.picBall_Click(1);
    T.Game.NewGame();
    EXPECT_FALSE(T.Game.GroupSelected || T.View.FramesShown());
    EXPECT_EQ(T.View.Tip[1], "");
    EXPECT_EQ(T.View.ScoreText, "0");
    EXPECT_EQ(T.View.Alignment, ScoreAlignment::Centre);
    EXPECT_TRUE(T.View.Hint && T.Game.GameInProgress);
    EXPECT_TRUE(T.View.Boxes.Said.empty() && T.Recorded.empty());
}

std::vector<std::string> Ticks(const std::string& Text, int n)
{
    Table T;
    T.Game.GameInProgress = false, T.Game.MarqueeText = Text;
    std::vector<std::string> Shown;
    while (n-- > 0)
        T.Game.MarqueeTick(), Shown.push_back(T.View.ScoreText);
    return Shown;
}

TEST(Marquee, ScrollsAWindowOfEightThatStartsAgainBeforeTheLastLetter)
{
    EXPECT_EQ(Ticks("ABCDEFGHIJ", 10),
              (std::vector<std::string>{"ABCDEFGH", "BCDEFGHI", "CDEFGHIJ", "DEFGHIJ", "EFGHIJ", "FGHIJ", "GHIJ", "HIJ",
                                        "IJ", "ABCDEFGH"}));
    EXPECT_EQ(Ticks("AB", 3), (std::vector<std::string>(3, "AB")));
    // A text shorter than two letters keeps the position within the text, tick after tick.
    EXPECT_EQ(Ticks("Z", 40000).back(), "Z");
    EXPECT_EQ(Ticks("Caf\xe9!", 1).front(), "Caf\xc3\xa9!");  // single-byte text shown as meant
}

TEST(Marquee, StopsForGoodOnceAGameIsUnderWay)
{
    Table T;
    T.Game.MarqueeText = "ABCDEFGHIJ", T.View.ScoreText = "0";
    T.Game.MarqueeTick();
    EXPECT_EQ(T.View.MarqueeStops, 1);
    EXPECT_EQ(T.View.ScoreText, "0");
}

TEST(Census, CountsEachColourThenTheBlanksInTheTranslationsOrder)
{
    Table T;
    T.Game.BallColour = {Empty, Empty, Purple, Purple, Blue};
    std::fill(T.Game.BallColour.begin() + 5, T.Game.BallColour.end(), Green);
    EXPECT_EQ(T.Game.CensusText("%6:%1,%2,%3,%4,%5 %0%"), "1:2,1,0,128,0 %0%");
}

}  // namespace
}  // namespace orbulon::test
