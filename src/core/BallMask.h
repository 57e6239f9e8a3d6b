#pragma once

#include "Game.h"

#include <array>
#include <cstdint>

namespace velmorix {

// A set of balls 0..127: bit b stands for ball b. The largest game has 90
// balls, so one 64-bit word is not enough; the compiler's 128-bit integer keeps
// every mask operation a couple of instructions.
__extension__ typedef unsigned __int128 ColumnMask;

inline constexpr ColumnMask ballBit(int ball) {
    return ColumnMask{1} << ball;
}

// The lowest and highest ball of a non-empty mask. The engine's hottest pass
// also works on one 64-bit word when the game's balls fit in it.
inline int lowestBall(uint64_t m) {
    return __builtin_ctzll(m);
}
inline int highestBall(uint64_t m) {
    return 63 - __builtin_clzll(m);
}
inline int lowestBall(ColumnMask m) {
    const auto low = static_cast<uint64_t>(m);
    return low != 0 ? __builtin_ctzll(low) : 64 + __builtin_ctzll(static_cast<uint64_t>(m >> 64));
}
inline int highestBall(ColumnMask m) {
    const auto high = static_cast<uint64_t>(m >> 64);
    return high != 0 ? 127 - __builtin_clzll(high) : 63 - __builtin_clzll(static_cast<uint64_t>(m));
}

// The first `count` balls of a mask, ascending.
template <class Mask> void ascendingBalls(Mask mask, int* out, int count) {
    for (int i = 0; i < count; ++i) {
        out[i] = lowestBall(mask);
        mask &= mask - 1;
    }
}

// Bit counts without a library call: the baseline x86-64 has no popcount
// instruction, and these run for every candidate.
inline int ballCount(uint64_t x) {
#if defined(__POPCNT__)
    return __builtin_popcountll(x);
#else
    x = x - ((x >> 1) & 0x5555555555555555ULL);
    x = (x & 0x3333333333333333ULL) + ((x >> 2) & 0x3333333333333333ULL);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return static_cast<int>((x * 0x0101010101010101ULL) >> 56);
#endif
}
inline int ballCount(ColumnMask x) {
    return ballCount(static_cast<uint64_t>(x)) + ballCount(static_cast<uint64_t>(x >> 64));
}
template <class Mask> bool moreThanOne(Mask x) {
    return (x & (x - 1)) != 0;
}
template <class Mask> bool moreThanTwo(Mask x) {
    x &= x - 1;
    return (x & (x - 1)) != 0;
}

inline bool hasBall(ColumnMask mask, int ball) {
    return ((mask >> ball) & 1U) != 0;
}

// Calls `f` with every ball of the mask, ascending.
template <class F> void forEachBall(ColumnMask mask, F&& f) {
    for (; mask != 0; mask &= mask - 1)
        f(lowestBall(mask));
}

// Every ball 1..N of the game.
inline ColumnMask gameBalls(const Game& game) {
    return (ColumnMask{1} << (game.balls() + 1)) - 2;
}

// The six balls of a column of the game; 0 when one lies outside 1..N or
// repeats, so such a record never indexes a table and never matches.
inline ColumnMask columnBalls(const Game& game, const std::array<int16_t, 6>& balls) {
    ColumnMask mask = 0;
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
