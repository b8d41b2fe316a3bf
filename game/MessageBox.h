// SPDX-License-Identifier: GPL-3.0-or-later
// The modal message box through which the game speaks to the player.
#pragma once

#include <string>

namespace orbulon {

// Button codes as the message box returns them.
inline constexpr int ButtonOK = 1;
inline constexpr int ButtonCancel = 2;

enum class MsgButtons { OK, OKCancel };
enum class MsgIcon { None, Question };

// All text crossing this interface is UTF-8.
class MessageBox {
public:
    virtual ~MessageBox() = default;

    // A modal message box; returns the code of the button pressed (ButtonOK or
    // ButtonCancel; closing the box counts as Cancel when there is a Cancel button).
    virtual int MsgBox(const std::string& Text, const std::string& Title, MsgButtons Buttons = MsgButtons::OK,
                       MsgIcon Icon = MsgIcon::None, int DefaultButton = ButtonOK) = 0;
};

}  // namespace orbulon
