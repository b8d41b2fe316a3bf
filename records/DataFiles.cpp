// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the data files' bytes: the head of a file, its lines, the marquee line.
#include "DataFiles.h"

#include "Scramble.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace orbulon {

namespace {

// The length of the line at the start of Bytes, and of the line end after it (0 to 2).
std::pair<std::size_t, std::size_t> MeasureLine(std::string_view Bytes)
{
    const std::size_t End = Bytes.find_first_of("\r\n");
    if (End == std::string_view::npos)
        return {Bytes.size(), 0};
    const bool CrLf = Bytes[End] == '\r' && End + 1 < Bytes.size() && Bytes[End + 1] == '\n';
    return {End, CrLf ? 2 : 1};
}

}  // namespace

std::string FirstLine(std::string_view Bytes) { return std::string(Bytes.substr(0, MeasureLine(Bytes).first)); }

std::vector<std::string_view> SplitLines(std::string_view Bytes, std::size_t MaxLines)
{
    std::vector<std::string_view> Lines;
    while (!Bytes.empty() && Lines.size() < MaxLines) {
        const auto [Length, Ending] = MeasureLine(Bytes);
        Lines.push_back(Bytes.substr(0, Length));
        Bytes.remove_prefix(Length + Ending);
    }
    return Lines;
}

FileHead ReadFileHead(const std::filesystem::path& Path, std::size_t MaxBytes, const ReadCall& Read)
{
    // Something other than a file is not even opened: opening some devices does something of
    // its own (a tape rewinds, a modem line goes up). O_NONBLOCK covers one swapped in meanwhile:
    // opening a pipe with no writer, or some devices, would otherwise wait for ever.
    if (struct stat Before{}; ::stat(Path.c_str(), &Before) == 0 && !S_ISREG(Before.st_mode))
        return {FileState::NotAFile, {}};
    const int Fd = ::open(Path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (Fd < 0) {
        if (errno == ENOENT) {
            // A link pointing nowhere is there, but is no file.
            struct stat Link {};
            return {::lstat(Path.c_str(), &Link) == 0 ? FileState::NotAFile : FileState::Absent, {}};
        }
        return {errno == ENXIO || errno == ELOOP || errno == EISDIR ? FileState::NotAFile : FileState::Unreadable, {}};
    }
    FileHead Head{FileState::NotAFile, {}};
    struct stat Info {};
    if (::fstat(Fd, &Info) == 0 && S_ISREG(Info.st_mode)) {
        Head = {FileState::Read, std::string(MaxBytes, '\0')};
        std::size_t Got = 0;
        while (Got < MaxBytes) {
            const ssize_t n = Read(Fd, Head.Bytes.data() + Got, MaxBytes - Got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                Head = {FileState::Unreadable, {}};
                break;
            }
            if (n == 0)
                break;
            Got += static_cast<std::size_t>(n);
        }
        if (Head.State == FileState::Read)
            Head.Bytes.resize(Got);
    }
    ::close(Fd);
    return Head;
}

std::string ReadMarqueeText(const std::filesystem::path& File)
{
    // A line end may follow the longest line the marquee can hold; nothing further is needed.
    const FileHead Head = ReadFileHead(File, MaxLineLength + 2);
    std::string Line = FirstLine(Head.Bytes);
    if (Line.size() > MaxLineLength)
        Line.resize(MaxLineLength);
    return UnscrambleText(Line);
}

}  // namespace orbulon
