#pragma once

#include <array>
#include <cstdint>
#include <random>

namespace velmorix::test {

using Rng = std::mt19937_64;

// A number in lo..hi, and true with chance p.
int pick(Rng& rng, int lo, int hi);
bool chance(Rng& rng, double p);

// Six distinct balls of 1..highest, ascending.
std::array<int16_t, 6> randomColumn(Rng& rng, int highest = 49);

} // namespace velmorix::test
