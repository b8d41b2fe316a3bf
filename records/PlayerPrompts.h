// SPDX-License-Identifier: GPL-3.0-or-later
// The boxes the high-score step puts in front of the player: the name prompt and its messages.
#pragma once

#include "MessageBox.h"

#include <string>

namespace orbulon {

class PlayerPrompts : public MessageBox {
public:
    // A modal input box; returns what the player typed, or an empty text when cancelled.
    virtual std::string InputBox(const std::string& Prompt, const std::string& Title, const std::string& Default) = 0;
};

}  // namespace orbulon
