// SPDX-License-Identifier: GPL-3.0-or-later
// A sound cue's device: one wave file, opened once, played on command.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <filesystem>
#include <string>

class QSoundEffect;

namespace orbulon {

// Takes the command strings the game sends: "Open" (on FileName), "Play" and "Prev".
// The game sends one "Play" for every ball of a group, all at once and without
// waiting, so the plays are queued and sounded one after another as a quick rattle
// that ends within about a second, each restarting the sound. Nothing here blocks
// the window. A missing or broken file, or no audio device, leaves the cue silent.
class SoundDevice : public QObject {
    Q_OBJECT
public:
    explicit SoundDevice(QObject* Parent = nullptr);

    std::filesystem::path FileName;
    void Command(const std::string& Command);

    int PlaysRequested() const { return Requested; }
    int PlaysSounded() const { return Sounded; }  // including those a silent cue skipped
    int PlaysPending() const { return Requested - Sounded; }
    bool Opened() const { return Effect != nullptr; }

    // The pause between two plays of a rattle of Count plays, in milliseconds.
    static int Spacing(int Count);

    // Whether a file is a wave file that the sound layer can play: plain PCM or
    // floating-point samples with a whole format and data chunk. A damaged file is
    // never handed to Qt's player, whose loader can stall on one and then hang the
    // program when it closes.
    static bool PlayableWave(const std::filesystem::path& File);

private:
    void Open();
    void SoundNext();

    QSoundEffect* Effect = nullptr;
    QTimer Pacer;
    int Requested = 0;
    int Sounded = 0;
    int Gap = 0;  // the spacing chosen for the rattle under way
    QElapsedTimer BurstClock;
    int BurstSounded = 0;
};

}  // namespace orbulon
