#pragma once

#include "core/Game.h"

#include <array>
#include <cstdint>
#include <vector>

namespace velmorix::subsets {

// C(n, k) for n 0..kMaxBalls and k 0..6.
struct BinomialTable {
    std::array<std::array<uint32_t, 7>, kMaxBalls + 1> c{};
    constexpr BinomialTable() {
        for (int n = 0; n <= kMaxBalls; ++n) {
            c[static_cast<std::size_t>(n)][0] = 1;
            for (int k = 1; k <= 6; ++k)
                c[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)] =
                    n == 0 ? 0
                           : c[static_cast<std::size_t>(n - 1)][static_cast<std::size_t>(k - 1)] +
                                 c[static_cast<std::size_t>(n - 1)][static_cast<std::size_t>(k)];
        }
    }
    constexpr uint32_t operator()(int n, int k) const {
        return c[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)];
    }
};

inline constexpr BinomialTable binomial{};

// Number of k-subsets of the balls 1..balls.
constexpr uint32_t subsetCount(int k, int balls = 49) {
    return k == 0 ? 1 : binomial(balls - 1, k) + binomial(balls - 1, k - 1);
}

// Term of ball `ball` (1..kMaxBalls) at place `place` (1..k) of an ascending subset:
// the colex rank is the sum of the terms.
constexpr uint32_t rankTerm(int ball, int place) {
    return binomial(ball - 1, place);
}

// Colex rank of ascending balls 1..N, 0 .. C(N, k) - 1.
inline uint32_t rank(const int* ascending, int k) {
    uint32_t r = 0;
    for (int t = 0; t < k; ++t)
        r += rankTerm(ascending[t], t + 1);
    return r;
}

// The C(n, k) choices of k places out of n (at most 6), ascending.
struct PlaceSubsets {
    int count = 0;
    std::array<std::array<uint8_t, 6>, 20> places{};
};

constexpr PlaceSubsets placeSubsets(int k, int n = 6) {
    PlaceSubsets s;
    for (unsigned m = 0; m < (1u << n); ++m) {
        if (static_cast<int>(__builtin_popcount(m)) != k)
            continue;
        auto& p = s.places[static_cast<std::size_t>(s.count++)];
        int t = 0;
        for (int i = 0; i < n; ++i)
            if (m & (1u << i))
                p[static_cast<std::size_t>(t++)] = static_cast<uint8_t>(i);
    }
    return s;
}

// A bit per k-subset of the balls 1..balls.
class SubsetBits {
public:
    SubsetBits() = default;
    explicit SubsetBits(int k, int balls = 49)
        : m_k(k), m_words((std::size_t{subsetCount(k, balls)} + 63) / 64, 0) {}
    int k() const { return m_k; }
    bool test(uint32_t r) const { return (m_words[r >> 6] >> (r & 63)) & 1u; }
    void set(uint32_t r) { m_words[r >> 6] |= uint64_t{1} << (r & 63); }

private:
    int m_k = 0;
    std::vector<uint64_t> m_words;
};

} // namespace velmorix::subsets
