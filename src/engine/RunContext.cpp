#include "RunContext.h"

#include "PairsFile.h"

#include "core/ColumnFile.h"

#include <algorithm>
#include <limits>

namespace velmorix {

namespace {

constexpr int16_t True = -1;
constexpr int16_t False = 0;

// Opens a column file for a similarity filter: its record count, or 0 after
// switching the filter off (missing file, or empty file, which is deleted).
int32_t openSimilarityFile(const DataDir& dir, const char* name, int16_t& limit) {
    if (limit < 0)
        return 0;
    if (!dir.exists(name)) {
        limit = -1;
        return 0;
    }
    const int32_t count = recordCount(dir, name);
    if (count < 1) {
        limit = -1;
        dir.remove(name);
        return 0;
    }
    return count;
}

SubsetIndex indexFile(const DataDir& dir, const char* name, int limit, const Game& game) {
    SubsetIndex index(sharedBallsForLimit(limit), game.balls());
    ColumnReader reader(dir, name);
    ColumnRecord r;
    while (reader.next(r))
        index.add(r.Ball);
    return index;
}

bool usesResults(const FilterSelection& s) {
    return s.LastTwoWeeksLink != 0 || s.LastWeekMax2 != 0 || s.GapPatternBan != 0 || s.SumRepeatBan != 0 ||
           s.DecadeShapeBan != 0 || s.ResultsMin3Link != 0 || s.LastWeekSpanBan == True;
}

void indexResults(const DataDir& dir, const FilterSelection& s, RunContext& ctx) {
    const Game& game = ctx.game;
    const bool similarity = s.ResultLimit >= 0;
    if (similarity)
        ctx.resultSimilarity = SubsetIndex(sharedBallsForLimit(s.ResultLimit), game.balls());
    if (s.ResultsMin3Link != 0)
        ctx.resultsShareThree = SubsetIndex(3, game.balls());
    if (s.GapPatternBan != 0)
        ctx.gapPatterns = subsets::SubsetBits(5, game.balls() - 1);

    ColumnReader reader(dir, files::Results);
    ColumnRecord r;
    for (int32_t n = 0; n < ctx.resultCount && reader.next(r); ++n) {
        if (similarity)
            ctx.resultSimilarity.add(r.Ball);
        if (s.ResultsMin3Link != 0)
            ctx.resultsShareThree.add(r.Ball);
        if (s.DecadeShapeBan != 0)
            ctx.addDecadeShape(recordShapeCode(r.Ball, game));
        uint32_t gaps = 0;
        if (s.GapPatternBan != 0 && gapPatternRank(r.Ball, game, gaps))
            ctx.gapPatterns.set(gaps);
        if (s.SumRepeatBan != 0) {
            int sum = 0;
            for (int16_t v : r.Ball)
                sum += v;
            if (sum >= Game::kMinSum && sum <= game.maxSum())
                ctx.resultSums.set(static_cast<std::size_t>(sum));
        }
    }
}

void fillLastWeeks(FilterSelection& s, std::size_t first, const ColumnRecord& r) {
    for (std::size_t i = 0; i < 6; ++i)
        s.LastWeeks[first + i] = r.Ball[i];
}

} // namespace

bool gapPatternRank(const std::array<int16_t, 6>& balls, const Game& game, uint32_t& rank) {
    int offsets[5];
    for (int t = 0; t < 5; ++t) {
        offsets[t] = int{balls[static_cast<std::size_t>(t + 1)]} - balls[0];
        if (offsets[t] < 1 || offsets[t] > game.balls() - 1 || (t > 0 && offsets[t] <= offsets[t - 1]))
            return false;
    }
    rank = subsets::rank(offsets, 5);
    return true;
}

RunContext prepareRunContext(FilterSelection& s, const DataDir& dir,
                             const std::function<void(int16_t)>& stage) {
    return prepareRunContext(s, dir, Game(), stage);
}

RunContext prepareRunContext(FilterSelection& s, const DataDir& dir, const Game& game,
                             const std::function<void(int16_t)>& stage) {
    RunContext ctx;
    ctx.game = game;
    auto enter = [&](int16_t step) {
        if (stage)
            stage(step);
    };

    // A missing or unusable pairs file applies no pairs, but the player's tick
    // stays: the selection is what the filters window shows after the run.
    if (s.ForbiddenPairsOn != 0 && dir.exists(files::Pairs) && loadRunPairs(dir, ctx.pairs, game)) {
        for (int a = 1; a <= game.balls(); ++a)
            for (int b = 1; b <= game.balls(); ++b)
                if (a != b && ctx.pairs(a, b) > 0)
                    ctx.pairMask[static_cast<std::size_t>(a)] |= ballBit(b);
    }

    enter(3);
    ctx.sextetCount = openSimilarityFile(dir, files::Sextets, s.SextetLimit);
    if (ctx.sextetCount > 0)
        ctx.sextetSimilarity = indexFile(dir, files::Sextets, s.SextetLimit, game);

    enter(4);
    ctx.playedCount = openSimilarityFile(dir, files::Played, s.PlayedLimit);
    if (ctx.playedCount > 0)
        ctx.playedSimilarity = indexFile(dir, files::Played, s.PlayedLimit, game);

    enter(5);
    if (dir.exists(files::Results)) {
        ctx.resultCount = recordCount(dir, files::Results);
        if (ctx.resultCount < 1) {
            s.ResultLimit = -1;
            dir.remove(files::Results);
        }
        if (s.ResultLimit < 0 && !(ctx.resultCount > 0 && usesResults(s)))
            ctx.resultCount = 0;
    } else {
        s.ResultLimit = -1;
        ctx.resultCount = 0;
    }

    const int32_t n = ctx.resultCount;
    if (s.LastTwoWeeksLink == True) {
        if (n < 2) {
            s.LastTwoWeeksLink = False;
            s.LastWeekMax2 = False;
        } else {
            fillLastWeeks(s, 1, readRecord(dir, files::Results, n - 1));
            fillLastWeeks(s, 7, readRecord(dir, files::Results, n));
        }
    } else if (s.LastWeekMax2 == True) {
        if (n < 1)
            s.LastWeekMax2 = False;
        else
            fillLastWeeks(s, 7, readRecord(dir, files::Results, n));
    }
    if (s.LastWeekSpanBan == True) {
        int span = 0;
        if (n >= 1) {
            const ColumnRecord last = readRecord(dir, files::Results, n);
            span = int{last.Ball[5]} - last.Ball[0];
        }
        // A hand-made record may give a span past 16 bits; any such span bans nothing.
        s.LastWeekSpanBan = static_cast<int16_t>(
            std::clamp<int>(span, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
    }
    if (n < 1) {
        for (int16_t* f : {&s.GapPatternBan, &s.SumRepeatBan, &s.DecadeShapeBan, &s.ResultsMin3Link})
            if (*f == True)
                *f = False;
    }
    if (n > 0)
        indexResults(dir, s, ctx);
    return ctx;
}

} // namespace velmorix
