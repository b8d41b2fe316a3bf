// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for the records tests: raw table files and bitmaps, and scenarios run unprivileged.
#pragma once

#include "RecordingPrompts.h"
#include "Scramble.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;
using orbulon::test::RecordingPrompts;
using orbulon::test::TempFolder;

inline std::string ReadBytes(const fs::path& Path)
{
    std::ifstream File(Path, std::ios::binary);
    return {std::istreambuf_iterator<char>(File), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const fs::path& Path, const std::string& Bytes)
{
    fs::create_directories(Path.parent_path());
    std::ofstream(Path, std::ios::binary) << Bytes;
}

// A 24-bit BMP as our generator writes it: rows bottom first, each padded to four bytes.
// Pixels are R, G, B from the top row down; a file of any other kind reads as 0 x 0.
struct Bitmap {
    int Width = 0, Height = 0;
    std::vector<std::array<int, 3>> Pixels;
};
inline Bitmap ReadBitmap(const fs::path& Path)
{
    const std::string b = ReadBytes(Path);
    const auto At = [&](std::size_t i, int Bytes) {
        int Value = 0;
        for (int k = Bytes - 1; k >= 0; --k)
            Value = Value << 8 | static_cast<unsigned char>(b[i + static_cast<std::size_t>(k)]);
        return Value;
    };
    if (b.size() < 54 || b.compare(0, 2, "BM") != 0 || At(28, 2) != 24)
        return {};
    Bitmap Out{At(18, 4), At(22, 4), {}};
    const auto Offset = static_cast<std::size_t>(At(10, 4)),
               Row = static_cast<std::size_t>((Out.Width * 3 + 3) / 4 * 4);
    if (Out.Width <= 0 || Out.Height <= 0 || b.size() < Offset + Row * static_cast<std::size_t>(Out.Height))
        return {};
    for (int y = Out.Height - 1; y >= 0; --y)
        for (std::size_t x = 0, r = Offset + Row * static_cast<std::size_t>(y); x < static_cast<std::size_t>(Out.Width);
             ++x)
            Out.Pixels.push_back({At(r + 3 * x + 2, 1), At(r + 3 * x + 1, 1), At(r + 3 * x, 1)});
    return Out;
}

// A table file from plain record lines, scrambled and ended as the game writes them.
inline std::string TableBytes(const Strings& PlainLines)
{
    std::string Bytes;
    for (const std::string& Line : PlainLines)
        Bytes += orbulon::ScrambleText(Line) + "\r\n";
    return Bytes;
}

// The plain record lines of a table file; fails the test unless every line ends in CR LF.
inline Strings PlainLines(const fs::path& Path)
{
    const std::string Bytes = ReadBytes(Path);
    Strings Lines;
    std::size_t Start = 0;
    for (std::size_t End; (End = Bytes.find("\r\n", Start)) != std::string::npos; Start = End + 2) {
        EXPECT_EQ(Bytes.find_first_of("\r\n", Start), End) << "line break inside a record in " << Path;
        Lines.push_back(orbulon::UnscrambleText(Bytes.substr(Start, End - Start)));
    }
    EXPECT_EQ(Start, Bytes.size()) << "unended line in " << Path;
    return Lines;
}

// Runs Scenario as an ordinary user, so that folder and file permissions bite even when the
// suite runs as root; its failures are reported in its output and fail the calling test.
inline void RunUnprivileged(const std::function<void()>& Scenario)
{
    if (::geteuid() != 0)
        return Scenario();
    std::cout.flush();
    const pid_t Child = ::fork();
    ASSERT_GE(Child, 0);
    if (Child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(77);
        Scenario();
        std::cout.flush();
        ::_exit(testing::Test::HasFailure() ? 1 : 0);
    }
    int Status = 0;
    ::waitpid(Child, &Status, 0);
    if (WIFEXITED(Status) && WEXITSTATUS(Status) == 77)
        GTEST_SKIP() << "cannot drop root privileges here";
    EXPECT_TRUE(WIFEXITED(Status) && WEXITSTATUS(Status) == 0) << "the unprivileged scenario failed";
}
