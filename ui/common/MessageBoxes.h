// SPDX-License-Identifier: GPL-3.0-or-later
// The game's modal message and input boxes, as Qt shows them.
#pragma once

#include "PlayerPrompts.h"

#include <QString>

#include <chrono>
#include <functional>

class QWidget;

namespace orbulon {

// The game writes its multi-line messages with carriage returns alone between
// lines; a message box shows each of them (and each CR LF) as one line break.
QString ShowLineBreaks(QString Text);

// A text of the rules or records (or any text marked for the context "orbulon") in the
// player's language, where the program has installed a translation of it; as written otherwise.
QString PlayerText(const std::string& English);

// Message and input boxes owned by a window of the game.
class MessageBoxes : public PlayerPrompts {
public:
    explicit MessageBoxes(QWidget* Owner) : Owner(Owner) {}

    int MsgBox(const std::string& Text, const std::string& Title, MsgButtons Buttons = MsgButtons::OK,
               MsgIcon Icon = MsgIcon::None, int DefaultButton = ButtonOK) override;
    std::string InputBox(const std::string& Prompt, const std::string& Title, const std::string& Default) override;

    // Waits with the window's events still turning. A wait longer than a moment (BoxDelay)
    // puts up a box that says what the game waits for, how long it will wait at most, and
    // lets the player give it up.
    bool WaitForLock(const std::function<bool()>& TryLock) override;
    static constexpr std::chrono::milliseconds BoxDelay{300};

    // The wait's clock; a test puts its own in place, so that no test waits a minute.
    std::function<std::chrono::milliseconds()> Clock = [] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now().time_since_epoch());
    };

private:
    QWidget* Owner;
};

}  // namespace orbulon
