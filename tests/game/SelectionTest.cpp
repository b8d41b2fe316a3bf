// SPDX-License-Identifier: GPL-3.0-or-later
// Finding and framing a group, the points it shows, and any other click dropping it. (That a
// click outside a game does nothing is the window tests' to pin, through the board the player
// clicks; which boards hold a move, and the end of a game when none is left, the soak's.)
#include "FakeView.h"

#include <gtest/gtest.h>

namespace orbulon::test {
namespace {

// Clicks one of the red balls laid on a quiet board: the frames show every red ball when
// they form one group, and none when they do not join.
void ExpectFramed(const std::set<int>& RedCells, int Click, bool Joined)
{
    auto T = WithRed(RedCells);
    T.Game.SelectGroup(Click);
    for (int i = 1; i <= Cells; ++i)
        EXPECT_EQ(T.View.Frame[i], Joined && RedCells.count(i)) << "click " << Click << ", cell " << i;
}

TEST(Neighbours, OnlyBallsSideBySideInARowOrColumnJoin)
{
    // Balls across a row's end never join; in each corner the ball joins its two neighbours.
    const std::pair<std::set<int>, bool> Cases[] = {
        {{11, 12}, false},       {{22, 23}, false},    {{121, 122}, false},    {{1, 2, 12}, true},
        {{132, 131, 121}, true}, {{11, 10, 22}, true}, {{122, 123, 111}, true}};
    for (const auto& [RedCells, Joined] : Cases)
        for (int Click : RedCells)
            ExpectFramed(RedCells, Click, Joined);
}

TEST(SelectGroup, FramesWindingGroupsWhole)
{
    // A spiral clicked at its inner end, and a U clicked at the top of an arm that runs
    // down to its bar: both grow against the sweeps' order. The spiral runs along the bottom
    // row, up the right column, back along row 10, down column 1 and in along row 3 to cell 31.
    ExpectFramed({1,  2,  3,   4,   5,   6,   7,   8,   9,   10,  11,  22,  23,  24, 25, 26,
                  27, 28, 29,  30,  31,  33,  34,  44,  45,  55,  56,  66,  67,  77, 78, 88,
                  89, 99, 100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 121},
                 31, true);
    ExpectFramed({100, 89, 78, 67, 68, 69, 70, 81, 92, 103}, 100, true);
}

TEST(SelectGroup, ASelectedGroupShowsItsPointsAfterOneClickPerBall)
{
    // Four balls, and a lone ball (with points left over from an earlier group) that shows nothing.
    for (const auto& [RedCells, Points] : {std::pair<std::set<int>, int>{{60, 71, 72, 73}, 12}, {{60}, 0}}) {
        auto T = WithRed(RedCells);
        T.Game.GroupPoints = 30;
        T.Game.SelectGroup(60);
        const std::size_t Clicks = Points ? RedCells.size() : 0;
        EXPECT_EQ(T.View.Sounds, std::vector<SoundCue>(Clicks, SoundCue::Click));
        EXPECT_EQ(T.Game.GroupPoints, Points);
        for (int i = 1; i <= Cells; ++i)
            EXPECT_EQ(T.View.Tip[i], T.View.Frame[i] ? " 12 " : "") << i;
    }
}

TEST(Dispatch, AnyOtherClickOnlyDropsTheGroup)
{
    auto T = WithRed({121, 132});  // the board's only move, a pair at the top of the right column
    T.Game.BallColour[130] = Empty;
    T.Game.picBall_Click(130);  // an empty cell selects nothing
    EXPECT_FALSE(T.Game.GroupSelected);
    for (int Other : {1, 130}) {
        T.Game.picBall_Click(121);
        T.View.Frame[130] = true;  // not even a framed empty cell belongs to the group
        T.Game.picBall_Click(Other);
        EXPECT_TRUE(!T.Game.GroupSelected && T.View.FramesShown() == 0 && T.View.NoTips()) << Other;
        EXPECT_EQ(T.Game.Score, 0) << Other;
    }
}

}  // namespace
}  // namespace orbulon::test
