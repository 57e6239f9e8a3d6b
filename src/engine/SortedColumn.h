#pragma once

#include "core/BallMask.h"
#include "core/Game.h"

#include <array>
#include <cstdint>
#include <optional>

namespace velmorix {

// Six distinct balls of a game in ascending order, with the mask of bit b set for ball b.
struct SortedColumn {
    std::array<int, 6> b{};
    ColumnMask mask = 0;

    static SortedColumn fromMask(ColumnMask mask) {
        SortedColumn c;
        c.mask = mask;
        ascendingBalls(mask, c.b.data(), 6);
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
