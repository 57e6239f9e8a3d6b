#include "FollowingNumbers.h"

#include "core/ColumnFile.h"
#include "core/ListUndo.h"
#include "core/SafeFile.h"

#include <algorithm>
#include <memory>
#include <numeric>

namespace velmorix {

namespace {

std::size_t ix(int i) {
    return static_cast<std::size_t>(i);
}

// Every ball of `after` followed every ball of `before`.
void addStep(FollowTable& followedBy, ColumnMask before, ColumnMask after) {
    if (before == 0 || after == 0)
        return;
    forEachBall(before, [&](int x) { forEachBall(after, [&](int b) { ++followedBy[ix(x)][ix(b)]; }); });
}

std::array<int, 6> ballsOf(ColumnMask mask) {
    std::array<int, 6> balls{};
    for (std::size_t i = 0; i < 6 && mask != 0; ++i, mask &= mask - 1)
        balls[i] = lowestBall(mask);
    return balls;
}

FollowRanking rankFromMatrix(FollowRanking r) {
    const int n = r.game.balls();
    for (int b = 1; b <= n; ++b) {
        auto& m = r.follow[ix(b)];
        m[0] = 0;
        int64_t sum = 0;
        for (int k = 1; k <= 6; ++k) {
            m[0] += m[ix(k)] > 0;
            sum += m[ix(k)];
        }
        r.score[ix(b)] = 1000 * int64_t{m[0]} + sum;
        r.score[0] = std::max(r.score[0], r.score[ix(b)]);
    }
    std::vector<int> order(ix(n));
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return r.score[ix(a)] > r.score[ix(b)]; });
    for (int p = 1; p <= n; ++p) {
        r.order[ix(p)] = order[ix(p - 1)];
        r.rankOf[ix(order[ix(p - 1)])] = p;
    }
    return r;
}

// Result number padded to the width of the last one: two digits, or three at most.
std::string lineFor(int r, int last, int value) {
    const std::size_t width = std::min<std::size_t>(std::to_string(last).size(), 3);
    std::string number = std::to_string(r);
    if (width >= 2)
        while (number.size() < width)
            number.insert(number.begin(), '0');
    std::string v = std::to_string(value);
    while (v.size() < 3)
        v.insert(v.begin(), '0');
    return "TKuantum(" + number + ") = " + v;
}

} // namespace

int32_t FollowRanking::followedTimes(int ball) const {
    const auto& m = follow[ix(ball)];
    return m[1] + m[2] + m[3] + m[4] + m[5] + m[6];
}

ColumnMask FollowRanking::bestSix() const {
    ColumnMask mask = 0;
    for (int p = 1; p <= 6; ++p)
        mask |= ballBit(order[ix(p)]);
    return mask;
}

int FollowRanking::rankSum(ColumnMask mask) const {
    int sum = 0;
    forEachBall(mask, [&](int b) { sum += rankOf[ix(b)]; });
    return sum;
}

FollowRanking rankFollowers(const FollowTable& followedBy, const std::array<int, 6>& reference,
                            const Game& game) {
    FollowRanking r;
    r.game = game;
    for (int k = 1; k <= 6; ++k) {
        const int x = reference[ix(k - 1)];
        if (!game.isBall(x))
            continue;
        for (int b = 1; b <= game.balls(); ++b)
            r.follow[ix(b)][ix(k)] = followedBy[ix(x)][ix(b)];
    }
    return rankFromMatrix(r);
}

FollowReport computeFollowing(const std::vector<ColumnRecord>& results, int first, int last,
                              const Game& game) {
    FollowReport rep;
    rep.first = first;
    rep.last = last;
    rep.tkuantum = RunFigures::startingAt(game.maxSum(), Game::kMinSum);
    rep.hits = RunFigures::startingAt(6, 0);
    auto maskOf = [&](int r) { return columnBalls(game, results[ix(r - 1)].Ball); };

    rep.valueLines.push_back(lineFor(first, last, 0));
    // Too large for the stack of a worker thread.
    auto followedBy = std::make_unique<FollowTable>();
    for (int i = first + 1; i <= last - 1; ++i) {
        addStep(*followedBy, maskOf(i - 1), maskOf(i));
        const ColumnMask reference = maskOf(i);
        const ColumnMask next = maskOf(i + 1);
        int value = 0;
        if (reference != 0 && next != 0) {
            FollowRanking ranking;
            ranking.game = game;
            if (i == first + 1) {
                // A single step: every reference ball is followed by the balls
                // of that one draw, whatever the draw before held.
                forEachBall(reference, [&](int b) {
                    for (int k = 1; k <= 6; ++k)
                        ranking.follow[ix(b)][ix(k)] = 1;
                });
                ranking = rankFromMatrix(ranking);
            } else {
                ranking = rankFollowers(*followedBy, ballsOf(reference), game);
            }
            value = ranking.rankSum(next);
            rep.tkuantum.add(value);
            rep.hits.add(ballCount(next & ranking.bestSix()));
        }
        rep.valueLines.push_back(lineFor(i, last, value));
    }
    rep.valueLines.push_back(lineFor(last, last, 0));

    addStep(*followedBy, maskOf(last - 1), maskOf(last));
    const ColumnMask reference = maskOf(last);
    rep.referenceValid = reference != 0;
    // A damaged last result names no reference balls: ranking "followers" of
    // nothing would only put 1..6 first by ball number.
    if (!rep.referenceValid)
        return rep;
    rep.ranking = rankFollowers(*followedBy, ballsOf(reference), game);
    for (int p = 1; p <= game.balls(); ++p) {
        const int ball = rep.ranking.order[ix(p)];
        rep.scoreLines.push_back((ball < 10 ? " 0" : " ") + std::to_string(ball) + " : " +
                                 std::to_string(rep.ranking.follow[ix(ball)][0]) + "." +
                                 std::to_string(rep.ranking.followedTimes(ball)));
    }
    for (int p = 1; p <= 6; ++p)
        rep.bestSixText += (p > 1 ? "," : "") + std::to_string(rep.ranking.order[ix(p)]);
    return rep;
}

int32_t filterListByFollowing(const DataDir& dir, const FollowRanking& ranking, int64_t minHits,
                              int64_t minValue, int64_t maxValue,
                              const std::function<void(int32_t, int32_t)>& progress) {
    const ListUndoPoint undo(dir, "Takip eden sayılara göre eleme");
    copyFileSafe(dir, files::List, files::OldList);
    const ColumnMask best = ranking.bestSix();
    int32_t record = 0;
    int32_t written = 0;
    rewriteList(dir, files::List, files::Temp, [&](ColumnRecord& r) {
        if (progress)
            progress(written, ++record);
        const ColumnMask mask = columnBalls(ranking.game, r.Ball);
        if (mask == 0)
            return false;
        const int value = ranking.rankSum(mask);
        if (ballCount(mask & best) < minHits || value < minValue || value > maxValue)
            return false;
        r.Tag = value;
        ++written;
        return true;
    });
    return written;
}

} // namespace velmorix
