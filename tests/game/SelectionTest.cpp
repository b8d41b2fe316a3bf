// SPDX-License-Identifier: GPL-3.0-or-later
// Finding and framing a group, and the points it shows.
#include "FakeView.h"

#include <gtest/gtest.h>

#include <set>

namespace orbulon::test {
namespace {

std::set<int> FramedCells(const FakeView& View)
{
    std::set<int> Framed;
    for (int i = 1; i <= Cells; ++i)
        if (View.Frame[i])
            Framed.insert(i);
    return Framed;
}

Table WithRed(const std::set<int>& RedCells)
{
    auto Board = QuietBoard();
    for (int Cell : RedCells)
        Board[Cell] = Red;
    return Table(Board);
}

TEST(Neighbours, RowEndsDoNotJoinAndCornersReachOnlyTwo)
{
    for (auto [a, b] : {std::pair{11, 12}, {22, 23}, {121, 122}}) {
        auto T = WithRed({a, b});
        T.Game.SelectGroup(a);
        T.Game.SelectGroup(b);
        EXPECT_EQ(T.View.FramesShown(), 0) << a << "," << b;
        EXPECT_FALSE(T.Game.GroupSelected);
    }
    const std::pair<int, std::set<int>> Corners[] = {
        {1, {1, 2, 12}}, {132, {132, 131, 121}}, {11, {11, 10, 22}}, {122, {122, 123, 111}}};
    for (const auto& [Corner, Group] : Corners) {
        auto T = WithRed(Group);
        T.Game.SelectGroup(Corner);
        EXPECT_EQ(FramedCells(T.View), Group) << Corner;
    }
}

TEST(SelectGroup, FramesWindingGroupsWhole)
{
    // A spiral clicked at its inner end, and a U clicked at the top of an arm that runs
    // down to its bar: both grow against the sweeps' order.
    std::set<int> Spiral;
    for (int c = 1; c <= 11; ++c)
        Spiral.insert({c, 9 * 11 + c});
    for (int r = 1; r <= 10; ++r)
        Spiral.insert(r * 11 + 11);
    for (int r = 2; r <= 9; ++r)
        Spiral.insert(r * 11 + 1);
    for (int c = 1; c <= 9; ++c)
        Spiral.insert(2 * 11 + c);
    const std::set<int> U = {100, 89, 78, 67, 68, 69, 70, 81, 92, 103};
    for (const auto& [Click, Group] : {std::pair{31, Spiral}, {100, U}}) {
        auto T = WithRed(Group);
        T.Game.SelectGroup(Click);
        EXPECT_EQ(FramedCells(T.View), Group);
        EXPECT_EQ(T.Game.GroupSize, static_cast<int>(Group.size()));
        EXPECT_TRUE(T.Game.GroupSelected);
    }
}

TEST(SelectGroup, PlaysTheClickCueOncePerBallAndShowsThePointsOnTheGroupOnly)
{
    auto T = WithRed({60, 71, 72, 73});
    T.Game.SelectGroup(71);
    ASSERT_EQ(T.View.Sounds.size(), 8u);
    for (std::size_t k = 0; k < T.View.Sounds.size(); ++k)
        EXPECT_EQ(T.View.Sounds[k], std::pair(SoundCue::Click, std::string(k % 2 ? "Prev" : "Play")));
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
    EXPECT_EQ(T.Game.GroupPoints, 0);
    EXPECT_EQ(T.View.Tip[60], "");
}

}  // namespace
}  // namespace orbulon::test
