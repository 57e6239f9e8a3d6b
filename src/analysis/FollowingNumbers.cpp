#include "FollowingNumbers.h"

#include "core/ColumnFile.h"
#include "core/ListUndo.h"
#include "core/SafeFile.h"

#include <algorithm>
#include <numeric>

namespace velmorix {

namespace {

std::size_t ix(int i) {
    return static_cast<std::size_t>(i);
}

using FollowTable = std::array<std::array<int32_t, 50>, 50>;

// Every ball of `after` followed every ball of `before`.
void addStep(FollowTable& followedBy, uint64_t before, uint64_t after) {
    if (before == 0 || after == 0)
        return;
    for (uint64_t x = before; x != 0; x &= x - 1)
        for (uint64_t b = after; b != 0; b &= b - 1)
            ++followedBy[ix(__builtin_ctzll(x))][ix(__builtin_ctzll(b))];
}

std::array<int, 6> ballsOf(uint64_t mask) {
    std::array<int, 6> balls{};
    for (std::size_t i = 0; i < 6 && mask != 0; ++i, mask &= mask - 1)
        balls[i] = __builtin_ctzll(mask);
    return balls;
}

FollowRanking rankFromMatrix(FollowRanking r) {
    for (int b = 1; b <= 49; ++b) {
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
    std::array<int, 49> order{};
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return r.score[ix(a)] > r.score[ix(b)]; });
    for (int p = 1; p <= 49; ++p) {
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

uint64_t FollowRanking::bestSix() const {
    uint64_t mask = 0;
    for (int p = 1; p <= 6; ++p)
        mask |= uint64_t{1} << order[ix(p)];
    return mask;
}

int FollowRanking::rankSum(uint64_t mask) const {
    int sum = 0;
    for (uint64_t m = mask; m != 0; m &= m - 1)
        sum += rankOf[ix(__builtin_ctzll(m))];
    return sum;
}

FollowRanking rankFollowers(const FollowTable& followedBy, const std::array<int, 6>& reference) {
    FollowRanking r;
    for (int k = 1; k <= 6; ++k) {
        const int x = reference[ix(k - 1)];
        if (x < 1 || x > 49)
            continue;
        for (int b = 1; b <= 49; ++b)
            r.follow[ix(b)][ix(k)] = followedBy[ix(x)][ix(b)];
    }
    return rankFromMatrix(r);
}

FollowReport computeFollowing(const std::vector<ColumnRecord>& results, int first, int last) {
    FollowReport rep;
    rep.first = first;
    rep.last = last;
    rep.tkuantum = RunFigures::startingAt(279, 21);
    rep.hits = RunFigures::startingAt(6, 0);
    auto maskOf = [&](int r) { return columnMask(results[ix(r - 1)].Ball); };

    rep.valueLines.push_back(lineFor(first, last, 0));
    FollowTable followedBy{};
    for (int i = first + 1; i <= last - 1; ++i) {
        addStep(followedBy, maskOf(i - 1), maskOf(i));
        const uint64_t reference = maskOf(i);
        const uint64_t next = maskOf(i + 1);
        int value = 0;
        if (reference != 0 && next != 0) {
            FollowRanking ranking;
            if (i == first + 1) {
                // A single step: every reference ball is followed by the balls
                // of that one draw, whatever the draw before held.
                for (uint64_t b = reference; b != 0; b &= b - 1)
                    for (int k = 1; k <= 6; ++k)
                        ranking.follow[ix(__builtin_ctzll(b))][ix(k)] = 1;
                ranking = rankFromMatrix(ranking);
            } else {
                ranking = rankFollowers(followedBy, ballsOf(reference));
            }
            value = ranking.rankSum(next);
            rep.tkuantum.add(value);
            rep.hits.add(__builtin_popcountll(next & ranking.bestSix()));
        }
        rep.valueLines.push_back(lineFor(i, last, value));
    }
    rep.valueLines.push_back(lineFor(last, last, 0));

    addStep(followedBy, maskOf(last - 1), maskOf(last));
    const uint64_t reference = maskOf(last);
    rep.referenceValid = reference != 0;
    // A damaged last result names no reference balls: ranking "followers" of
    // nothing would only put 1..6 first by ball number.
    if (!rep.referenceValid)
        return rep;
    rep.ranking = rankFollowers(followedBy, ballsOf(reference));
    for (int p = 1; p <= 49; ++p) {
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
    const uint64_t best = ranking.bestSix();
    int32_t record = 0;
    int32_t written = 0;
    rewriteList(dir, files::List, files::Temp, [&](ColumnRecord& r) {
        if (progress)
            progress(written, ++record);
        const uint64_t mask = columnMask(r.Ball);
        if (mask == 0)
            return false;
        const int value = ranking.rankSum(mask);
        if (__builtin_popcountll(mask & best) < minHits || value < minValue || value > maxValue)
            return false;
        r.Tag = value;
        ++written;
        return true;
    });
    return written;
}

} // namespace velmorix
