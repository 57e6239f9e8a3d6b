#pragma once

#include "QuantumStatistics.h"

#include "core/ColumnRecord.h"
#include "core/DataDir.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace velmorix {

// Which balls 1..N of the game followed the balls of a reference draw, and the
// ranking it gives.
struct FollowRanking {
    Game game;
    // m(b, k): times ball b was in the draw after a draw holding reference
    // ball k (k = 1..6); m(b, 0): for how many reference balls that is above 0.
    std::array<std::array<int32_t, 7>, kMaxBalls + 1> follow{};
    std::array<int64_t, kMaxBalls + 1> score{}; // 1000 m(b,0) + m(b,1..6); [0] = the highest
    std::array<int, kMaxBalls + 1> order{};     // [1..N] best first, equal scores by ball number
    std::array<int, kMaxBalls + 1> rankOf{};    // position 1..N of each ball

    int32_t followedTimes(int ball) const; // m(b,1) + ... + m(b,6)
    // The six best-ranked balls as a mask.
    ColumnMask bestSix() const;
    // Sum of the ranks of a valid column's balls (21..S).
    int rankSum(ColumnMask mask) const;
};

// Per ball x, how often each ball followed a draw holding x.
using FollowTable = std::array<std::array<int32_t, kMaxBalls + 1>, kMaxBalls + 1>;

// The six balls of a valid reference column, and per ball x the draws after a
// draw holding x: ranks the balls for `reference`.
FollowRanking rankFollowers(const FollowTable& followedBy, const std::array<int, 6>& reference,
                            const Game& game = Game());

struct FollowReport {
    int first = 0;
    int last = 0;
    std::vector<std::string> valueLines; // "TKuantum(012) = 143"
    RunFigures tkuantum;                 // of the measured results
    RunFigures hits;
    // Only when the last result is a proper column (referenceValid): the
    // ranking with it as the reference, its score table and six best balls.
    bool referenceValid = true;
    FollowRanking ranking;
    std::vector<std::string> scoreLines; // " 07 : 4.12"
    std::string bestSixText;             // "7,12,3,44,5,28"
};

// Walks forward through results first..last (1-based record numbers into
// `results`, first + 3 <= last): each result i in between is the reference for
// a ranking of the results first..i, against which result i + 1 is measured.
FollowReport computeFollowing(const std::vector<ColumnRecord>& results, int first, int last,
                              const Game& game = Game());

// Keeps the list columns with at least `minHits` of the six best balls whose
// rank sum in `ranking` lies in minValue..maxValue, in their order, with Tag =
// that sum; the old list stays in VELMORIX.OLD and an empty list remains when
// nothing qualifies. `progress` gets (written, record). Returns the columns kept.
int32_t filterListByFollowing(const DataDir& dir, const FollowRanking& ranking, int64_t minHits,
                              int64_t minValue, int64_t maxValue,
                              const std::function<void(int32_t, int32_t)>& progress = {});

} // namespace velmorix
