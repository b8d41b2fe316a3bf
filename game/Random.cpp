// SPDX-License-Identifier: GPL-3.0-or-later
// The random sources behind the deal.
#include "Random.h"

#include <chrono>

namespace orbulon {

float FractionFrom(std::mt19937& Engine) { return static_cast<float>(Engine() >> 8) * (1.0f / 16777216.0f); }

void ClockRandom::Reseed()
{
    const auto Ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    Engine.seed(static_cast<std::uint32_t>(Ticks ^ (Ticks >> 32)));
}

float ClockRandom::NextFraction() { return FractionFrom(Engine); }

float SeededRandom::NextFraction() { return FractionFrom(Engine); }

}  // namespace orbulon
