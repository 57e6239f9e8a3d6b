#pragma once

#include "SubsetIndex.h"

#include "core/AppState.h"
#include "core/DataDir.h"
#include "core/FilterSelection.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cstdint>
#include <functional>
#include <vector>

namespace velmorix {

// What the filters need of the data files for one run, in the form the
// evaluator uses: the run's own forbidden pairs, and indexes of the results,
// played columns and forbidden sextets instead of the files themselves.
struct RunContext {
    Game game;                                        // the game whose columns are judged
    PairTable pairs;                                  // 1 for a forbidden pair, both orientations
    std::array<ColumnMask, kMaxBalls + 1> pairMask{}; // per ball, the balls it may not stand beside
    int32_t resultCount = 0;                          // ResCount
    int32_t playedCount = 0;                          // PlayedCount
    int32_t sextetCount = 0;                          // SextetCount
    SubsetIndex resultSimilarity;                     // when ResultLimit >= 0
    SubsetIndex playedSimilarity;                     // when PlayedLimit >= 0
    SubsetIndex sextetSimilarity;                     // when SextetLimit >= 0
    SubsetIndex resultsShareThree;                    // ResultsMin3Link
    std::vector<uint64_t> decadeShapes;         // DecadeShapeBan: the shape codes of the results, ascending
    subsets::SubsetBits gapPatterns;            // GapPatternBan: offsets b2-b1 .. b6-b1 as a 5-subset
    std::bitset<6 * kMaxBalls - 14> resultSums; // SumRepeatBan: sums 21..S of the results

    bool hasDecadeShape(uint64_t code) const {
        return std::binary_search(decadeShapes.begin(), decadeShapes.end(), code);
    }
    void addDecadeShape(uint64_t code) {
        const auto at = std::lower_bound(decadeShapes.begin(), decadeShapes.end(), code);
        if (at == decadeShapes.end() || *at != code)
            decadeShapes.insert(at, code);
    }
};

// Similarity limit T (0..3 in a selection read from the window) as the number
// of shared balls that fails a column.
inline int sharedBallsForLimit(int limit) {
    return limit >= 6 ? 1 : 6 - limit;
}

// Balls of a column in each decade.
using DecadeCounts = std::array<int, kMaxDecades>;

// Shape code of the decade counts (0..6 each) of a game's decades: a base-7 number.
inline uint64_t decadeShapeCode(const DecadeCounts& counts, int decades) {
    uint64_t code = 0;
    for (int d = decades - 1; d >= 0; --d)
        code = 7 * code + static_cast<uint64_t>(counts[static_cast<std::size_t>(d)]);
    return code;
}

// The shape code of a stored record: a ball counts in decade Int(ball / 10),
// one outside 0..N counts nowhere.
inline uint64_t recordShapeCode(const std::array<int16_t, 6>& balls, const Game& game) {
    DecadeCounts counts{};
    for (int16_t v : balls)
        if (v >= 0 && v <= game.balls())
            ++counts[static_cast<std::size_t>(Game::decadeOf(v))];
    return decadeShapeCode(counts, game.decades());
}

// Prepares a filter run, as building a list, filtering the list and testing a
// column do before they evaluate: loads the forbidden pairs, indexes the
// sextets, played columns and results that the selection needs, fills
// LastWeeks, turns LastWeekSpanBan = -1 into the last result's span, and
// switches off (in `selection`, for good) the filters whose data is missing,
// deleting an empty sextets, played or results file. VELMORIX.YS2 is never
// deleted; when it is missing or unusable the run has no forbidden pairs.
// `stage` hears the build stages 3 (sextets), 4 (played) and 5 (results).
// Throws FileError.
RunContext prepareRunContext(FilterSelection& selection, const DataDir& dir, const Game& game,
                             const std::function<void(int16_t)>& stage = {});
// The same for 6/49.
RunContext prepareRunContext(FilterSelection& selection, const DataDir& dir,
                             const std::function<void(int16_t)>& stage = {});

// The record's offsets from its first ball as ranked five balls, when they rise
// within 1..N-1 (only then are they the gaps of some column).
bool gapPatternRank(const std::array<int16_t, 6>& balls, const Game& game, uint32_t& rank);

} // namespace velmorix
