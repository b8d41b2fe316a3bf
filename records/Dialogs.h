// SPDX-License-Identifier: GPL-3.0-or-later
// The two modal boxes that the game's procedures put in front of the player.
#pragma once

#include <string>

namespace orbulon {

// Button codes as the message box returns them.
inline constexpr int ButtonOK = 1;
inline constexpr int ButtonCancel = 2;

enum class MsgButtons { OK, OKCancel };
enum class MsgIcon { None, Question };

// All text crossing this interface is UTF-8.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A modal message box; returns the code of the button pressed (ButtonOK or
    // ButtonCancel; closing the box counts as Cancel when there is a Cancel button).
    virtual int MsgBox(const std::string& Text, const std::string& Title, MsgButtons Buttons = MsgButtons::OK,
                       MsgIcon Icon = MsgIcon::None, int DefaultButton = ButtonOK) = 0;

    // A modal input box; returns what the player typed, or an empty text when cancelled.
    virtual std::string InputBox(const std::string& Prompt, const std::string& Title, const std::string& Default) = 0;
};

}  // namespace orbulon
