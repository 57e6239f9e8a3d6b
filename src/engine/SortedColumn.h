#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace velmorix {

// Six distinct balls 1..49 in ascending order, with the mask of bit b set for ball b.
struct SortedColumn {
    std::array<int, 6> b{};
    uint64_t mask = 0;

    static SortedColumn fromMask(uint64_t mask) {
        SortedColumn c;
        c.mask = mask;
        uint64_t m = mask;
        for (int i = 0; i < 6; ++i) {
            c.b[static_cast<std::size_t>(i)] = __builtin_ctzll(m); // a single instruction
            m &= m - 1;
        }
        return c;
    }

    // Nothing when a ball lies outside 1..49 or repeats.
    static std::optional<SortedColumn> from(const std::array<int16_t, 6>& balls) {
        uint64_t mask = 0;
        for (int16_t v : balls) {
            if (v < 1 || v > 49 || (mask >> v) & 1u)
                return std::nullopt;
            mask |= uint64_t{1} << v;
        }
        return fromMask(mask);
    }

    int sum() const { return b[0] + b[1] + b[2] + b[3] + b[4] + b[5]; }
};

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
inline bool moreThanOne(uint64_t x) {
    return (x & (x - 1)) != 0;
}
inline bool moreThanTwo(uint64_t x) {
    x &= x - 1;
    return (x & (x - 1)) != 0;
}

namespace ballmasks {
constexpr uint64_t range(int first, int last) {
    uint64_t m = 0;
    for (int v = first; v <= last; ++v)
        m |= uint64_t{1} << v;
    return m;
}
// The decades 01-09, 10-19, 20-29, 30-39, 40-49.
inline constexpr std::array<uint64_t, 5> Decade{range(1, 9), range(10, 19), range(20, 29), range(30, 39),
                                                range(40, 49)};
inline constexpr uint64_t Even = [] {
    uint64_t m = 0;
    for (int v = 2; v <= 49; v += 2)
        m |= uint64_t{1} << v;
    return m;
}();
inline constexpr uint64_t All = range(1, 49);
inline constexpr uint64_t Odd = All & ~Even;
inline constexpr uint64_t AboveHalf = range(26, 49); // greater than 25
// Balls whose last digit is 5..9.
inline constexpr uint64_t HighLastDigit =
    range(5, 9) | range(15, 19) | range(25, 29) | range(35, 39) | range(45, 49);
} // namespace ballmasks

} // namespace velmorix
