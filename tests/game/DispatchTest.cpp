// SPDX-License-Identifier: GPL-3.0-or-later
// The click's decision table. (That a click outside a game does nothing is the window tests' to
// pin, through the board the player clicks; which boards hold a move, and the end of a game when
// none is left, the soak's, against its own reference check after every click.)
#include "FakeView.h"

#include <gtest/gtest.h>

namespace orbulon::test {
namespace {

// A quiet board whose only move is a red pair at the top of the right column.
constexpr int PairLow = 121, PairTop = 132;

TEST(Dispatch, AnyOtherClickOnlyDropsTheGroup)
{
    auto T = WithRed({PairLow, PairTop});
    T.Game.BallColour[130] = Empty;
    T.Game.picBall_Click(130);  // an empty cell selects nothing
    EXPECT_FALSE(T.Game.GroupSelected);
    for (int Other : {1, 130}) {
        T.Game.picBall_Click(PairLow);
        T.View.Frame[130] = true;  // not even a framed empty cell belongs to the group
        T.Game.picBall_Click(Other);
        EXPECT_TRUE(!T.Game.GroupSelected && T.View.FramesShown() == 0 && T.View.NoTips()) << Other;
        EXPECT_EQ(T.Game.Score, 0) << Other;
    }
}

}  // namespace
}  // namespace orbulon::test
