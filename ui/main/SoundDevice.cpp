// SPDX-License-Identifier: GPL-3.0-or-later
// A sound cue's device: one wave file, opened once, played on command.
#include "SoundDevice.h"

#include "MediaFile.h"

#include <QLoggingCategory>

#include <dlfcn.h>

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

namespace orbulon {

namespace {

Q_LOGGING_CATEGORY(SoundLog, "orbulon.sound")

// Tells, once a run, why the cues make no sound; the game plays on in silence.
void ReportSilence(const char* Why)
{
    static std::once_flag Told;
    std::call_once(Told, [Why] { qCWarning(SoundLog, "no sound: %s; the cues stay silent", Why); });
}

// The few declarations of PulseAudio's simple API the cues need, written here so that
// building the game needs no sound headers and running it no sound library: it is
// loaded by name when the first cue plays.
struct pa_sample_spec {
    int format;
    std::uint32_t rate;
    std::uint8_t channels;
};
struct pa_buffer_attr {
    std::uint32_t maxlength, tlength, prebuf, minreq, fragsize;
};
struct pa_simple;
constexpr int PA_STREAM_PLAYBACK = 1;
constexpr int PA_SAMPLE_U8 = 0, PA_SAMPLE_S16LE = 3, PA_SAMPLE_FLOAT32LE = 5, PA_SAMPLE_S32LE = 7;
constexpr std::uint32_t ServerDefault = ~std::uint32_t{0};

struct SimpleApi {
    pa_simple* (*New)(const char*, const char*, int, const char*, const char*, const pa_sample_spec*, const void*,
                      const pa_buffer_attr*, int*) = nullptr;
    int (*Write)(pa_simple*, const void*, std::size_t, int*) = nullptr;
    int (*Flush)(pa_simple*, int*) = nullptr;
    void (*Free)(pa_simple*) = nullptr;
};

template <typename Function>
bool Find(void* Library, const char* Name, Function& Into)
{
    Into = reinterpret_cast<Function>(::dlsym(Library, Name));
    return Into != nullptr;
}

// Loaded once for both cues and kept to the end of the run; null when the library is absent.
const SimpleApi* LoadSimpleApi()
{
    static const SimpleApi* const Api = []() -> const SimpleApi* {
        void* Library = ::dlopen("libpulse-simple.so.0", RTLD_NOW | RTLD_LOCAL);
        static SimpleApi Found;
        if (!Library || !Find(Library, "pa_simple_new", Found.New) || !Find(Library, "pa_simple_write", Found.Write) ||
            !Find(Library, "pa_simple_flush", Found.Flush) || !Find(Library, "pa_simple_free", Found.Free))
            return nullptr;
        return &Found;
    }();
    return Api;
}

// The sample format and the samples of a wave that the media reader has accepted.
struct Samples {
    pa_sample_spec Format{};
    std::uint32_t FrameBytes = 1;
    QByteArray Data;
};

Samples SamplesOf(const QByteArray& Wave)
{
    const std::optional<WaveSound> Sound = ParseWave(Wave);
    if (!Sound)
        return {};
    Samples Found;
    Found.Format.format = Sound->Floating ? PA_SAMPLE_FLOAT32LE
        : Sound->Bits == 8                ? PA_SAMPLE_U8
        : Sound->Bits == 16               ? PA_SAMPLE_S16LE
                                          : PA_SAMPLE_S32LE;
    Found.Format.channels = static_cast<std::uint8_t>(Sound->Channels);
    Found.Format.rate = Sound->Rate;
    Found.FrameBytes = static_cast<std::uint32_t>(Sound->Channels * Sound->Bits / 8);
    Found.Data = Sound->Samples;
    return Found;
}

}  // namespace

// One stream to the sound server, fed by its own thread. The window only raises a counter;
// the thread writes the cue in slices of a hundredth of a second and, when a newer play
// comes, writes no more of the old one and starts again from the beginning.
//
// Closing waits for the thread only a moment. A sound server may accept the connection and
// then never answer (a hung PulseAudio, a stale socket): the thread then sits inside the
// server's library for as long as that library likes, half a minute or more, and the game
// must not outlive its window by so long. Such a thread is let go; everything it uses is
// shared with it and lives until it is done, or until the process ends around it.
struct SoundDevice::Stream {
    Stream(const QByteArray& Wave, std::string Name) : Shared(std::make_shared<State>(SamplesOf(Wave), std::move(Name)))
    {
        Worker = std::thread([Shared = Shared] { Run(*Shared); });
    }
    ~Stream()
    {
        std::unique_lock Lock(Shared->Guard);
        Shared->Stopping = true;
        Shared->Wake.notify_all();
        const bool Finished = Shared->Wake.wait_for(Lock, CloseWait, [this] { return Shared->Finished; });
        Lock.unlock();
        if (Finished)
            Worker.join();
        else
            Worker.detach();
    }
    void Play()
    {
        {
            std::lock_guard Lock(Shared->Guard);
            ++Shared->Plays;
        }
        Shared->Wake.notify_all();
    }

    // How long closing waits for the thread to flush and free its stream: a server that
    // answers at all does so within a few milliseconds.
    static constexpr auto CloseWait = std::chrono::milliseconds(300);

private:
    struct State {
        State(Samples Cue, std::string Name) : Cue(std::move(Cue)), Name(std::move(Name)) {}
        const Samples Cue;
        const std::string Name;
        std::mutex Guard;
        std::condition_variable Wake;  // a play or the close for the thread; the thread's end for the close
        unsigned Plays = 0;
        bool Stopping = false;
        bool Finished = false;
    };

