// SPDX-License-Identifier: GPL-3.0-or-later
// A sound cue's device: one wave file, opened once, played on command.
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <filesystem>
#include <memory>
#include <string>

class QSoundEffect;
class QTemporaryDir;

namespace orbulon {

// Takes the command strings the game sends: "Open" (on FileName), "Play" and "Prev".
// The game sends one "Play" for every ball of a group, all at once and without
// waiting, so the plays are queued and sounded one after another as a quick rattle,
// each restarting the sound. A rattle sounds at most MaxRattlePlays plays and its last
// one starts within RattleLength: the ear cannot tell 132 clicks from 24, and a
// whole-board clear must not go on sounding after the board has settled; the plays
// beyond are dropped. Nothing here blocks the window. A missing or broken file, or no
// audio device, leaves the cue silent.
//
// "Open" reads and checks the wave at once; the audio device itself, the costliest part
// of starting the game, is opened only at the first play or a second after "Open",
// whichever comes first, so the window is on screen sooner and no sound is ever late.
class SoundDevice : public QObject {
    Q_OBJECT
public:
    explicit SoundDevice(QObject* Parent = nullptr);
    ~SoundDevice() override;

    std::filesystem::path FileName;
    void Command(const std::string& Command);

    int PlaysRequested() const { return Requested; }
    int PlaysSounded() const { return Sounded; }  // including those a silent cue skipped
    int PlaysPending() const { return Requested - Sounded; }
    bool Opened() const { return !Wave.isEmpty(); }

    static constexpr int MaxRattlePlays = 24;
    static constexpr int RattleLength = 600;  // milliseconds from the first play to the last
    // The pause between two plays of a rattle of Count plays, in milliseconds.
    static int Spacing(int Count);

    // Whether a file is a wave file that the sound layer can play: plain PCM or
    // floating-point samples with a whole format and data chunk. A damaged file is
    // never handed to Qt's player, whose loader can stall on one and then hang the
    // program when it closes.
    // The file is read only if it is a regular file of a cue's size, never waiting on it.
    static bool PlayableWave(const std::filesystem::path& File);
    static bool PlayableWave(const QByteArray& Bytes);

private:
    void Open();
    void OpenDevice();
    void SoundNext();

    QByteArray Wave;  // the checked wave, played from a private copy
    std::unique_ptr<QTemporaryDir> Copy;
    QSoundEffect* Effect = nullptr;
    QTimer Opener;
    QTimer Pacer;
    int Requested = 0;
    int Sounded = 0;
    int Gap = 0;  // the spacing chosen for the rattle under way
    QElapsedTimer BurstClock;
    int BurstSounded = 0;
    int BurstAudible = 0;  // the plays of the rattle under way that are sounded
};

}  // namespace orbulon
