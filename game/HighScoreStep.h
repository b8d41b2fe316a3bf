// SPDX-License-Identifier: GPL-3.0-or-later
// The high-score step that ends every game, as the game logic sees it.
#pragma once

#include <cstdint>
#include <string>

namespace orbulon {

// Asks for the player's name (offering PlayerName and replacing it with the answer) and
// places Score in the table.
class HighScoreStep {
public:
    virtual ~HighScoreStep() = default;
    virtual void RecordHighScore(std::int16_t Score, std::string& PlayerName) = 0;
};

}  // namespace orbulon
