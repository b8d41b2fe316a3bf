// SPDX-License-Identifier: GPL-3.0-or-later
// The player at the game's boxes, for tests, benchmarks and fuzzers: answers at once and notes each box.
#pragma once

#include "PlayerPrompts.h"

#include <functional>
#include <optional>
#include <vector>

namespace orbulon::test {

// Answers OK to a message and Answer (or the offered default) to the name prompt. Said keeps
// each box as "MsgBox [Title] Text" or "InputBox [Title] Prompt(Default)"; WhileOpen runs
// while a box is in front of the player, when a test must look at the files just then.
struct RecordingPrompts : PlayerPrompts {
    std::vector<std::string> Said;
    std::optional<std::string> Answer;
    std::function<void()> WhileOpen = [] {};
    void Note(std::string Box) { Said.push_back(std::move(Box)), WhileOpen(); }

    int MsgBox(const std::string& Text, const std::string& Title, MsgButtons, MsgIcon, int) override
    {
        return Note("MsgBox [" + Title + "] " + Text), ButtonOK;
    }
    std::string InputBox(const std::string& Prompt, const std::string& Title, const std::string& Default) override
    {
        return Note("InputBox [" + Title + "] " + Prompt + "(" + Default + ")"), Answer.value_or(Default);
    }
};

}  // namespace orbulon::test
