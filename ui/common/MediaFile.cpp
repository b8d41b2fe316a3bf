// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the pictures, sounds and icon beside the program without trusting what lies there.
#include "MediaFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QLoggingCategory>

#include <cerrno>
#include <set>

namespace orbulon {

namespace {

Q_LOGGING_CATEGORY(MediaLog, "orbulon.media")

// Closes the file however the reading ends.
struct OpenFile {
    int Descriptor;
    ~OpenFile()
    {
        if (Descriptor >= 0)
            ::close(Descriptor);
    }
};

std::uint32_t LittleEndian(const QByteArray& Bytes, qsizetype At, int Width)
{
    std::uint32_t Value = 0;
    for (int Byte = Width - 1; Byte >= 0; --Byte)
        Value = (Value << 8) | static_cast<unsigned char>(Bytes[At + Byte]);
    return Value;
}

}  // namespace

std::optional<QByteArray> ReadMediaFile(const std::filesystem::path& File, qint64 MaxBytes)
{
    // Something other than a file is not even opened: opening some devices does something of
    // its own (a tape rewinds, a modem line goes up). Without O_NONBLOCK, opening a FIFO swapped
    // in meanwhile would wait for a writer that never comes.
    struct stat Status {};
    if (::stat(File.c_str(), &Status) != 0 || !S_ISREG(Status.st_mode))
        return std::nullopt;
    const OpenFile In{::open(File.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
    if (In.Descriptor < 0 || ::fstat(In.Descriptor, &Status) != 0 || !S_ISREG(Status.st_mode) ||
        Status.st_size > MaxBytes)
        return std::nullopt;
    // The file may grow while it is read: one byte beyond the bound tells it is too large.
    QByteArray Bytes(static_cast<qsizetype>(std::min<qint64>(Status.st_size, MaxBytes) + 1), '\0');
    qsizetype Read = 0;
    while (Read < Bytes.size()) {
        const auto Got = ::read(In.Descriptor, Bytes.data() + Read, static_cast<std::size_t>(Bytes.size() - Read));
        if (Got < 0 && errno == EINTR)
            continue;
        if (Got < 0)
            return std::nullopt;
        if (Got == 0)
            break;
        Read += Got;
        if (Read == Bytes.size() && Read <= MaxBytes)
            Bytes.resize(std::min<qsizetype>(Bytes.size() * 2, static_cast<qsizetype>(MaxBytes) + 1));
    }
    if (Read > MaxBytes)
        return std::nullopt;
    Bytes.truncate(Read);
    return Bytes;
}

void ReportUnusable(const std::filesystem::path& File, std::string_view Instead)
{
    // Cells are drawn again and again, each time finding the same file unusable: it is told
    // of once. Every caller is on the window's thread.
    static std::set<std::filesystem::path> Told;
    if (!Told.insert(File).second)
        return;
    std::error_code Error;
    const auto Status = std::filesystem::status(File, Error);
    const char* Why = !std::filesystem::exists(Status) ? "missing"
        : !std::filesystem::is_regular_file(Status)    ? "not a regular file"
                                                       : "damaged, too large or not in a form the game reads";
    qCWarning(MediaLog, "%s: %s; %.*s", File.c_str(), Why, static_cast<int>(Instead.size()), Instead.data());
}

std::optional<FileIdentity> IdentityOf(const std::filesystem::path& File)
{
    struct stat Status {};
    if (::stat(File.c_str(), &Status) != 0)
        return std::nullopt;
    return FileIdentity{static_cast<std::uint64_t>(Status.st_dev),
                        static_cast<std::uint64_t>(Status.st_ino),
                        static_cast<std::int64_t>(Status.st_size),
                        Status.st_mtim.tv_sec,
                        Status.st_mtim.tv_nsec,
                        Status.st_ctim.tv_sec,
                        Status.st_ctim.tv_nsec};
}

bool WholeBitmap(const QByteArray& Bytes)
{
    constexpr qsizetype FileHeader = 14;
    if (Bytes.size() < FileHeader + 12 || !Bytes.startsWith("BM"))
        return false;
    const qint64 Size = Bytes.size();
    const qint64 Declared = LittleEndian(Bytes, 2, 4);  // 0 is allowed: a size not stated
    const qint64 PixelsAt = LittleEndian(Bytes, 10, 4);
    const qint64 InfoSize = LittleEndian(Bytes, 14, 4);
    if (Declared > Size || FileHeader + InfoSize > Size || PixelsAt >= Size)
        return false;

    qint64 Width = 0, Height = 0, Bits = 0, Compression = 0;
    if (InfoSize == 12) {  // the old core header
        Width = LittleEndian(Bytes, 18, 2);
        Height = LittleEndian(Bytes, 20, 2);
        Bits = LittleEndian(Bytes, 24, 2);
    } else if (InfoSize >= 40) {
        Width = static_cast<std::int32_t>(LittleEndian(Bytes, 18, 4));
        Height = static_cast<std::int32_t>(LittleEndian(Bytes, 22, 4));
        Bits = LittleEndian(Bytes, 28, 2);
        Compression = LittleEndian(Bytes, 30, 4);
    } else {
        return false;
    }
    Height = Height < 0 ? -Height : Height;  // a negative height is a picture stored top down
    if (Width < 1 || Width > MaxPictureSide || Height < 1 || Height > MaxPictureSide)
        return false;
    if (Bits != 1 && Bits != 4 && Bits != 8 && Bits != 16 && Bits != 24 && Bits != 32)
        return false;
    switch (Compression) {
    case 0:  // plain rows, each padded to four bytes
    case 3: {  // the same with colour masks
        const qint64 Row = (Width * Bits + 31) / 32 * 4;
        return PixelsAt + Row * Height <= Size;
    }
    case 1:  // run-length codes end where they say; the decoder stops at the end of the bytes
    case 2: return true;
    default: return false;  // JPEG or PNG inside a BMP is not ours
    }
}

QImage ReadBitmapFile(const std::filesystem::path& File)
{
    const auto Bytes = ReadMediaFile(File, MaxBitmapBytes);
    // The headers are checked before Qt sees a byte: a file cut short would otherwise be
    // shown as whatever lies in memory past its end.
    if (!Bytes || !WholeBitmap(*Bytes))
        return {};
    QImage Picture;
    if (!Picture.loadFromData(*Bytes, "BMP") || Picture.width() > MaxPictureSide || Picture.height() > MaxPictureSide)
        return {};
    return Picture;
}

std::optional<WaveSound> ParseWave(const QByteArray& Bytes)
{
    if (Bytes.size() < 12 || !Bytes.startsWith("RIFF") || Bytes.mid(8, 4) != "WAVE")
        return {};

    WaveSound Sound;
    bool FormatFine = false;
    for (qsizetype At = 12; At + 8 <= Bytes.size();) {
        const QByteArray Id = Bytes.mid(At, 4);
        const std::uint32_t Size = LittleEndian(Bytes, At + 4, 4);
        const qsizetype Body = At + 8;
        if (Size > static_cast<std::uint32_t>(Bytes.size() - Body))
            return {};  // a chunk that runs past the end of the file
        if (Id == "fmt ") {
            if (Size < 16)
                return {};
            Sound.Floating = LittleEndian(Bytes, Body, 2) == 3;
            const auto Format = LittleEndian(Bytes, Body, 2);
            Sound.Channels = static_cast<int>(LittleEndian(Bytes, Body + 2, 2));
            Sound.Rate = LittleEndian(Bytes, Body + 4, 4);
            Sound.Bits = static_cast<int>(LittleEndian(Bytes, Body + 14, 2));
            FormatFine = (Format == 1 || Format == 3) && Sound.Channels >= 1 && Sound.Channels <= 2 &&
                Sound.Rate >= 4000 && Sound.Rate <= 192000 &&
                (Sound.Floating ? Sound.Bits == 32 : (Sound.Bits == 8 || Sound.Bits == 16 || Sound.Bits == 32));
        } else if (Id == "data") {
            if (!FormatFine || Size == 0)
                return {};
            const int FrameBytes = Sound.Channels * Sound.Bits / 8;
            Sound.Samples = Bytes.mid(Body, Size - Size % static_cast<std::uint32_t>(FrameBytes));
            return Sound;
        }
        At = Body + Size + (Size & 1);
    }
    return {};
}

bool WholeWave(const QByteArray& Bytes) { return ParseWave(Bytes).has_value(); }

}  // namespace orbulon
