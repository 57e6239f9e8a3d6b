#pragma once

#include "core/Game.h"

#include <array>
#include <cstdint>

namespace velmorix {

// Balls 0..kMaxBalls as bits of a mask (bit b for ball b): wide enough for the
// largest game.
__extension__ typedef unsigned __int128 BallMask;

inline BallMask ballBit(int ball) {
    return BallMask{1} << ball;
}

inline bool hasBall(BallMask mask, int ball) {
    return ((mask >> ball) & 1U) != 0;
}

inline int ballsIn(BallMask mask) {
    return __builtin_popcountll(static_cast<uint64_t>(mask)) +
           __builtin_popcountll(static_cast<uint64_t>(mask >> 64));
}

// The smallest ball of a mask that is not empty.
inline int lowestBall(BallMask mask) {
    const auto low = static_cast<uint64_t>(mask);
    return low != 0 ? __builtin_ctzll(low) : 64 + __builtin_ctzll(static_cast<uint64_t>(mask >> 64));
}

// Calls `f` with every ball of the mask, ascending.
template <class F> void forEachBall(BallMask mask, F&& f) {
    for (; mask != 0; mask &= mask - 1)
        f(lowestBall(mask));
}

// Every ball 1..N of the game.
inline BallMask gameBalls(const Game& game) {
    return (BallMask{1} << (game.balls() + 1)) - 2;
}

// The six balls of a column of the game; 0 when one lies outside 1..N or
// repeats, so such a record never indexes a table and never matches.
inline BallMask columnBalls(const Game& game, const std::array<int16_t, 6>& balls) {
    BallMask mask = 0;
    for (int16_t b : balls) {
        if (!game.isBall(b) || hasBall(mask, b))
            return 0;
        mask |= ballBit(b);
    }
    return mask;
}

inline bool isGameColumn(const Game& game, const std::array<int16_t, 6>& balls) {
    return columnBalls(game, balls) != 0;
}

} // namespace velmorix
