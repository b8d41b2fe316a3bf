// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the marquee line, and the head and lines of any data file.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include <sys/types.h>
#include <unistd.h>

namespace orbulon {

// The first line of a file's bytes, without its line end (CR LF, LF or a lone CR).
std::string FirstLine(std::string_view Bytes);

// The unscrambled first line of the marquee's data file, as single-byte (Latin-1) text.
// A missing or unreadable file gives an empty text: the marquee then stays blank.
std::string ReadMarqueeText(const std::filesystem::path& File);

// Line positions are 16-bit in the game (the marquee's MarqueePos), so no line is longer;
// the marquee line is cut to this length.
inline constexpr std::size_t MaxLineLength = 32767;

// Unreadable: a file is there but may not or could not be read (permissions, a disk error),
// so it may hold something we must not write over. NotAFile: a folder, a pipe, a device, a
// socket or a link pointing nowhere stands in its place.
enum class FileState { Absent, Read, Unreadable, NotAFile };

struct FileHead {
    FileState State = FileState::Absent;
    std::string Bytes;  // at most the MaxBytes asked for
};

// The read(2) a file's head is taken with; the high-score tests put a failing one in its place.
using ReadCall = std::function<ssize_t(int, void*, std::size_t)>;

// The first MaxBytes bytes of the file at Path. Only a regular file (or a link to one) is
// read, and the open never waits: a pipe or a device is refused at once, so a stray pipe
// cannot hang the game, and a huge file costs no more than MaxBytes. A read that fails part
// way makes the file Unreadable: its end is not where the error struck.
FileHead ReadFileHead(const std::filesystem::path& Path, std::size_t MaxBytes, const ReadCall& Read = ::read);

// The first MaxLines lines of Bytes, each without its line end (CR LF, LF or a lone CR).
// A last line without a line end still counts.
std::vector<std::string_view> SplitLines(std::string_view Bytes, std::size_t MaxLines);

}  // namespace orbulon
