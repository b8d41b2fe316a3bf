// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the pictures, sounds and icon beside the program without trusting what lies there.
#pragma once

#include <QByteArray>
#include <QImage>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace orbulon {

// The largest picture a cell or an icon may hold, in pixels a side. A cell is 20 x 20 and
// its sharpest rendering 60 x 60; anything far beyond is not one of ours and would only
// eat memory.
inline constexpr int MaxPictureSide = 512;

// The most bytes read of each kind of file: a 512 x 512 bitmap at 32 bits with its
// headers, a cue of a few seconds, an icon of every usual size.
inline constexpr qint64 MaxBitmapBytes = qint64{MaxPictureSide} * MaxPictureSide * 4 + 4096;
inline constexpr qint64 MaxWaveBytes = qint64{4} * 1024 * 1024;
inline constexpr qint64 MaxIconBytes = qint64{2} * 1024 * 1024;

// The whole of File when it is a regular file (reached through links, as a packager may
// lay them) of at most MaxBytes; nothing otherwise. A FIFO, a device or a socket is
// refused at once, without being opened.
std::optional<QByteArray> ReadMediaFile(const std::filesystem::path& File, qint64 MaxBytes);

// Tells the terminal or the journal, once a run, that File beside the program cannot be
// used, why (missing, not a regular file, or damaged or too large) and what the game does
// instead. The game carries on either way; the line is for the player or packager who
// wonders why a ball is plain or a cue silent.
void ReportUnusable(const std::filesystem::path& File, std::string_view Instead);

// What tells one version of a file from another without reading it: one stat. A file
// rewritten in place changes its times; one replaced by another changes its inode.
struct FileIdentity {
    std::uint64_t Device = 0, Inode = 0;
    std::int64_t Size = 0, ModifiedSeconds = 0, ModifiedNanoseconds = 0, ChangedSeconds = 0, ChangedNanoseconds = 0;
    bool operator==(const FileIdentity&) const = default;
};
std::optional<FileIdentity> IdentityOf(const std::filesystem::path& File);

// Whether Bytes hold a whole uncompressed or run-length BMP of at most MaxPictureSide a
// side: every byte its headers promise is there, so Qt never decodes past the end.
bool WholeBitmap(const QByteArray& Bytes);

// The picture of the bitmap File, read through ReadMediaFile and decoded only when its headers
// promise no more than its bytes hold; a null picture otherwise. Every bitmap any window shows
// comes through here: Qt, given the name, would wait for ever on a FIFO.
QImage ReadBitmapFile(const std::filesystem::path& File);

// A wave's sample format and its samples, cut to whole frames.
struct WaveSound {
    bool Floating = false;  // 32-bit floating point, else integer samples of Bits bits
    int Channels = 0, Bits = 0;
    std::uint32_t Rate = 0;
    QByteArray Samples;
};

// The sound Bytes hold when they are a wave file that the sound layer can play: plain PCM or
// floating-point samples, mono or stereo, with a whole format and data chunk; nothing otherwise.
std::optional<WaveSound> ParseWave(const QByteArray& Bytes);
bool WholeWave(const QByteArray& Bytes);

}  // namespace orbulon
