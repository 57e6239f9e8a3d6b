#pragma once

#include "core/BallList.h"
#include "core/Game.h"

#include <array>
#include <cstdint>
#include <span>

namespace velmorix {

// The bag and banker choices the bag and banker windows ask for, made from
// how often each ball 1..N of the game was drawn in a range of `draws` results.
// `counts` is indexed by ball (0 unused, at least N + 1 entries); every count
// lies in 0..draws.
using BallCounts = std::span<const int32_t>;

// Most drawn (mode 0): from the highest count down, ascending within a count,
// stopping at 36 balls or after a whole count once the bag holds 32 or more.
BagList mostDrawnBag(BallCounts counts, int32_t draws, const Game& game = Game());
// Least drawn (mode -1): the same from the lowest count up.
BagList leastDrawnBag(BallCounts counts, int32_t draws, const Game& game = Game());
// Averages (mode 1): every ball but six or seven of the least and six or
// seven of the most drawn.
BagList averageDrawnBag(BallCounts counts, int32_t draws, const Game& game = Game());

// Banker balls (modes 5, 4, 3): the lowest ball with the highest count, with
// the smallest count that occurs, or with the middle count (or the next
// smaller count that occurs).
int mostDrawnBanker(BallCounts counts, const Game& game = Game());
int leastDrawnBanker(BallCounts counts, const Game& game = Game());
int middleDrawnBanker(BallCounts counts, const Game& game = Game());

} // namespace velmorix
