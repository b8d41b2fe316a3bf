// Finding and framing a group, its points, and dropping it.
#include "FakeView.h"

#include <gtest/gtest.h>

#include <set>

namespace orbulon::test {
namespace {

std::set<int> FramedCells(const FakeView& View)
{
    std::set<int> Cells_;
    for (int i = 1; i <= Cells; ++i)
        if (View.Frame[i])
            Cells_.insert(i);
    return Cells_;
}

Table WithRed(const std::set<int>& RedCells)
{
    auto Board = QuietBoard();
    for (int Cell : RedCells)
        Board[Cell] = Red;
    return Table(Board);
}

TEST(Neighbours, RowEndsDoNotJoinTheNextRow)
{
    for (auto [a, b] : {std::pair{11, 12}, {22, 23}, {121, 122}}) {
        auto T = WithRed({a, b});
        T.Game.SelectGroup(a);
        EXPECT_EQ(T.View.FramesShown(), 0) << a << "," << b;
        T.Game.SelectGroup(b);
        EXPECT_EQ(T.View.FramesShown(), 0) << a << "," << b;
        EXPECT_FALSE(T.Game.GroupSelected);
    }
}

TEST(Neighbours, CornersReachOnlyTheirTwoNeighbours)
{
    const std::pair<int, std::set<int>> Corners[] = {
        {1, {1, 2, 12}}, {132, {132, 131, 121}}, {11, {11, 10, 22}}, {122, {122, 123, 111}}};
    for (const auto& [Corner, Group] : Corners) {
        auto T = WithRed(Group);
        T.Game.SelectGroup(Corner);
        EXPECT_EQ(FramedCells(T.View), Group);
        EXPECT_EQ(T.Game.GroupSize, 3);
    }
}

TEST(SelectGroup, FramesAWindingSpiralWhole)
{
    // A spiral winding inwards from cell 1: bottom row, up column 11, back along
    // row 10 (from the bottom), down column 1 to row 3, and in along row 3.
    std::set<int> Spiral;
    for (int c = 1; c <= 11; ++c) Spiral.insert(c);
    for (int r = 1; r <= 10; ++r) Spiral.insert(r * 11 + 11);
    for (int c = 1; c <= 11; ++c) Spiral.insert(9 * 11 + c);
    for (int r = 2; r <= 9; ++r) Spiral.insert(r * 11 + 1);
    for (int c = 1; c <= 9; ++c) Spiral.insert(2 * 11 + c);
    auto T = WithRed(Spiral);
    T.Game.SelectGroup(2 * 11 + 9);  // its inner end
    EXPECT_EQ(FramedCells(T.View), Spiral);
    EXPECT_EQ(T.Game.GroupSize, static_cast<int>(Spiral.size()));
    EXPECT_TRUE(T.Game.GroupSelected);
}

TEST(SelectGroup, FramesAUWhoseArmsRunDownFromTheClick)
{
    // Clicked at the top of the left arm; the arms run down to a bottom bar.
    const std::set<int> U = {100, 89, 78, 67, 68, 69, 70, 81, 92, 103};
    auto T = WithRed(U);
    T.Game.SelectGroup(100);
    EXPECT_EQ(FramedCells(T.View), U);
    EXPECT_EQ(T.Game.GroupSize, 10);
}

TEST(SelectGroup, PlaysTheClickCueOncePerBallAndShowsThePointsOnTheGroupOnly)
{
    auto T = WithRed({60, 71, 72, 73});
    T.Game.SelectGroup(71);
    EXPECT_EQ(T.View.Plays(SoundCue::Click), 4);
    ASSERT_EQ(T.View.Sounds.size(), 8u);
    for (std::size_t k = 0; k < T.View.Sounds.size(); ++k)
        EXPECT_EQ(T.View.Sounds[k].second, k % 2 ? "Prev" : "Play");
    EXPECT_EQ(T.Game.GroupPoints, 12);
    for (int i = 1; i <= Cells; ++i)
        EXPECT_EQ(T.View.Tip[i], T.View.Frame[i] ? " 12 " : "") << i;
}

TEST(SelectGroup, AnIsolatedBallShowsNothingAndPlaysNothing)
{
    auto T = WithRed({60});
    T.Game.GroupPoints = 30;  // left over from an earlier group
    T.Game.SelectGroup(60);
    EXPECT_EQ(T.View.FramesShown(), 0);
    EXPECT_TRUE(T.View.Sounds.empty());
    EXPECT_FALSE(T.Game.GroupSelected);
    EXPECT_EQ(T.Game.GroupSize, 0);
    EXPECT_EQ(T.Game.GroupPoints, 0);
    for (int i = 1; i <= Cells; ++i)
        EXPECT_EQ(T.View.Tip[i], "");
}

TEST(SelectGroup, OneColourBoardFramesEveryCellForTheMaximum)
{
    std::array<std::int16_t, Cells + 1> Board{};
    Board.fill(Green);
    Table T(Board);
    T.Game.SelectGroup(67);
    EXPECT_EQ(T.View.FramesShown(), Cells);
    EXPECT_EQ(T.Game.GroupSize, Cells);
    EXPECT_EQ(T.View.Plays(SoundCue::Click), Cells);
    EXPECT_EQ(T.Game.GroupPoints, MaxScore);
    EXPECT_EQ(T.View.Tip[1], " 17292 ");
}

TEST(ResetHighlight, DropsEveryFrameAndTipButKeepsThePoints)
{
    auto T = WithRed({1, 2});
    T.Game.SelectGroup(1);
    T.Game.ResetHighlight();
    EXPECT_EQ(T.View.FramesShown(), 0);
    for (int i = 1; i <= Cells; ++i)
        EXPECT_EQ(T.View.Tip[i], "");
    EXPECT_FALSE(T.Game.GroupSelected);
    EXPECT_EQ(T.Game.GroupPoints, 2);
    EXPECT_EQ(T.Game.GroupSize, 2);
}

} // namespace
} // namespace orbulon::test
