// SPDX-License-Identifier: GPL-3.0-or-later
// Synthesising the click and the pop, and writing them as wave files.
#include "Sounds.h"

#include "Bytes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <numbers>

namespace orbulon::media {

namespace {

constexpr int SampleRate = 44100;
constexpr double Tau = 2 * std::numbers::pi;

// Short raised-cosine fades at both ends, so neither start nor stop clicks on its own
// (a cue is restarted once per ball, many times in a row).
double Fade(double t, double Length, double FadeIn, double FadeOut)
{
    const auto Ramp = [](double x) { return 0.5 - 0.5 * std::cos(std::numbers::pi * std::clamp(x, 0.0, 1.0)); };
    return Ramp(t / FadeIn) * Ramp((Length - t) / FadeOut);
}

std::string Wave(double Seconds, const std::function<double(double)>& Signal)
{
    const auto Count = static_cast<std::uint32_t>(Seconds * SampleRate);
    std::string Out = "RIFF";
    Put32(Out, 36 + Count * 2);
    Out += "WAVEfmt ";
    Put32(Out, 16);
    Put16(Out, 1);  // PCM
    Put16(Out, 1);  // mono
    Put32(Out, SampleRate);
    Put32(Out, SampleRate * 2);
    Put16(Out, 2);
    Put16(Out, 16);
    Out += "data";
    Put32(Out, Count * 2);
    for (std::uint32_t i = 0; i < Count; ++i) {
        const double Sample = std::clamp(Signal(static_cast<double>(i) / SampleRate), -1.0, 1.0);
        Put16(Out, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(Sample * 32767))));
    }
    return Out;
}

}  // namespace

std::string ClickWave()
{
    // A small wooden tick: two damped partials, the upper one dying away first.
    constexpr double Length = 0.035;
    return Wave(Length, [](double t) {
        const double Body = 0.70 * std::sin(Tau * 1650 * t) * std::exp(-t / 0.0060);
        const double Tick = 0.30 * std::sin(Tau * 3300 * t + 0.6) * std::exp(-t / 0.0025);
        return 0.42 * (Body + Tick) * Fade(t, Length, 0.0008, 0.008);
    });
}

std::string ClearWave()
{
    // A bubble's pop: the pitch rises quickly from 420 Hz towards 1500 Hz while it fades,
    // with an octave above for sparkle.
    constexpr double Length = 0.070;
    return Wave(Length, [](double t) {
        constexpr double Low = 420, High = 1500, Glide = 0.012;
        // Phase of a frequency gliding exponentially from Low to High with time constant Glide.
        const double Phase = Tau * (High * t - (High - Low) * Glide * (1 - std::exp(-t / Glide)));
        const double Tone = 0.75 * std::sin(Phase) + 0.25 * std::sin(2 * Phase);
        return 0.5 * Tone * std::exp(-t / 0.018) * Fade(t, Length, 0.0015, 0.015);
    });
}

}  // namespace orbulon::media
