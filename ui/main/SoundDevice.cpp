// SPDX-License-Identifier: GPL-3.0-or-later
// A sound cue's device: one wave file, opened once, played on command.
#include "SoundDevice.h"

#include "GameWindows.h"
#include "MediaFile.h"

#include <QFile>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QUrl>

#include <algorithm>
#include <cstdint>

namespace orbulon {

SoundDevice::SoundDevice(QObject* Parent) : QObject(Parent)
{
    Pacer.setSingleShot(true);
    connect(&Pacer, &QTimer::timeout, this, &SoundDevice::SoundNext);
    Opener.setSingleShot(true);
    connect(&Opener, &QTimer::timeout, this, &SoundDevice::OpenDevice);
}

SoundDevice::~SoundDevice() = default;

int SoundDevice::Spacing(int Count)
{
    // A pair of balls clicks twice, clearly apart; a large group buzzes briefly.
    return std::clamp(RattleLength / std::clamp(Count, 1, MaxRattlePlays), 20, 70);
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

bool SoundDevice::PlayableWave(const std::filesystem::path& File)
{
    // A cue is a short sound; anything of many megabytes is not one of ours.
    const auto Bytes = ReadMediaFile(File, MaxWaveBytes);
    return Bytes && PlayableWave(*Bytes);
}

bool SoundDevice::PlayableWave(const QByteArray& Bytes) { return WholeWave(Bytes); }

void SoundDevice::Open()
{
    if (Opened())
        return;
    auto Bytes = ReadMediaFile(FileName, MaxWaveBytes);
    if (!Bytes || !PlayableWave(*Bytes))
        return;
    Wave = std::move(*Bytes);
    Opener.start(1000);
}

void SoundDevice::OpenDevice()
{
    Opener.stop();
    if (Effect || Wave.isEmpty())
        return;
    // Qt's player opens the file by its name: it is given a private copy of the checked
    // bytes, so whatever is laid beside the program afterwards never reaches it.
    Copy = std::make_unique<QTemporaryDir>();
    QFile Cue(Copy->filePath(QStringLiteral("cue.wav")));
    if (!Copy->isValid() || !Cue.open(QIODevice::WriteOnly) || Cue.write(Wave) != Wave.size() || !Cue.flush()) {
        Wave.clear();  // silent from now on
        return;
    }
    Cue.close();
    Effect = new QSoundEffect(this);
    Effect->setSource(QUrl::fromLocalFile(Cue.fileName()));
}

void SoundDevice::SoundNext()
{
    if (Gap == 0) {
        Gap = Spacing(PlaysPending());
        BurstClock.start();
        BurstSounded = 0;
        BurstAudible = std::min(PlaysPending(), MaxRattlePlays);
    }
    if (!Effect && Opened())
        OpenDevice();
    // The rattle keeps to its own clock: when the window was busy and a tick came
    // late, the plays that fell due meanwhile are counted and the sound restarts once.
    const auto Elapsed = static_cast<int>(BurstClock.elapsed());
    const int Due = std::min(PlaysPending(), Elapsed / Gap + 1 - BurstSounded);
    if (Due > 0) {
        Sounded += Due;
        BurstSounded += Due;
        if (Effect && Effect->status() != QSoundEffect::Error) {
            // While the player still loads, a play waits for it; a stop would cancel that.
            if (Effect->isLoaded())
                Effect->stop();
            Effect->play();
        }
    }
    if (BurstSounded >= BurstAudible)
        Sounded = Requested;  // the plays beyond the rattle's length are dropped
    if (PlaysPending() > 0)
        Pacer.start(std::max(0, BurstSounded * Gap - Elapsed));
    else
        Gap = 0;
}

}  // namespace orbulon
