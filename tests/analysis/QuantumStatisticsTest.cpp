#include "analysis/QuantumStatistics.h"
#include "analysis/QuantumRange.h"
#include "support/TempDataDir.h"

#include <gtest/gtest.h>
#include <set>
#include <tuple>

using namespace velmorix;
using velmorix::test::rec;

namespace {

// Eleven results; the window 8..11 is the one under test.
std::vector<ColumnRecord> elevenResults() {
    std::vector<ColumnRecord> r(7, rec(653, {1, 2, 3, 4, 5, 6}));
    r.push_back(rec(653, {10, 20, 30, 40, 41, 42}));
    r.push_back(rec(653, {42, 41, 40, 30, 20, 10})); // the six most drawn before it
    r.push_back(rec(653, {1, 2, 3, 4, 5, 6}));
    r.push_back(rec(653, {44, 45, 46, 47, 48, 49}));
    return r;
}

} // namespace

TEST(QuantumRankingTest, EqualCountsRankBySmallerBallAndThePartsFollowTheThreshold) {
    std::array<int32_t, 50> counts{};
    counts[40] = 5;
    counts[5] = 3;
    counts[2] = 3;
    counts[49] = 1;
    const QuantumRanking r = rankByRepetitions(counts, 6);
    EXPECT_EQ(r.rtor[1], 40);
    EXPECT_EQ(r.rtor[2], 2);
    EXPECT_EQ(r.rtor[3], 5);
    EXPECT_EQ(r.rtor[4], 49);
    EXPECT_EQ(r.rtor[5], 1);
    EXPECT_EQ(r.rtor[49], 48);
    EXPECT_EQ(r.rankOf[5], 3);
    EXPECT_EQ(r.count[0], 5);
    // 5 does not pass 6 after the first level; 11 does after the second.
    EXPECT_EQ(r.topSize(), 3);
    // Level 0: 45 balls, 0 + 1 + 0 <= 6; level 1 adds 49: 1 + 1 + 1 <= 6;
    // levels 2 (3 <= 6) and 3 (balls 5 and 2: 3 + 1 + 7 > 6) end it.
    EXPECT_EQ(r.bottomSize(), 48);
}

TEST(QuantumReportTest, WalksForwardWithItsLinesFiguresAndLimits) {
    const QuantumReport rep = computeQuantum(elevenResults(), 8, 11);
    EXPECT_EQ(rep.valueLines, (std::vector<std::string>{" Kuantum(08) = 000", " Kuantum(09) = 021",
                                                        " Kuantum(10) = 057", " Kuantum(11) = 279"}));
    EXPECT_EQ(rep.values, (std::vector<int16_t>{0, 21, 57, 279}));
    EXPECT_EQ(rep.overall.max, 279);
    EXPECT_EQ(rep.overall.min, 21);
    EXPECT_EQ(rep.overall.averageText(2), "119");
    EXPECT_EQ(rep.reduced.count, 1);
    EXPECT_EQ(rep.defaultMin, 57);
    EXPECT_EQ(rep.defaultMax, 57);

    // First 12 ranks: 6, 6, 0 balls; last 12: 0, 0, 6.
    EXPECT_EQ(rep.groups[0].averageText(3), "4");
    EXPECT_EQ(rep.groups[1].averageText(3), "2");
    EXPECT_EQ(rep.limits.gi12kmax, 6); // (6 + 4) / 2 + 1
    EXPECT_EQ(rep.limits.gi12kmin, 2); // (0 + 4) / 2 + 0.5
    EXPECT_EQ(rep.limits.gs12kmax, 5); // (6 + 2) / 2 + 1
    EXPECT_EQ(rep.limits.gs12kmin, 1); // (0 + 2) / 2 + 0.5

    // The whole window: 10..42 twice, then 1..6 and 44..49 once, then the rest.
    EXPECT_EQ(rep.ranking.rtor[1], 10);
    EXPECT_EQ(rep.ranking.rtor[7], 1);
    EXPECT_EQ(rep.ranking.rtor[13], 44);
    EXPECT_EQ(rep.ranking.rtor[19], 7);
    EXPECT_EQ(rep.ranking.topSize(), 6);
    EXPECT_EQ(rep.rankingLines[0], " 10 :  2 kez...");
    EXPECT_EQ(rep.rankingLines[6], " 01 :  1 kez...");
    EXPECT_EQ(rep.rankingLines[18], " 07 : Yok...");
    EXPECT_EQ(rep.rankingLines[48], " 43 : Yok...");
}

TEST(QuantumReportTest, PadsResultNumbersToTheWidthOfTheLast) {
    std::vector<ColumnRecord> results(120, rec(653, {1, 2, 3, 4, 5, 6}));
    results[5] = rec(653, {7, 8, 9, 10, 11, 12});
    EXPECT_EQ(computeQuantum(results, 8, 100).valueLines.front(), " Kuantum(008) = 000");
    EXPECT_EQ(computeQuantum(results, 8, 100).valueLines.back(), " Kuantum(100) = 021");
    EXPECT_EQ(computeQuantum(results, 95, 101).valueLines[5], " Kuantum(100) = 021");
    // A window starting later keeps a meaningful top part: its threshold is
    // the number of results taken, not the record number.
    const QuantumReport late = computeQuantum(results, 90, 93);
    EXPECT_EQ(late.ranking.topSize(), 6);
}

