#include "RangeStatistics.h"

#include "core/BallMask.h"

#include "core/Numbers.h"

#include <algorithm>

namespace velmorix {

namespace {

std::string withoutBlanks(std::string s) {
    s.erase(std::remove(s.begin(), s.end(), ' '), s.end());
    return s;
}

std::size_t at(int g) {
    return static_cast<std::size_t>(g);
}

} // namespace

int similarity(const std::array<int16_t, 6>& a, const std::array<int16_t, 6>& b, const Game& game) {
    return ballCount(columnBalls(game, a) & columnBalls(game, b));
}

std::string RangeStatistics::sumHighText() const {
    return Str(figures.SumHigh);
}

std::string RangeStatistics::sumLowText() const {
    return Str(figures.SumLow);
}

std::string RangeStatistics::sumMeanText() const {
    return withoutBlanks(fractionText(figures.SumTotal, std::max<int32_t>(figures.SumCount, 1), 3));
}

std::string RangeStatistics::groupHighText(int g) const {
    return Str(figures.GroupHigh[at(g)]);
}

std::string RangeStatistics::groupLowText(int g) const {
    return Str(figures.GroupLow[at(g)]);
}

std::string RangeStatistics::groupMeanText(int g) const {
    return fractionText(figures.GroupTotal[at(g)], std::max<int32_t>(figures.SumCount, 1), 3);
}

std::array<std::string, 6> RangeStatistics::similarityTexts() const {
    if (!similarity)
        return {"-", "-", "-", "-", "-", "-"};
    return similarity->texts();
}

std::array<std::string, 6> SimilarityFigures::texts() const {
    return {Str(lastWithPrevious),
            Str(lastWithSecondPrevious),
            Str(lastHighest),
            fractionText(previousTotal, std::max<int64_t>(previousCount, 1), 3),
            fractionText(secondTotal, std::max<int64_t>(secondCount, 1), 3),
            Str(highest)};
}

SimilarityFigures computeSimilarity(const std::vector<ColumnRecord>& range, const Game& game) {
    SimilarityFigures s;
    std::vector<ColumnMask> masks;
    masks.reserve(range.size());
    for (const ColumnRecord& r : range)
        masks.push_back(columnBalls(game, r.Ball));
    const std::size_t n = masks.size();
    auto common = [&](std::size_t i, std::size_t j) { return ballCount(masks[i] & masks[j]); };
    for (std::size_t k = 0; k + 1 < n; ++k) {
        s.lastWithPrevious = common(k, k + 1);
        s.previousTotal += s.lastWithPrevious;
        ++s.previousCount;
    }
    for (std::size_t k = 0; k + 2 < n; ++k) {
        s.lastWithSecondPrevious = common(k, k + 2);
        s.secondTotal += s.lastWithSecondPrevious;
        ++s.secondCount;
    }
    if (n < 2)
        return s;
    const std::size_t last = n - 1;
    for (std::size_t j = 0; j < last; ++j)
        s.lastHighest = std::max(s.lastHighest, common(last, j));
    s.highest = s.lastHighest;
    // Six in common is the most there is; no need to look further then.
    for (std::size_t k = 1; k < last && s.highest < 6; ++k)
        for (std::size_t j = 0; j < k; ++j)
            s.highest = std::max(s.highest, common(k, j));
    return s;
}

RangeStatistics computeRangeStatistics(const std::vector<ColumnRecord>& range, bool withSimilarity,
                                       const Game& game) {
    RangeStatistics st;
    st.counts.game = game;
    st.figures = StatisticsFigures::startup(game);
    StatisticsFigures& f = st.figures;
    const int decades = game.decades();
    for (const ColumnRecord& r : range) {
        if (!isGameColumn(game, r.Ball))
            continue;
        st.counts.add(r.Ball);
        std::array<int16_t, kMaxDecades> groups{};
        int sum = 0;
        for (int16_t b : r.Ball) {
            ++groups[at(b / 10)];
            sum += b;
        }
        f.SumLow = static_cast<int16_t>(std::min<int>(f.SumLow, sum));
        f.SumHigh = static_cast<int16_t>(std::max<int>(f.SumHigh, sum));
        ++f.SumCount;
        f.SumTotal += sum;
        for (int g = 0; g < decades; ++g) {
            f.GroupLow[at(g)] = std::min(f.GroupLow[at(g)], groups[at(g)]);
            f.GroupHigh[at(g)] = std::max(f.GroupHigh[at(g)], groups[at(g)]);
            f.GroupTotal[at(g)] += groups[at(g)];
        }
    }
    if (f.SumCount > 0) {
        f.SumMean = static_cast<float>(f.SumTotal) / static_cast<float>(f.SumCount);
        for (int g = 0; g < decades; ++g)
            f.GroupMean[at(g)] = static_cast<float>(f.GroupTotal[at(g)]) / static_cast<float>(f.SumCount);
    }
    if (withSimilarity)
        st.similarity = computeSimilarity(range, game);
    return st;
}

} // namespace velmorix
