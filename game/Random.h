// SPDX-License-Identifier: GPL-3.0-or-later
// Where a deal's colours come from: the clock for play, a fixed seed for tests.
#pragma once

#include "RandomSource.h"

#include <cstdint>
#include <random>

namespace orbulon {

// Reseeds from the system clock at every new game, as the deal demands.
class ClockRandom : public RandomSource {
public:
    void Reseed() override;
    float NextFraction() override;

private:
    std::mt19937 Engine{std::random_device{}()};
};

// Restarts the same sequence at every Reseed, so a seed always deals the same board.
class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(std::uint32_t Seed) : Seed(Seed), Engine(Seed) {}
    void Reseed() override { Engine.seed(Seed); }
    float NextFraction() override;

private:
    std::uint32_t Seed;
    std::mt19937 Engine;
};

// A fraction 0 <= f < 1 from a 32-bit engine; 24 bits, so it is exact in a float
// and can never round up to 1.
float FractionFrom(std::mt19937& Engine);

}  // namespace orbulon
