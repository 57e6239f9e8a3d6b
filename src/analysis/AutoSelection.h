#pragma once

#include "core/BallList.h"

#include <array>
#include <cstdint>

namespace velmorix {

// The bag and banker choices the bag and banker windows ask for, made from
// how often each ball was drawn in a range of `draws` results. `counts` is
// indexed by ball (0 unused); every count lies in 0..draws.

// Most drawn (mode 0): from the highest count down, ascending within a count,
// stopping at 36 balls or after a whole count once the bag holds 32 or more.
BagList mostDrawnBag(const std::array<int32_t, 50>& counts, int32_t draws);
// Least drawn (mode -1): the same from the lowest count up.
BagList leastDrawnBag(const std::array<int32_t, 50>& counts, int32_t draws);
// Averages (mode 1): every ball but six or seven of the least and six or
// seven of the most drawn.
BagList averageDrawnBag(const std::array<int32_t, 50>& counts, int32_t draws);

// Banker balls (modes 5, 4, 3): the lowest ball with the highest count, with
// the smallest count that occurs, or with the middle count (or the next
// smaller count that occurs).
int mostDrawnBanker(const std::array<int32_t, 50>& counts);
int leastDrawnBanker(const std::array<int32_t, 50>& counts);
int middleDrawnBanker(const std::array<int32_t, 50>& counts);

} // namespace velmorix
