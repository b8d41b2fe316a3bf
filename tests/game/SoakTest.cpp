// SPDX-License-Identifier: GPL-3.0-or-later
// Many seeded games played to the end through the click, the board checked after every click.
#include "FakeView.h"

#include <gtest/gtest.h>

#include <random>

namespace orbulon::test {
namespace {

TEST(Soak, SeededGamesPlayToTheEndKeepingTheBoardSound)
{
    std::mt19937 Player(2024);
    for (std::uint32_t Seed = 1; Seed <= 200; ++Seed) {
        Table T;
        T.Random = SeededRandom(Seed), T.Game.GameInProgress = false;
        T.Game.NewGame();
        int Expected = 0;
        for (int Clicks = 0; T.Game.GameInProgress; ++Clicks) {
            ASSERT_LT(Clicks, 5000) << "seed " << Seed << " never ends";
            // Mostly a second click on the group, sometimes a stray click anywhere.
            int Cell = std::uniform_int_distribution<int>(1, Cells)(Player);
            if (T.Game.GroupSelected && Player() % 4 != 0)
                while (!T.View.Frame[Cell])
                    Cell = Cell % Cells + 1;
            const bool Takes = T.Game.GroupSelected && T.View.Frame[Cell] && T.Game.BallColour[Cell] != Empty;
            const int Taken = Takes ? T.View.FramesShown() : 0;

            T.Game.picBall_Click(Cell);
            Expected += Taken * (Taken - 1);

            ASSERT_EQ(T.Game.Score, Expected) << "seed " << Seed;
            // The window shows the board; balls stand on the bottom row without gaps; empty
            // columns gather at the left.
            const auto& Board = T.Game.BallColour;
            for (int i = 1; i <= Cells; ++i) {
                ASSERT_EQ(T.View.Picture[i], Board[i]) << "cell " << i << " shows stale";
                ASSERT_TRUE(i <= Columns || Board[i] == Empty || Board[i - Columns] != Empty)
                    << "a ball floats at " << i;
                ASSERT_TRUE(i > Columns || i == 1 || Board[i] != Empty || Board[i - 1] == Empty)
                    << "an empty column right of " << i;
            }
            ASSERT_EQ(T.Game.GameInProgress, (CellWithPartner(T.Game.BallColour) != 0)) << "seed " << Seed;
            const int n = T.View.FramesShown();
            ASSERT_TRUE(T.Game.GroupSelected ? n >= 2 && T.Game.GroupPoints == n * (n - 1) : n == 0) << "seed " << Seed;
        }
        // Told once, recorded once, under the name the player gave.
        ASSERT_EQ(T.View.Boxes.Said,
                  std::vector<std::string>{"MsgBox [Orbulon!] There are no more possible moves available!     "});
        ASSERT_EQ(T.Recorded, std::vector<std::int16_t>{static_cast<std::int16_t>(Expected)});
        ASSERT_EQ(T.Game.PlayerName, "Recorded");
        ASSERT_FALSE(T.View.Hint);
    }
}

}  // namespace
}  // namespace orbulon::test