TEST(QuantumReportTest, EveryValueLiesBetween21And279) {
    std::vector<ColumnRecord> results;
    uint32_t seed = 12345;
    for (int i = 0; i < 300; ++i) {
        std::set<int16_t> balls;
        while (balls.size() < 6) {
            seed = seed * 1103515245u + 12345u;
            balls.insert(static_cast<int16_t>(1 + (seed >> 16) % 49));
        }
        ColumnRecord r;
        std::copy(balls.begin(), balls.end(), r.Ball.begin());
        results.push_back(r);
    }
    results[150].Ball[0] = 60; // a damaged result is not measured
    const QuantumReport rep = computeQuantum(results, 1, 300);
    for (std::size_t k = 1; k < rep.values.size(); ++k) {
        if (k != 150) {
            ASSERT_TRUE(rep.values[k] >= 21 && rep.values[k] <= 279) << k;
        }
    }
    EXPECT_EQ(rep.values[150], 0);
    EXPECT_EQ(rep.overall.count, 298);
    EXPECT_GT(rep.reduced.count, 200);
}

TEST(QuantumReportTest, NineHundredNinetyNineResultsWalkForward) {
    std::vector<ColumnRecord> results;
    for (int i = 0; i < 999; ++i)
        results.push_back(rec(653, {1 + i % 44, 2 + i % 44, 3 + i % 44, 4 + i % 44, 5 + i % 44, 6 + i % 44}));
    const QuantumReport rep = computeQuantum(results, 1, 999);
    EXPECT_EQ(rep.overall.count, 998);
}

TEST(QuantumCoverageTest, NarrowsToEightyFivePercent) {
    std::vector<int16_t> values{0};
    for (int v = 101; v <= 200; ++v)
        values.push_back(static_cast<int16_t>(v));
    const CoverageLimits c = coverageLimits(values, 101, 200);
    // lo rises while more than 92.5 of 100 lie inside; hi then falls to 85.
    EXPECT_EQ(c.low, 109);
    EXPECT_EQ(c.high, 193);
    EXPECT_EQ(c.percent, 85);
}

TEST(QuantumGroupingTest, TwelveTwelveAndTheRest) {
    const QuantumReport rep = computeQuantum(elevenResults(), 8, 11);
    const GroupingConfig cfg = rankGroupsConfig(rep.ranking, rep.limits, true);
    std::array<int, 11> sizes{};
    for (int b = 1; b <= 49; ++b) {
        const int g = cfg.GroupOf[static_cast<std::size_t>(b)];
        ASSERT_TRUE(g >= 1 && g <= 3) << b;
        ++sizes[static_cast<std::size_t>(g)];
    }
    EXPECT_EQ(sizes[1], 12);
    EXPECT_EQ(sizes[2], 12);
    EXPECT_EQ(sizes[3], 25);
    EXPECT_EQ(cfg.GroupOf[10], 1);
    EXPECT_EQ(cfg.GroupOf[6], 1);
    EXPECT_EQ(cfg.GroupOf[43], 2);
    EXPECT_EQ(cfg.GroupOf[29], 2);
    EXPECT_EQ(cfg.GroupOf[28], 2);
    EXPECT_EQ(cfg.GroupOf[27], 3);
    EXPECT_EQ(cfg.GroupMin[0], 2);
    EXPECT_EQ(cfg.GroupMax[0], 6);
    EXPECT_EQ(cfg.GroupMin[2], 6 - 5 - 6); // written as computed, below 0
    EXPECT_EQ(cfg.GroupMax[2], 6 - 1 - 2);
    EXPECT_EQ(cfg.GroupMax[3], 0);

    const GroupingConfig parts = rankGroupsConfig(rep.ranking, rep.limits, false);
    int top = 0;
    for (int b = 1; b <= 49; ++b)
        top += parts.GroupOf[static_cast<std::size_t>(b)] == 1;
    EXPECT_EQ(top, rep.ranking.topSize());
}

TEST(QuantumRangeTest, FourToNineHundredNinetyNineResultsOfTheFile) {
    const std::string few = "Kuantum işlemleri için en az 4 sonuç gerekmektedir !";
    const std::string many = "Kuantum işlemleri için en çok 999 sonuç kullanılabilir !";
    const std::tuple<std::size_t, int64_t, int64_t, std::string> cases[] = {
        {4, 1, 4, ""},      {3, 1, 4, few},        {10, 2, 4, few}, {10, 0, 4, few},
        {2000, 1, 999, ""}, {2000, 1, 1000, many}, {10, 5, 1, few}};
    for (const auto& [count, first, last, refusal] : cases)
        EXPECT_EQ(quantumRangeRefusal(count, first, last), refusal) << count << ' ' << first << ' ' << last;
}
