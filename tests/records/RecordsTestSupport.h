// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for the records tests: raw table files, and scenarios run unprivileged.
#pragma once

#include "DataFiles.h"
#include "RecordingPrompts.h"
#include "Scramble.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;
using namespace orbulon::test;

// A table file from plain record lines, scrambled and ended as the game writes them.
inline std::string TableBytes(const Strings& PlainLines)
{
    std::string Bytes;
    for (const std::string& Line : PlainLines)
        Bytes += orbulon::ScrambleText(Line) + "\r\n";
    return Bytes;
}

// The plain record lines of a table file; fails the test unless they, scrambled again and each
// ended by CR LF, give back the file's bytes exactly.
inline Strings PlainLines(const fs::path& Path)
{
    const std::string Bytes = ReadBytes(Path);
    Strings Lines;
    for (const std::string_view Line : orbulon::SplitLines(Bytes, Bytes.size()))
        Lines.push_back(orbulon::UnscrambleText(Line));
    EXPECT_EQ(TableBytes(Lines), Bytes) << "not one scrambled record per CR LF line in " << Path;
    return Lines;
}

// Waits for a child process to end; gives its exit code, or -1 when a signal ended it.
inline int ExitOf(pid_t Child)
{
    int Status = 0;
    return ::waitpid(Child, &Status, 0) == Child && WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
}

// Runs Scenario in a child process, as an ordinary user when the suite runs as root, so that
// folder and file permissions bite; gives the child's exit code, 0 when Scenario did not fail.
inline int RunInChild(const std::function<void()>& Scenario, bool Unprivileged = false)
{
    std::cout.flush();
    const pid_t Child = ::fork();
    if (Child == 0) {
        if (Unprivileged && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(77);
        Scenario();
        std::cout.flush();
        ::_exit(testing::Test::HasFailure() ? 1 : 0);
    }
    return ExitOf(Child);
}

inline void RunUnprivileged(const std::function<void()>& Scenario)
{
    if (::geteuid() != 0)
        return Scenario();
    const int Code = RunInChild(Scenario, true);
    if (Code == 77)
        GTEST_SKIP() << "cannot drop root privileges here";
    EXPECT_EQ(Code, 0) << "the unprivileged scenario failed";
}
