// SPDX-License-Identifier: GPL-3.0-or-later
// Finding and framing a group, and the points it shows.
#include "FakeView.h"

#include <gtest/gtest.h>

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

TEST(Neighbours, OnlyBallsSideBySideInARowOrColumnJoin)
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
    // down to its bar: both grow against the sweeps' order. The spiral runs along the bottom
    // row, up the right column, back along row 10, down column 1 and in along row 3 to cell 31.
    const std::set<int> Spiral = {1,  2,  3,   4,   5,   6,   7,   8,   9,   10,  11,  22,  23,  24, 25, 26,
                                  27, 28, 29,  30,  31,  33,  34,  44,  45,  55,  56,  66,  67,  77, 78, 88,
                                  89, 99, 100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 121};
    const std::set<int> U = {100, 89, 78, 67, 68, 69, 70, 81, 92, 103};
    for (const auto& [Click, Group] : {std::pair{31, Spiral}, {100, U}}) {
        auto T = WithRed(Group);
        T.Game.SelectGroup(Click);
        EXPECT_EQ(FramedCells(T.View), Group);
        EXPECT_EQ(T.Game.GroupSize, static_cast<int>(Group.size()));
        EXPECT_TRUE(T.Game.GroupSelected);
    }
}

TEST(SelectGroup, ASelectedGroupShowsItsPointsAfterOneClickPerBall)
{
    // Four balls, and a lone ball (with points left over from an earlier group) that shows nothing.
    for (const auto& [RedCells, Points] : {std::pair<std::set<int>, int>{{60, 71, 72, 73}, 12}, {{60}, 0}}) {
        auto T = WithRed(RedCells);
        T.Game.GroupPoints = 30;
        T.Game.SelectGroup(60);
        const std::size_t Clicks = Points ? RedCells.size() : 0;
        ASSERT_EQ(T.View.Sounds.size(), 2 * Clicks);
        for (std::size_t k = 0; k < T.View.Sounds.size(); ++k)
            EXPECT_EQ(T.View.Sounds[k], std::pair(SoundCue::Click, std::string(k % 2 ? "Prev" : "Play")));
        EXPECT_EQ(T.Game.GroupPoints, Points);
        EXPECT_EQ(T.View.FramesShown(), static_cast<int>(Clicks));
        for (int i = 1; i <= Cells; ++i)
            EXPECT_EQ(T.View.Tip[i], T.View.Frame[i] ? " 12 " : "") << i;
    }
}

}  // namespace
}  // namespace orbulon::test
