#include "AutoSelection.h"

#include <algorithm>

namespace velmorix {

namespace {

int32_t countOf(const std::array<int32_t, 50>& counts, int ball) {
    return counts[static_cast<std::size_t>(ball)];
}

// Takes the balls level by level (counts `from` towards `to`); the bag holds
// them in ascending order.
BagList fillByLevels(const std::array<int32_t, 50>& counts, int32_t from, int32_t to) {
    std::array<bool, 50> taken{};
    int size = 0;
    const int32_t step = from <= to ? 1 : -1;
    for (int32_t c = from; size < 36; c += step) {
        for (int b = 1; b <= 49 && size < 36; ++b)
            if (countOf(counts, b) == c) {
                taken[static_cast<std::size_t>(b)] = true;
                ++size;
            }
        if (size >= 32 || c == to)
            break;
    }
    BagList bag;
    for (int b = 1; b <= 49; ++b)
        if (taken[static_cast<std::size_t>(b)])
            bag.push(b);
    return bag;
}

// Strikes out up to seven balls, level by level, stopping once six or more are struck.
void strikeLevels(const std::array<int32_t, 50>& counts, int32_t from, int32_t to, bool highBallsFirst,
                  std::array<bool, 50>& struck) {
    int tally = 0;
    const int32_t step = from <= to ? 1 : -1;
    for (int32_t c = from;; c += step) {
        for (int i = 1; i <= 49 && tally < 7; ++i) {
            const int b = highBallsFirst ? 50 - i : i;
            if (countOf(counts, b) == c) {
                struck[static_cast<std::size_t>(b)] = true;
                ++tally;
            }
        }
        if (tally >= 6 || c == to)
            return;
    }
}

int32_t highestCount(const std::array<int32_t, 50>& counts) {
    return *std::max_element(counts.begin() + 1, counts.end());
}

int32_t lowestCount(const std::array<int32_t, 50>& counts) {
    return *std::min_element(counts.begin() + 1, counts.end());
}

int lowestBallWith(const std::array<int32_t, 50>& counts, int32_t count) {
    for (int b = 1; b <= 49; ++b)
        if (countOf(counts, b) == count)
            return b;
    return 0;
}

} // namespace

BagList mostDrawnBag(const std::array<int32_t, 50>& counts, int32_t draws) {
    return fillByLevels(counts, draws, 0);
}

BagList leastDrawnBag(const std::array<int32_t, 50>& counts, int32_t draws) {
    return fillByLevels(counts, 0, draws);
}

BagList averageDrawnBag(const std::array<int32_t, 50>& counts, int32_t draws) {
    std::array<bool, 50> struck{};
    strikeLevels(counts, 0, draws, true, struck);
    strikeLevels(counts, draws, 0, false, struck);
    BagList bag;
    for (int b = 1; b <= 49; ++b)
        if (!struck[static_cast<std::size_t>(b)])
            bag.push(b);
    return bag;
}

int mostDrawnBanker(const std::array<int32_t, 50>& counts) {
    return lowestBallWith(counts, highestCount(counts));
}

int leastDrawnBanker(const std::array<int32_t, 50>& counts) {
    return lowestBallWith(counts, lowestCount(counts));
}

int middleDrawnBanker(const std::array<int32_t, 50>& counts) {
    const int32_t low = lowestCount(counts);
    const int32_t middle = (highestCount(counts) + low) / 2;
    // The lowest count is taken by some ball, so the search ends there at the latest.
    for (int32_t c = middle; c >= low; --c)
        if (const int b = lowestBallWith(counts, c))
            return b;
    return lowestBallWith(counts, low);
}

} // namespace velmorix
