#include "ResultsToBalls.h"

#include "analysis/AutoSelection.h"
#include "analysis/RepetitionCounts.h"
#include "core/ColumnFile.h"

namespace velmorix {

DrawCounts countDraws(const DataDir& dir, const Game& game) {
    const std::vector<ColumnRecord> results = readAllRecords(dir, files::Results);
    DrawCounts counts{.game = game, .ball = RepetitionCounts::of(results, game).ball};
    counts.results = static_cast<int32_t>(results.size());
    return counts;
}

BagList bagFromDraws(const DrawCounts& counts) {
    return leastDrawnBag(counts.ball, counts.results, counts.game);
}

BankoList bankersFromDraws(const DrawCounts& counts, int bagSize) {
    const int most = bagSize < 35 ? 1 : 2;
    BankoList bankers;
    for (int32_t c = 0; c <= counts.results && bankers.empty(); ++c)
        for (int b = 1; b <= counts.game.balls() && bankers.count() < most; ++b)
            if (counts.ball[static_cast<std::size_t>(b)] == c)
                bankers.push(b);
    return bankers;
}

} // namespace velmorix
