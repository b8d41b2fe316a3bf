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

// Runs Scenario as an ordinary user when the suite runs as root, in a child process, so that
// folder and file permissions bite.
inline void RunUnprivileged(const std::function<void()>& Scenario)
{
    if (::geteuid() != 0)
        return Scenario();
    std::cout.flush();
    const pid_t Child = ::fork();
    if (Child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(77);
        Scenario();
        std::cout.flush();
        ::_exit(testing::Test::HasFailure() ? 1 : 0);
    }
    int Status = 0;
    const int Code = ::waitpid(Child, &Status, 0) == Child && WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
    if (Code == 77)
        GTEST_SKIP() << "cannot drop root privileges here";
    EXPECT_EQ(Code, 0) << "the unprivileged scenario failed";
}
