// SPDX-License-Identifier: GPL-3.0-or-later
// Where the board's colours come from.
#pragma once

namespace orbulon {

// Reseed is called at every new game; the program reseeds from the clock, a test from its
// fixed seed.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void Reseed() = 0;
    virtual float NextFraction() = 0;  // 0 <= f < 1
};

}  // namespace orbulon
