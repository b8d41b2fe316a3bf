// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: from starting the process to the first painted frame of its window, and the
// process's peak resident memory, for the game and for an empty window of ours, launched
// in turn so that both meet the same moment's machine.
#include "GameFiles.h"
#include "TempFolder.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace orbulon::bench {
namespace {

namespace fs = std::filesystem;

struct Launch {
    double Seconds = 0;  // to the first painted frame
    double PeakMiB = 0;  // peak resident memory of the whole run
};

// Starts Program with the first-frame report asked for and reads its report. Nothing else is
// running in the program meanwhile: it quits as soon as it has reported.
std::optional<Launch> StartOnce(const char* Program)
{
    int Pipe[2];
    if (pipe(Pipe) != 0)
        return std::nullopt;
    posix_spawn_file_actions_t Actions;
    posix_spawn_file_actions_init(&Actions);
    posix_spawn_file_actions_adddup2(&Actions, Pipe[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&Actions, Pipe[0]);
    posix_spawn_file_actions_addopen(&Actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char* Argv[] = {const_cast<char*>(Program), nullptr};

    const auto Start = std::chrono::steady_clock::now();
    pid_t Child = 0;
    const int Failed = posix_spawn(&Child, Program, &Actions, nullptr, Argv, environ);
    posix_spawn_file_actions_destroy(&Actions);
    close(Pipe[1]);
    if (Failed) {
        close(Pipe[0]);
        return std::nullopt;
    }

    // A program that never paints is given up on after half a minute.
    std::string Output;
    char Buffer[256];
    pollfd Ready{Pipe[0], POLLIN, 0};
    for (ssize_t n; poll(&Ready, 1, 30000) > 0 && (n = read(Pipe[0], Buffer, sizeof Buffer)) > 0;) {
        Output.append(Buffer, static_cast<std::size_t>(n));
        if (Output.find('\n') != std::string::npos)
            break;
    }
    close(Pipe[0]);
    if (Output.empty())
        kill(Child, SIGKILL);

    // A program that reported but does not finish quitting is stopped; its memory still counts.
    int Status = 0;
    rusage Usage{};
    for (int Tries = 0; wait4(Child, &Status, WNOHANG, &Usage) == 0; ++Tries) {
        if (Tries == 1000)
            kill(Child, SIGKILL);
        usleep(10000);
    }

    long long FirstFrame = 0;
    if (std::sscanf(Output.c_str(), "first-frame %lld", &FirstFrame) != 1)
        return std::nullopt;
    const auto Painted = std::chrono::steady_clock::time_point(std::chrono::nanoseconds(FirstFrame));
    return Launch{std::chrono::duration<double>(Painted - Start).count(), Usage.ru_maxrss / 1024.0};
}

// Launches Program and the empty window in turn and reports the game's time, with both
// programs' figures and their ratios as counters.
void StartUpAgainstEmptyWindow(benchmark::State& State, const char* Program)
{
    double GameSeconds = 0, EmptySeconds = 0, GameMiB = 0, EmptyMiB = 0;
    for (auto _ : State) {
        const auto Empty = StartOnce(ORBULON_BASELINE);
        const auto Game = StartOnce(Program);
        if (!Empty || !Game) {
            State.SkipWithError("a program did not report its first frame");
            return;
        }
        State.SetIterationTime(Game->Seconds);
        GameSeconds += Game->Seconds, EmptySeconds += Empty->Seconds;
        GameMiB += Game->PeakMiB, EmptyMiB += Empty->PeakMiB;
    }
    const auto PerRun = benchmark::Counter::kAvgIterations;
    State.counters["empty_ms"] = benchmark::Counter(EmptySeconds * 1000, PerRun);
    State.counters["time_ratio"] = GameSeconds / EmptySeconds;
    State.counters["game_MiB"] = benchmark::Counter(GameMiB, PerRun);
    State.counters["empty_MiB"] = benchmark::Counter(EmptyMiB, PerRun);
    State.counters["rss_ratio"] = GameMiB / EmptyMiB;
}

void StartUp_GameAgainstEmptyWindow(benchmark::State& State) { StartUpAgainstEmptyWindow(State, ORBULON_PROGRAM); }
BENCHMARK(StartUp_GameAgainstEmptyWindow)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

// The game in a folder of its own without its two wave files: no sound device is opened, so
// the difference from the case above is what opening the sound cues costs at start-up.
void StartUp_GameWithoutWaveFilesAgainstEmptyWindow(benchmark::State& State)
{
    static const std::string Program = [] {
        static const test::TempFolder Silent;
        const fs::path Folder = Silent.Path, Built = fs::path(ORBULON_PROGRAM).parent_path();
        for (std::string_view File : MediaFiles)
            if (File != ClickWaveFile && File != ClearWaveFile)
                fs::copy_file(Built / File, Folder / File);
        fs::copy_file(Built / TableFile, Folder / TableFile);
        fs::copy_file(ORBULON_PROGRAM, Folder / "orbulon");
        return (Folder / "orbulon").string();
    }();
    StartUpAgainstEmptyWindow(State, Program.c_str());
}
BENCHMARK(StartUp_GameWithoutWaveFilesAgainstEmptyWindow)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

#ifdef ORBULON_BASELINE_SOUND
// The empty window again, but loading Qt Multimedia and the libraries it brings, as the game
// did before it spoke to the sound server itself: what that library alone cost at start-up.
void StartUp_EmptyWindowWithSoundLibraryAgainstEmptyWindow(benchmark::State& State)
{
    StartUpAgainstEmptyWindow(State, ORBULON_BASELINE_SOUND);
}
BENCHMARK(StartUp_EmptyWindowWithSoundLibraryAgainstEmptyWindow)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);
#endif

}  // namespace
}  // namespace orbulon::bench
