#include "QuantumStatistics.h"

#include "core/Numbers.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace velmorix {

namespace {

std::size_t ix(int i) {
    return static_cast<std::size_t>(i);
}

void addColumn(std::array<int32_t, kMaxBalls + 1>& counts, ColumnMask mask) {
    forEachBall(mask, [&](int b) { ++counts[ix(b)]; });
}

// " 0012" style: no pad when r has as many digits as the last result number,
// one zero when it has one fewer, two otherwise.
std::string valueLine(int r, int last, int value) {
    const std::size_t width = std::to_string(last).size();
    const std::size_t have = std::to_string(r).size();
    const std::string pad = have >= width ? "" : have + 1 == width ? "0" : "00";
    std::string v = std::to_string(value);
    while (v.size() < 3)
        v.insert(v.begin(), '0');
    return " Kuantum(" + pad + std::to_string(r) + ") = " + v;
}

// Integer part of (extreme + sum / count) / 2 + half / 2, computed exactly.
int16_t limitOf(int32_t extreme, const RunFigures& f, int half) {
    const int64_t count = f.count > 0 ? f.count : 1;
    const int64_t v = (extreme * count + f.sum + half * count) / (2 * count);
    return static_cast<int16_t>(v);
}

} // namespace

void RunFigures::add(int32_t v) {
    max = std::max(max, v);
    min = std::min(min, v);
    sum += v;
    ++count;
}

std::string RunFigures::averageText(int decimals) const {
    std::string s = fractionText(sum, count > 0 ? count : 1, decimals);
    if (!s.empty() && s.front() == ' ')
        s.erase(s.begin());
    return s;
}

QuantumRanking rankByRepetitions(std::span<const int32_t> counts, int32_t threshold, const Game& game) {
    QuantumRanking r;
    r.game = game;
    const int n = std::min(game.balls(), static_cast<int>(counts.size()) - 1);
    std::vector<int> order(ix(n));
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return counts[ix(a)] > counts[ix(b)]; });
    int32_t highest = 0;
    for (int b = 1; b <= n; ++b) {
        r.count[ix(b)] = counts[ix(b)];
        highest = std::max(highest, counts[ix(b)]);
    }
    r.count[0] = highest;

    // Top part: whole count levels, until their running total passes the threshold.
    int64_t total = 0;
    bool topDone = false;
    for (int p = 1; p <= n; ++p) {
        const int ball = order[ix(p - 1)];
        r.rtor[ix(p)] = static_cast<int16_t>(ball);
        r.rankOf[ix(ball)] = static_cast<int8_t>(p);
        if (topDone)
            continue;
        total += counts[ix(ball)];
        const bool levelEnds = p == n || counts[ix(order[ix(p)])] != counts[ix(ball)];
        if (levelEnds && total > threshold) {
            r.rtor[0] = static_cast<int16_t>(p);
            topDone = true;
        }
    }

    // Bottom part: levels from 0 upwards, higher ball numbers first.
    int m = 0;
    int64_t bottomTotal = 0;
    for (int32_t level = 0; level <= highest; ++level) {
        for (int b = n; b >= 1; --b)
            if (counts[ix(b)] == level) {
                ++m;
                bottomTotal += level;
            }
        if (level + 1 + bottomTotal > threshold)
            break;
    }
    r.rtor[ix(game.balls() + 1)] = static_cast<int16_t>(m);
    return r;
}

int kuantumOfMask(const QuantumRanking& ranking, ColumnMask mask) {
    int k = 0;
    forEachBall(mask, [&](int b) { k += ranking.rankOf[ix(b)]; });
    return k;
}

RankGroupCounts rankGroupsOfMask(const QuantumRanking& ranking, ColumnMask mask) {
    RankGroupCounts g;
    const int n = ranking.topSize();
    const int balls = ranking.game.balls();
    const int bottomFrom = balls + 1 - ranking.bottomSize();
    forEachBall(mask, [&](int b) {
        const int rank = ranking.rankOf[ix(b)];
        g.first12 += rank <= 12;
        g.last12 += rank >= balls - 11;
        g.top += rank <= n;
        g.bottom += rank >= bottomFrom;
    });
    return g;
}