    // Waits for the next play; false when the device closes.
    static bool NextPlay(State& Shared, unsigned& Seen)
    {
        std::unique_lock Lock(Shared.Guard);
        Shared.Wake.wait(Lock, [&] { return Shared.Stopping || Shared.Plays != Seen; });
        Seen = Shared.Plays;
        return !Shared.Stopping;
    }
    static bool Closing(State& Shared)
    {
        std::lock_guard Lock(Shared.Guard);
        return Shared.Stopping;
    }
    static bool Restarted(State& Shared, unsigned Seen)
    {
        std::lock_guard Lock(Shared.Guard);
        return Shared.Stopping || Shared.Plays != Seen;
    }

    static void Run(State& Shared)
    {
        pa_simple* Server = nullptr;
        const SimpleApi* Api = LoadSimpleApi();
        const Samples& Cue = Shared.Cue;
        const std::uint32_t Frame = Cue.FrameBytes;
        const std::uint32_t Slice = std::max<std::uint32_t>(1, Cue.Format.rate / 100) * Frame;
        if (Api && !Cue.Data.isEmpty()) {
            // A short queue at the server, so a restart is heard at once, that starts playing
            // as soon as one slice has arrived rather than when the queue is full. (Starting
            // at once, with nothing held back, lets the server skip the front of a play that
            // comes after a pause.)
            const auto Start = std::min<std::uint32_t>(Slice, static_cast<std::uint32_t>(Cue.Data.size()));
            const pa_buffer_attr Queue{ServerDefault, 4 * Slice, Start, ServerDefault, ServerDefault};
            int Error = 0;
            Server = Api->New(nullptr, "Orbulon", PA_STREAM_PLAYBACK, nullptr, Shared.Name.c_str(), &Cue.Format,
                              nullptr, &Queue, &Error);
        }
        // A server that answered only after the window closed is not worth a word.
        if (!Server && !Closing(Shared))
            ReportSilence(Api ? "the sound server did not answer" : "libpulse-simple.so.0 could not be loaded");
        unsigned Seen = 0;
        while (NextPlay(Shared, Seen)) {
            if (!Server)
                continue;  // silent: the plays are taken and forgotten
            // No flush here: what the server holds is the last few hundredths of a second
            // of the play before, still to be heard; dropping it silenced a quick rattle.
            int Error = 0;
            for (qsizetype At = 0; At < Cue.Data.size() && !Restarted(Shared, Seen); At += Slice) {
                const auto Length = std::min<qsizetype>(Slice, Cue.Data.size() - At);
                if (Api->Write(Server, Cue.Data.constData() + At, static_cast<std::size_t>(Length), &Error) < 0)
                    break;
            }
        }
        if (Server) {
            int Error = 0;
            Api->Flush(Server, &Error);  // the window is closing: its sound stops with it
            Api->Free(Server);
        }
        std::lock_guard Lock(Shared.Guard);
        Shared.Finished = true;
        Shared.Wake.notify_all();
    }

    std::shared_ptr<State> Shared;
    std::thread Worker;
};

SoundDevice::SoundDevice(QObject* Parent) : QObject(Parent)
{
    Pacer.setSingleShot(true);
    connect(&Pacer, &QTimer::timeout, this, &SoundDevice::SoundNext);
    Opener.setSingleShot(true);
    connect(&Opener, &QTimer::timeout, this, &SoundDevice::OpenDevice);
}

SoundDevice::~SoundDevice() = default;  // closes the stream, waiting for its thread only a moment

int SoundDevice::Spacing(int Count)
{
    // A pair of balls clicks twice, clearly apart; a large group buzzes briefly.
    return std::clamp(RattleLength / std::clamp(Count, 1, MaxRattlePlays), 20, 70);
}

void SoundDevice::Play()
{
    ++Requested;
    // The game asks for a cue's plays in one go; the rattle starts once they are all in.
    if (!Pacer.isActive())
        Pacer.start(0);
}

void SoundDevice::Open()
{
    if (Opened())
        return;
    // A damaged wave is never sent to the sound server: its noise would be the player's to hear.
    auto Bytes = ReadMediaFile(FileName, MaxWaveBytes);
    if (!Bytes || !WholeWave(*Bytes)) {
        ReportUnusable(FileName, "this cue stays silent");
        return;
    }
    Wave = std::move(*Bytes);
    Opener.start(1000);
}

void SoundDevice::OpenDevice()
{
    Opener.stop();
    if (Output || Wave.isEmpty())
        return;
    // The stream is named after the file, so the mixer tells the two cues apart.
    Output = std::make_unique<Stream>(Wave, FileName.filename().string());
}

void SoundDevice::SoundNext()
{
    if (Gap == 0) {
        Gap = Spacing(PlaysPending());
        BurstClock.start();
        BurstSounded = 0;
        BurstAudible = std::min(PlaysPending(), MaxRattlePlays);
    }
    if (!Output && Opened())
        OpenDevice();
    // The rattle keeps to its own clock: when the window was busy and a tick came
    // late, the plays that fell due meanwhile are counted and the sound restarts once.
    const auto Elapsed = static_cast<int>(BurstClock.elapsed());
    const int Due = std::min(PlaysPending(), Elapsed / Gap + 1 - BurstSounded);
    if (Due > 0) {
        Sounded += Due;
        BurstSounded += Due;
        if (Output)
            Output->Play();
    }
    if (BurstSounded >= BurstAudible)
        Sounded = Requested;  // the plays beyond the rattle's length are dropped
    if (PlaysPending() > 0)
        Pacer.start(std::max(0, BurstSounded * Gap - Elapsed));
    else
        Gap = 0;
}

}  // namespace orbulon
