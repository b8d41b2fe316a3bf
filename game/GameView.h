// SPDX-License-Identifier: GPL-3.0-or-later
// What the game logic asks of the main window.
#pragma once

#include "MessageBox.h"

#include <string>

namespace orbulon {

enum class SoundCue { Click, Clear };
enum class ScoreAlignment { Left, Centre };

// The window as the game logic sees it. Cells are addressed 1 to 132. The frames
// are the selection's only record: the logic reads them back through HighlightShown.
class GameView : public MessageBox {
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

    // One play of a cue, from the start of its sound. The window never holds the logic up for it.
    virtual void PlayCue(SoundCue Cue) = 0;
};

}  // namespace orbulon
