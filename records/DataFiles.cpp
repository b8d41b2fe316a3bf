// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the data files' bytes: the head of a file, its lines, the marquee line.
#include "DataFiles.h"

#include "Scramble.h"

#include <fstream>
#include <system_error>

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

FileHead ReadFileHead(const std::filesystem::path& Path, std::size_t MaxBytes)
{
    std::error_code Error;
    const auto Status = std::filesystem::status(Path, Error);
    if (Status.type() == std::filesystem::file_type::not_found) {
        // A link pointing nowhere is there but cannot be read.
        std::error_code LinkError;
        const bool Dangling = std::filesystem::is_symlink(std::filesystem::symlink_status(Path, LinkError));
        return {Dangling ? FileState::Unreadable : FileState::Absent, {}};
    }
    if (!std::filesystem::is_regular_file(Status))
        return {FileState::Unreadable, {}};

    std::ifstream File(Path, std::ios::binary);
    if (!File)
        return {FileState::Unreadable, {}};
    FileHead Head{FileState::Read, std::string(MaxBytes, '\0')};
    File.read(Head.Bytes.data(), static_cast<std::streamsize>(MaxBytes));
    if (File.bad())
        return {FileState::Unreadable, {}};
    Head.Bytes.resize(static_cast<std::size_t>(File.gcount()));
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
