#pragma once

#include "core/Game.h"

#include <array>
#include <cstdint>
#include <optional>

namespace velmorix {

// A set of balls 0..127: bit b stands for ball b. The largest game has 90
// balls, so one 64-bit word is not enough; the compiler's 128-bit integer keeps
// every mask operation a couple of instructions.
__extension__ typedef unsigned __int128 ColumnMask;

inline constexpr ColumnMask ballBit(int ball) {
    return ColumnMask{1} << ball;
}

// The lowest and highest ball of a non-empty mask.
inline int lowestBall(ColumnMask m) {
    const auto low = static_cast<uint64_t>(m);
    return low != 0 ? __builtin_ctzll(low) : 64 + __builtin_ctzll(static_cast<uint64_t>(m >> 64));
}
inline int highestBall(ColumnMask m) {
    const auto high = static_cast<uint64_t>(m >> 64);
    return high != 0 ? 127 - __builtin_clzll(high) : 63 - __builtin_clzll(static_cast<uint64_t>(m));
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
inline bool moreThanOne(ColumnMask x) {
    return (x & (x - 1)) != 0;
}
inline bool moreThanTwo(ColumnMask x) {
    x &= x - 1;
    return (x & (x - 1)) != 0;
}

// Six distinct balls of a game in ascending order, with the mask of bit b set for ball b.
struct SortedColumn {
    std::array<int, 6> b{};
    ColumnMask mask = 0;

    static SortedColumn fromMask(ColumnMask mask) {
        SortedColumn c;
        c.mask = mask;
        ColumnMask m = mask;
        for (int i = 0; i < 6; ++i) {
            c.b[static_cast<std::size_t>(i)] = lowestBall(m);
            m &= m - 1;
        }
        return c;
    }

    // Nothing when a ball lies outside 1..balls or repeats.
    static std::optional<SortedColumn> from(const std::array<int16_t, 6>& balls, int highest = 49) {
        ColumnMask mask = 0;
        for (int16_t v : balls) {
            if (v < 1 || v > highest || (mask >> v) & 1u)
                return std::nullopt;
            mask |= ballBit(v);
        }
        return fromMask(mask);
    }

    int sum() const { return b[0] + b[1] + b[2] + b[3] + b[4] + b[5]; }
};

inline constexpr ColumnMask ballRange(int first, int last) {
    ColumnMask m = 0;
    for (int v = first; v <= last; ++v)
        m |= ballBit(v);
    return m;
}

// The ball sets a game's filters look at.
struct GameMasks {
    int balls = 49;
    int decades = 5;
    ColumnMask all = 0;
    ColumnMask even = 0;
    ColumnMask odd = 0;
    ColumnMask aboveHalf = 0;     // greater than scaled(25)
    ColumnMask highLastDigit = 0; // last digit 5..9
    ColumnMask tens = 0;          // 10, 20, ... below the greatest ball
    std::array<ColumnMask, kMaxDecades> decade{};

    // The masks of a game, made once per game.
    static const GameMasks& of(const Game& game);
};

} // namespace velmorix
