// SPDX-License-Identifier: GPL-3.0-or-later
// A sound cue's device: one wave file, opened once, played on command.
#include "SoundDevice.h"

#include "GameWindows.h"

#include <QFile>
#include <QSoundEffect>
#include <QUrl>

#include <algorithm>
#include <cstdint>

namespace orbulon {

SoundDevice::SoundDevice(QObject* Parent) : QObject(Parent)
{
    Pacer.setSingleShot(true);
    connect(&Pacer, &QTimer::timeout, this, &SoundDevice::SoundNext);
}

int SoundDevice::Spacing(int Count)
{
    // A pair of balls clicks twice, clearly apart; a large group buzzes briefly.
    return std::clamp(900 / std::max(Count, 1), 8, 70);
}

void SoundDevice::Command(const std::string& Command)
{
    if (Command == "Open") {
        Open();
    } else if (Command == "Play") {
        ++Requested;
        // The game sends a cue's plays in one go; the rattle starts once they are all in.
        if (!Pacer.isActive())
            Pacer.start(0);
    }
    // "Prev" rewinds; every play here starts the sound from its beginning anyway.
}

namespace {

std::uint32_t LittleEndian(const QByteArray& Bytes, qsizetype At, int Width)
{
    std::uint32_t Value = 0;
    for (int Byte = Width - 1; Byte >= 0; --Byte)
        Value = (Value << 8) | static_cast<unsigned char>(Bytes[At + Byte]);
    return Value;
}

}  // namespace

bool SoundDevice::PlayableWave(const std::filesystem::path& File)
{
    QFile Wave(ToQString(File));
    // A cue is a short sound; anything of many megabytes is not one of ours.
    if (!Wave.open(QIODevice::ReadOnly) || Wave.size() > 16 * 1024 * 1024)
        return false;
    const QByteArray Bytes = Wave.readAll();
    if (Bytes.size() < 12 || !Bytes.startsWith("RIFF") || Bytes.mid(8, 4) != "WAVE")
        return false;

    bool FormatFine = false;
    for (qsizetype At = 12; At + 8 <= Bytes.size();) {
        const QByteArray Id = Bytes.mid(At, 4);
        const std::uint32_t Size = LittleEndian(Bytes, At + 4, 4);
        const qsizetype Body = At + 8;
        if (Size > static_cast<std::uint32_t>(Bytes.size() - Body))
            return false;  // a chunk that runs past the end of the file
        if (Id == "fmt ") {
            if (Size < 16)
                return false;
            const auto Format = LittleEndian(Bytes, Body, 2);
            const auto Channels = LittleEndian(Bytes, Body + 2, 2);
            const auto Rate = LittleEndian(Bytes, Body + 4, 4);
            const auto Bits = LittleEndian(Bytes, Body + 14, 2);
            FormatFine = (Format == 1 || Format == 3) && Channels >= 1 && Channels <= 2 && Rate >= 4000 &&
                Rate <= 192000 && (Format == 3 ? Bits == 32 : (Bits == 8 || Bits == 16 || Bits == 32));
        } else if (Id == "data") {
            return FormatFine && Size > 0;
        }
        At = Body + Size + (Size & 1);
    }
    return false;
}

void SoundDevice::Open()
{
    if (Effect || !PlayableWave(FileName))
        return;
    Effect = new QSoundEffect(this);
    Effect->setSource(QUrl::fromLocalFile(ToQString(FileName)));
}

void SoundDevice::SoundNext()
{
    if (Gap == 0) {
        Gap = Spacing(PlaysPending());
        BurstClock.start();
        BurstSounded = 0;
    }
    // The rattle keeps to its own clock: when the window was busy and a tick came
    // late, the plays that fell due meanwhile are counted and the sound restarts once.
    const auto Elapsed = static_cast<int>(BurstClock.elapsed());
    const int Due = std::min(PlaysPending(), Elapsed / Gap + 1 - BurstSounded);
    if (Due > 0) {
        Sounded += Due;
        BurstSounded += Due;
        if (Effect && Effect->status() != QSoundEffect::Error) {
            Effect->stop();
            Effect->play();
        }
    }
    if (PlaysPending() > 0)
        Pacer.start(std::max(0, BurstSounded * Gap - Elapsed));
    else
        Gap = 0;
}

}  // namespace orbulon
