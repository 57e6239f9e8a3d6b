#include "ResultsToBalls.h"

#include "core/Program.h"

#include "analysis/AutoSelection.h"
#include "analysis/RepetitionCounts.h"
#include "core/ColumnFile.h"

#include <algorithm>

namespace velmorix {

DrawCounts countDraws(const DataDir& dir) {
    const std::vector<ColumnRecord> results = readAllRecords(dir, files::Results);
    DrawCounts counts;
    counts.ball = RepetitionCounts::of(results).ball;
    counts.results = static_cast<int32_t>(results.size());
    return counts;
}

BagList bagFromDraws(const DrawCounts& counts) {
    return leastDrawnBag(counts.ball, counts.results);
}

BankoList bankersFromDraws(const DrawCounts& counts, int bagSize, int balls) {
    const int most = bagSize < 35 ? 1 : 2;
    // Only balls the counts hold.
    balls = std::min(balls, static_cast<int>(counts.ball.size()) - 1);
    BankoList bankers;
    for (int32_t c = 0; c <= counts.results && bankers.empty(); ++c)
        for (int b = 1; b <= balls && bankers.count() < most; ++b)
            if (counts.ball[static_cast<std::size_t>(b)] == c)
                bankers.push(b);
    return bankers;
}

} // namespace velmorix
