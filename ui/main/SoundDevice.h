// SPDX-License-Identifier: GPL-3.0-or-later
// A sound cue's device: one wave file, opened once, played on command.
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <filesystem>
#include <memory>

namespace orbulon {

// Open() reads FileName once; Play() sounds it from its start.
// The game asks for one play for every ball of a group, all at once and without
// waiting, so the plays are queued and sounded one after another as a quick rattle,
// each restarting the sound. A rattle sounds at most MaxRattlePlays plays and its last
// one starts within RattleLength: the ear cannot tell 132 clicks from 24, and a
// whole-board clear must not go on sounding after the board has settled; the plays
// beyond are dropped. Nothing here blocks the window. A missing or broken file, no sound
// server or no sound library leaves the cue silent.
//
// Open() reads and checks the wave at once; the sound itself goes to the desktop's sound
// server (PulseAudio, or PipeWire speaking its protocol) as a stream of the application
// "Orbulon", so the player sets the game's volume in the desktop's mixer. The server's
// library is loaded, and the stream opened, on a worker thread of the device only at the
// first play or a second after "Open", whichever comes first: the program does not link
// it, so the window is on screen sooner, and a machine without it starts all the same.
class SoundDevice : public QObject {
    Q_OBJECT
public:
    explicit SoundDevice(QObject* Parent = nullptr);
    ~SoundDevice() override;

    std::filesystem::path FileName;
    void Open();
    void Play();

    int PlaysRequested() const { return Requested; }
    int PlaysSounded() const { return Sounded; }  // including those a silent cue skipped
    int PlaysPending() const { return Requested - Sounded; }
    bool Opened() const { return !Wave.isEmpty(); }

    static constexpr int MaxRattlePlays = 24;
    static constexpr int RattleLength = 600;  // milliseconds from the first play to the last
    // The pause between two plays of a rattle of Count plays, in milliseconds.
    static int Spacing(int Count);

private:
    void OpenDevice();
    void SoundNext();

    struct Stream;  // the worker thread that writes the samples to the sound server

    QByteArray Wave;  // the checked wave, kept whole: what lies beside the program later never reaches the player
    std::unique_ptr<Stream> Output;
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
