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
    EXPECT_EQ(ColourFromFraction(0.2f), Blue);
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

TEST(Deal, TheSameSeedDealsTheSameBoard)
{
    Table A, B;
    A.Game.NewGame();
    B.Game.NewGame();
    EXPECT_EQ(A.Game.BallColour, B.Game.BallColour);
    // Reseeding at each new game deals that board again, every colour present.
    const auto First = A.Game.BallColour;
    A.Game.NewGame();
    EXPECT_EQ(A.Game.BallColour, First);
    int Seen[6] = {};
    for (int i = 1; i <= Cells; ++i)
        ++Seen[First[i]];
    EXPECT_EQ(Seen[Empty], 0);
    for (int Code = Purple; Code <= Red; ++Code)
        EXPECT_GT(Seen[Code], 0);

    Table Other;
    Other.Random = SeededRandom(7);
    Other.Game.NewGame();
    EXPECT_NE(Other.Game.BallColour, First);
}

TEST(NewGame, DuringStartUpLeavesTheGameIdle)
{
    Table T;
    T.Game.GameInProgress = false;
    T.View.Hint = false;
    T.Game.StartingUp = true;
    T.Game.NewGame();
    EXPECT_FALSE(T.Game.StartingUp);
    EXPECT_FALSE(T.Game.GameInProgress);
    EXPECT_FALSE(T.View.Hint);
    EXPECT_EQ(T.View.ScoreText, "");
    EXPECT_EQ(T.View.Alignment, ScoreAlignment::Left);
    for (int i = 1; i <= Cells; ++i)
        ASSERT_EQ(T.View.Picture[i], T.Game.BallColour[i]);
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
    EXPECT_TRUE(T.View.Hint);
    EXPECT_TRUE(T.Game.GameInProgress);
    EXPECT_EQ(T.View.MarqueeStops, 1);
    EXPECT_TRUE(T.View.Boxes.empty());
    EXPECT_TRUE(T.Records.Scores.empty());
}

std::vector<std::string> Ticks(Table& T, int n)
{
    std::vector<std::string> Shown;
    for (int k = 0; k < n; ++k) {
        T.Game.MarqueeTick();
        Shown.push_back(T.View.ScoreText);
    }
    return Shown;
}

TEST(Marquee, ShowsWindowsOfEightAndStartsAgainBeforeTheLastLetter)
{
    Table T;
    T.Game.GameInProgress = false;
    T.Game.MarqueeText = "ABCDEFGHIJ";
    EXPECT_EQ(Ticks(T, 10), (std::vector<std::string>{"ABCDEFGH", "BCDEFGHI", "CDEFGHIJ", "DEFGHIJ", "EFGHIJ",
                                                      "FGHIJ", "GHIJ", "HIJ", "IJ", "ABCDEFGH"}));
}

TEST(Marquee, ShortTextsStayWithinTheText)
{
    Table T;
    T.Game.GameInProgress = false;
    T.Game.MarqueeText = "AB";
    EXPECT_EQ(Ticks(T, 3), (std::vector<std::string>{"AB", "AB", "AB"}));
    for (const std::string Text : {"", "Z"}) {
        T.Game.MarqueeText = Text;
        T.Game.MarqueePos = 0;
        for (int k = 0; k < 40000; ++k)
            T.Game.MarqueeTick();
        EXPECT_EQ(T.Game.MarqueePos, 1);
        EXPECT_EQ(T.View.ScoreText, Text);
    }
}

TEST(Marquee, ShowsAccentedLettersAsTheyAreMeant)
{
    Table T;
    T.Game.GameInProgress = false;
    T.Game.MarqueeText = "Caf\xe9!";
    T.Game.MarqueeTick();
    EXPECT_EQ(T.View.ScoreText, "Caf\xc3\xa9!");
}

TEST(Marquee, StopsForGoodOnceAGameIsUnderWay)
{
    Table T;
    T.Game.MarqueeText = "ABCDEFGHIJ";
    T.View.ScoreText = "0";
    T.Game.MarqueeTick();
    EXPECT_EQ(T.View.MarqueeStops, 1);
    EXPECT_EQ(T.View.ScoreText, "0");
    EXPECT_EQ(T.Game.MarqueePos, 0);
}

TEST(Census, CountsEveryColourAndTheBlanksInTheGamesOwnWords)
{
    Table T;
    T.Game.BallColour.fill(Green);
    T.Game.BallColour[1] = Empty;
    T.Game.BallColour[2] = Purple;
    T.Game.BallColour[3] = Purple;
    T.Game.BallColour[4] = Blue;
    EXPECT_EQ(T.Game.CensusText(), "There are:\r\r"
                                   "Purple: 2\r"
                                   "Blue:    1\r"
                                   "Yellow: 0\r"
                                   "Green:  128\r"
                                   "Red:     0\r\r"
                                   "There are 1 Blanks at the moment.     ");
}

} // namespace
} // namespace orbulon::test
