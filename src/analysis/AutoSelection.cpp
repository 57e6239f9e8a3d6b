#include "AutoSelection.h"

#include <algorithm>

namespace velmorix {

namespace {

int32_t countOf(BallCounts counts, int ball) {
    return counts[static_cast<std::size_t>(ball)];
}

// The balls the counts cover: 1..N of the game at most.
int ballsOf(BallCounts counts, const Game& game) {
    return std::min(game.balls(), static_cast<int>(counts.size()) - 1);
}

// Takes the balls level by level (counts `from` towards `to`); the bag holds
// them in ascending order.
BagList fillByLevels(BallCounts counts, int n, int32_t from, int32_t to) {
    std::array<bool, kMaxBalls + 1> taken{};
    int size = 0;
    const int32_t step = from <= to ? 1 : -1;
    for (int32_t c = from; size < 36; c += step) {
        for (int b = 1; b <= n && size < 36; ++b)
            if (countOf(counts, b) == c) {
                taken[static_cast<std::size_t>(b)] = true;
                ++size;
            }
        if (size >= 32 || c == to)
            break;
    }
    BagList bag;
    for (int b = 1; b <= n; ++b)
        if (taken[static_cast<std::size_t>(b)])
            bag.push(b);
    return bag;
}

// Strikes out up to seven balls, level by level, stopping once six or more are struck.
void strikeLevels(BallCounts counts, int n, int32_t from, int32_t to, bool highBallsFirst,
                  std::array<bool, kMaxBalls + 1>& struck) {
    int tally = 0;
    const int32_t step = from <= to ? 1 : -1;
    for (int32_t c = from;; c += step) {
        for (int i = 1; i <= n && tally < 7; ++i) {
            const int b = highBallsFirst ? n + 1 - i : i;
            if (countOf(counts, b) == c) {
                struck[static_cast<std::size_t>(b)] = true;
                ++tally;
            }
        }
        if (tally >= 6 || c == to)
            return;
    }
}

int32_t highestCount(BallCounts counts, int n) {
    return *std::max_element(counts.begin() + 1, counts.begin() + n + 1);
}

int32_t lowestCount(BallCounts counts, int n) {
    return *std::min_element(counts.begin() + 1, counts.begin() + n + 1);
}

int lowestBallWith(BallCounts counts, int n, int32_t count) {
    for (int b = 1; b <= n; ++b)
        if (countOf(counts, b) == count)
            return b;
    return 0;
}

} // namespace

BagList mostDrawnBag(BallCounts counts, int32_t draws, const Game& game) {
    return fillByLevels(counts, ballsOf(counts, game), draws, 0);
}

BagList leastDrawnBag(BallCounts counts, int32_t draws, const Game& game) {
    return fillByLevels(counts, ballsOf(counts, game), 0, draws);
}

BagList averageDrawnBag(BallCounts counts, int32_t draws, const Game& game) {
    const int n = ballsOf(counts, game);
    std::array<bool, kMaxBalls + 1> struck{};
    strikeLevels(counts, n, 0, draws, true, struck);
    strikeLevels(counts, n, draws, 0, false, struck);
    BagList bag;
    for (int b = 1; b <= n; ++b)
        if (!struck[static_cast<std::size_t>(b)])
            bag.push(b);
    return bag;
}

int mostDrawnBanker(BallCounts counts, const Game& game) {
    const int n = ballsOf(counts, game);
    return lowestBallWith(counts, n, highestCount(counts, n));
}

int leastDrawnBanker(BallCounts counts, const Game& game) {
    const int n = ballsOf(counts, game);
    return lowestBallWith(counts, n, lowestCount(counts, n));
}

int middleDrawnBanker(BallCounts counts, const Game& game) {
    const int n = ballsOf(counts, game);
    const int32_t low = lowestCount(counts, n);
    const int32_t middle = (highestCount(counts, n) + low) / 2;
    // The lowest count is taken by some ball, so the search ends there at the latest.
    for (int32_t c = middle; c >= low; --c)
        if (const int b = lowestBallWith(counts, n, c))
            return b;
    return lowestBallWith(counts, n, low);
}

} // namespace velmorix