QuantumReport computeQuantum(const std::vector<ColumnRecord>& results, int first, int last,
                             const Game& game) {
    QuantumReport rep;
    rep.first = first;
    rep.last = last;
    rep.values.assign(ix(last - first + 1), 0);
    rep.overall = RunFigures::startingAt(game.maxSum(), Game::kMinSum);
    rep.groups.fill(RunFigures::startingAt(6, 0));
    rep.valueLines.push_back(valueLine(first, last, 0));

    auto maskOf = [&](int r) { return columnBalls(game, results[ix(r - 1)].Ball); };
    std::array<int32_t, kMaxBalls + 1> counts{};
    for (int i = first; i < last; ++i) {
        // A damaged result counts nothing and is not measured.
        addColumn(counts, maskOf(i));
        const QuantumRanking ranking = rankByRepetitions(counts, i - first + 1, game);
        const ColumnMask next = maskOf(i + 1);
        int value = 0;
        if (next != 0) {
            value = kuantumOfMask(ranking, next);
            rep.overall.add(value);
            const RankGroupCounts g = rankGroupsOfMask(ranking, next);
            rep.groups[0].add(g.first12);
            rep.groups[1].add(g.last12);
            rep.groups[2].add(g.top);
            rep.groups[3].add(g.bottom);
        }
        rep.values[ix(i + 1 - first)] = static_cast<int16_t>(value);
        rep.valueLines.push_back(valueLine(i + 1, last, value));
    }

    rep.reduced = RunFigures::startingAt(game.maxSum(), Game::kMinSum);
    for (std::size_t k = 1; k < rep.values.size(); ++k) {
        const int v = rep.values[k];
        if (v != 0 && v > rep.overall.min && v < rep.overall.max)
            rep.reduced.add(v);
    }
    if (rep.reduced.count == 0) {
        // Nothing strictly inside: the overall range stands in.
        rep.reduced.min = rep.overall.min;
        rep.reduced.max = rep.overall.max;
    }
    rep.defaultMin = rep.reduced.min;
    rep.defaultMax = rep.reduced.max;

    addColumn(counts, maskOf(last));
    rep.ranking = rankByRepetitions(counts, last - first + 1, game);
    for (int p = 1; p <= game.balls(); ++p) {
        const int ball = rep.ranking.rtor[ix(p)];
        const int32_t count = rep.ranking.count[ix(ball)];
        std::string line = (ball < 10 ? " 0" : " ") + std::to_string(ball);
        line += count >= 1 ? " : " + Str(count) + " kez..." : std::string(" : Yok...");
        rep.rankingLines.push_back(line);
    }

    auto& l = rep.limits;
    const auto& g = rep.groups;
    l.gi12kmax = limitOf(g[0].max, g[0], 2);
    l.gi12kmin = limitOf(g[0].min, g[0], 1);
    l.gs12kmax = limitOf(g[1].max, g[1], 2);
    l.gs12kmin = limitOf(g[1].min, g[1], 1);
    l.gi6kmax = limitOf(g[2].max, g[2], 2);
    l.gi6kmin = limitOf(g[2].min, g[2], 1);
    l.gs6kmax = limitOf(g[3].max, g[3], 2);
    l.gs6kmin = limitOf(g[3].min, g[3], 1);
    return rep;
}

CoverageLimits coverageLimits(const std::vector<int16_t>& values, int overallMin, int overallMax) {
    CoverageLimits c{0, overallMin + 1, overallMax};
    int64_t total = 0;
    for (int16_t v : values)
        total += v != 0;
    if (total == 0)
        return c;
    auto inside = [&](int lo, int hi) {
        int64_t n = 0;
        for (int16_t v : values)
            n += v != 0 && v >= lo && v <= hi;
        return n;
    };
    while (inside(c.low, c.high) * 1000 > 925 * total)
        ++c.low;
    int64_t in = 0;
    do {
        --c.high;
        in = inside(c.low, c.high);
    } while (in * 100 > 85 * total);
    c.percent = static_cast<int>(in * 100 / total);
    return c;
}

GroupingConfig rankGroupsConfig(const QuantumRanking& ranking, const RankGroupLimits& limits, bool twelve) {
    GroupingConfig cfg;
    const Game& game = ranking.game;
    const int top = twelve ? 12 : ranking.topSize();
    const int bottomFrom = game.balls() + 1 - (twelve ? 12 : ranking.bottomSize());
    // Where the two parts would overlap, the top part keeps its balls.
    for (int p = game.balls(); p >= 1; --p) {
        const int ball = ranking.rtor[ix(p)];
        if (!game.isBall(ball))
            continue;
        cfg.GroupOf[ix(ball)] = p <= top ? 1 : p >= bottomFrom ? 2 : 3;
    }
    const int16_t topMin = twelve ? limits.gi12kmin : limits.gi6kmin;
    const int16_t topMax = twelve ? limits.gi12kmax : limits.gi6kmax;
    const int16_t bottomMin = twelve ? limits.gs12kmin : limits.gs6kmin;
    const int16_t bottomMax = twelve ? limits.gs12kmax : limits.gs6kmax;
    cfg.GroupMin[0] = topMin;
    cfg.GroupMax[0] = topMax;
    cfg.GroupMin[1] = bottomMin;
    cfg.GroupMax[1] = bottomMax;
    cfg.GroupMin[2] = static_cast<int16_t>(6 - bottomMax - topMax);
    cfg.GroupMax[2] = static_cast<int16_t>(6 - bottomMin - topMin);
    return cfg;
}

} // namespace velmorix
