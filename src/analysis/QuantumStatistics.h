#pragma once

#include "GroupingConfig.h"
#include "core/BallMask.h"

#include "core/ColumnRecord.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace velmorix {

// The balls 1..B of the game ranked by how often they were drawn in a run of
// results.
struct QuantumRanking {
    Game game;
    // [1..B] the balls, most drawn first, equal counts in ascending ball order;
    // [0] = N, the size of the top part; [B + 1] = M, the size of the bottom part.
    std::array<int16_t, kMaxBalls + 2> rtor{};
    std::array<int32_t, kMaxBalls + 1> count{}; // times each ball was drawn; [0] = the highest
    std::array<int8_t, kMaxBalls + 1> rankOf{}; // position 1..B of each ball

    int topSize() const { return rtor[0]; }
    int bottomSize() const { return rtor[static_cast<std::size_t>(game.balls() + 1)]; }
};

// Ranks the balls by their counts (indexed by ball, at least B + 1 of them).
// The top part ends after the first count level at which the running total of
// counts exceeds `threshold`; the bottom part gathers the rarest balls (higher
// numbers first within a level) until level + 1 + their total exceeds it.
QuantumRanking rankByRepetitions(std::span<const int32_t> counts, int32_t threshold,
                                 const Game& game = Game());

// How many balls of a column fall in each rank group.
struct RankGroupCounts {
    int first12 = 0; // ranks 1..12
    int last12 = 0;  // ranks B-11..B
    int top = 0;     // ranks 1..N
    int bottom = 0;  // ranks B+1-M..B
};
// Sum of the ranks of a valid column's balls (21..S).
int kuantumOfMask(const QuantumRanking& ranking, ColumnMask mask);
RankGroupCounts rankGroupsOfMask(const QuantumRanking& ranking, ColumnMask mask);

// Maximum, minimum and sum of a run of figures.
struct RunFigures {
    int32_t max = 0;
    int32_t min = 0;
    int64_t sum = 0;
    int32_t count = 0;

    static RunFigures startingAt(int32_t min, int32_t max) { return {max, min, 0, 0}; }
    void add(int32_t v);
    // The average cut (not rounded) to `decimals`, plain ("12.34"; "0" with no figure).
    std::string averageText(int decimals) const;
};

// The group limits handed to the quantum list test.
struct RankGroupLimits {
    int16_t gi12kmin = 0, gi12kmax = 0, gs12kmin = 0, gs12kmax = 0;
    int16_t gi6kmin = 0, gi6kmax = 0, gs6kmin = 0, gs6kmax = 0;
};

// Everything the quantum window shows about a results window.
struct QuantumReport {
    int first = 0;
    int last = 0;
    // Kuantum value of results first..last (index r - first); the first result,
    // and a damaged result that cannot be measured, hold 0.
    std::vector<int16_t> values;
    std::vector<std::string> valueLines; // " Kuantum(0012) = 143"
    RunFigures overall;                  // "Tümsel"
    RunFigures reduced;                  // "İndirgenmiş": strictly inside the overall range
    // "İlk 12", "Son 12", "İlk N", "Son M"
    std::array<RunFigures, 4> groups;
    QuantumRanking ranking;                // of the whole window
    std::vector<std::string> rankingLines; // " 07 :  12 kez..."
    RankGroupLimits limits;
    // The default Kuantum limits: the reduced range, or the overall one when
    // nothing lies strictly inside it.
    int defaultMin = 0;
    int defaultMax = 0;
};

// Walks forward through results first..last (1-based record numbers into
// `results`): each result after the first is measured against the ranking of
// the results before it, ranked with the number of results taken as the
// threshold. `first` >= 1, `last` <= results.size(), first < last.
QuantumReport computeQuantum(const std::vector<ColumnRecord>& results, int first, int last,
                             const Game& game = Game());

// The narrowest limits that still hold 80-85% of the values (values of 0 are
// not measured and do not count).
struct CoverageLimits {
    int percent = 0;
    int low = 0;
    int high = 0;
};
CoverageLimits coverageLimits(const std::vector<int16_t>& values, int overallMin, int overallMax);

// The rank groups as an arbitrary grouping: with `twelve` the first 12, the
// last 12 and the 25 between; otherwise the top part, the bottom part and the
// balls between. Group 3's limits are written as computed, even below 0.
GroupingConfig rankGroupsConfig(const QuantumRanking& ranking, const RankGroupLimits& limits, bool twelve);

} // namespace velmorix
