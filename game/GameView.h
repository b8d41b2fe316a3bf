// SPDX-License-Identifier: GPL-3.0-or-later
// What the game logic asks of the main window, and of the high-score record.
#pragma once

#include "Dialogs.h"

#include <cstdint>
#include <string>

namespace orbulon {

enum class SoundCue { Click, Clear };
enum class ScoreAlignment { Left, Centre };

// The window as the game logic sees it. Cells are addressed 1 to 132. The frames
// are the selection's only record: the logic reads them back through HighlightShown.
class GameView : public Dialogs {
public:
    // Draw cell Index from a colour code: 1 to 5 their ball, any other code the blank cell.
    virtual void DrawCell(int Index, int Colour) = 0;
    virtual void SetToolTip(int Index, const std::string& Text) = 0;
    virtual void ShowHighlight(int Index) = 0;
    virtual void HideHighlight(int Index) = 0;
    virtual bool HighlightShown(int Index) const = 0;

    virtual void SetScoreText(const std::string& Text) = 0;
    virtual void SetScoreAlignment(ScoreAlignment Alignment) = 0;
    virtual void SetHintVisible(bool Visible) = 0;  // the Help menu's "Hi&nt"
    virtual void StopMarquee() = 0;  // the marquee timer's interval to 0

    // A command string for a sound cue's device: "Play" or "Prev".
    virtual void SoundCommand(SoundCue Cue, const std::string& Command) = 0;
};

// The high-score step that ends every game: asks for the player's name (offering
// PlayerName and replacing it with the answer) and places Score in the table.
class HighScoreStep {
public:
    virtual ~HighScoreStep() = default;
    virtual void RecordHighScore(std::int16_t Score, std::string& PlayerName) = 0;
};

// Where the board's colours come from. Reseed is called at every new game; the
// program reseeds from the clock, a test from its fixed seed.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void Reseed() = 0;
    virtual float NextFraction() = 0;  // 0 <= f < 1
};

}  // namespace orbulon
