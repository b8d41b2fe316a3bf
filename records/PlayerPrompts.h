// SPDX-License-Identifier: GPL-3.0-or-later
// The boxes the high-score step puts in front of the player: the name prompt and its messages.
#pragma once

#include "MessageBox.h"

#include <chrono>
#include <functional>
#include <string>

namespace orbulon {

class PlayerPrompts : public MessageBox {
public:
    // A modal input box; returns what the player typed, or an empty text when cancelled.
    virtual std::string InputBox(const std::string& Prompt, const std::string& Title, const std::string& Default) = 0;

    // Called when another copy of the game holds the table's lock while it saves its own
    // score. Calls TryLock again and again, a little apart, until it takes the lock (true) or
    // the wait is given up (false: this score is then not saved, and the player is told).
    // Writing without the lock is what would lose a score, so the wait is long: the plain one
    // here sleeps between tries for up to LockPatience; a window keeps painting meanwhile,
    // shows what it waits for, and lets the player give up sooner.
    virtual bool WaitForLock(const std::function<bool()>& TryLock);

    // Saving five lines takes milliseconds, but a copy on a slow or stalled disk may take
    // many seconds; after a minute the other copy is taken to be stuck.
    static constexpr std::chrono::milliseconds LockPatience{60'000};
    static constexpr std::chrono::milliseconds LockPoll{20};
};

}  // namespace orbulon
