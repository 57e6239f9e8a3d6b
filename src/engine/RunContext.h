#pragma once

#include "SubsetIndex.h"

#include "core/AppState.h"
#include "core/DataDir.h"
#include "core/FilterSelection.h"

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
    PairTable pairs;                     // 1 for a forbidden pair, both orientations
    std::array<uint64_t, 50> pairMask{}; // per ball, the balls it may not stand beside
    int32_t resultCount = 0;             // ResCount
    int32_t playedCount = 0;             // PlayedCount
    int32_t sextetCount = 0;             // SextetCount
    SubsetIndex resultSimilarity;        // when ResultLimit >= 0
    SubsetIndex playedSimilarity;        // when PlayedLimit >= 0
    SubsetIndex sextetSimilarity;        // when SextetLimit >= 0
    SubsetIndex resultsShareThree;       // ResultsMin3Link
    std::vector<uint64_t> decadeShapes;  // DecadeShapeBan: a bit per shape code
    subsets::SubsetBits gapPatterns;     // GapPatternBan: offsets b2-b1 .. b6-b1 as a 5-subset
    std::bitset<280> resultSums;         // SumRepeatBan: sums 21..279 of the results
};

// Similarity limit T (0..3 in a selection read from the window) as the number
// of shared balls that fails a column.
inline int sharedBallsForLimit(int limit) {
    return limit >= 6 ? 1 : 6 - limit;
}

// Shape code of five decade counts (0..6 each): a base-7 number.
inline int decadeShapeCode(const std::array<int, 5>& counts) {
    return counts[0] + 7 * (counts[1] + 7 * (counts[2] + 7 * (counts[3] + 7 * counts[4])));
}
inline constexpr int DecadeShapeCodes = 7 * 7 * 7 * 7 * 7;

// Prepares a filter run, as building a list, filtering the list and testing a
// column do before they evaluate: loads the forbidden pairs, indexes the
// sextets, played columns and results that the selection needs, fills
// LastWeeks, turns LastWeekSpanBan = -1 into the last result's span, and
// switches off (in `selection`, for good) the filters whose data is missing,
// deleting an empty sextets, played or results file. VELMORIX.YS2 is never
// deleted; when it is missing or unusable the run has no forbidden pairs.
// `stage` hears the build stages 3 (sextets), 4 (played) and 5 (results).
// Throws FileError.
RunContext prepareRunContext(FilterSelection& selection, const DataDir& dir,
                             const std::function<void(int16_t)>& stage = {});

} // namespace velmorix
