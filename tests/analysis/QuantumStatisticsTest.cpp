#include "support/EngineTests.h"

// Eleven results; the window 8..11 is the one under test.
std::vector<ColumnRecord> elevenResults() {
    std::vector<ColumnRecord> r(7, rec(653, {1, 2, 3, 4, 5, 6}));
    r.push_back(rec(653, {10, 20, 30, 40, 41, 42}));
    r.push_back(rec(653, {42, 41, 40, 30, 20, 10})); // the six most drawn before it
    r.push_back(rec(653, {1, 2, 3, 4, 5, 6}));
    r.push_back(rec(653, {44, 45, 46, 47, 48, 49}));
    return r;
}

TEST(QuantumRankingTest, EqualCountsRankBySmallerBallAndThePartsFollowTheThreshold) {
    std::array<int32_t, 50> counts{};
    counts[40] = 5;
    counts[5] = 3;
    counts[2] = 3;
    counts[49] = 1;
    const QuantumRanking r = rankByRepetitions(counts, 5);
    EXPECT_EQ((std::vector<int>{r.rtor[1], r.rtor[2], r.rtor[3], r.rtor[4], r.rtor[5], r.rtor[49]}),
              (std::vector<int>{40, 2, 5, 49, 1, 48}));
    EXPECT_EQ(r.rankOf[5], 3);
    EXPECT_EQ(r.count[0], 5);
    // 5 does not pass 5 after the first level; 11 does after the second.
    EXPECT_EQ(r.topSize(), 3);
    // Level 0: 45 balls, 0 + 1 + 0 <= 5; level 1 adds 49: 1 + 1 + 1 <= 5;
    // level 2 adds none (2 + 1 + 1 <= 5); level 3 (balls 5 and 2: 3 + 1 + 7 > 5) ends it.
    EXPECT_EQ(r.bottomSize(), 48);
}

TEST(QuantumReportTest, WalksForwardWithItsLinesFiguresAndLimits) {
    const QuantumReport rep = computeQuantum(elevenResults(), 8, 11);
    EXPECT_EQ(rep.valueLines, (std::vector<std::string>{" Kuantum(08) = 000", " Kuantum(09) = 021",
                                                        " Kuantum(10) = 057", " Kuantum(11) = 279"}));
    EXPECT_EQ(rep.values, (std::vector<int16_t>{0, 21, 57, 279}));
    EXPECT_EQ((std::vector<int>{rep.overall.max, rep.overall.min, rep.reduced.count, rep.defaultMin,
                                rep.defaultMax}),
              (std::vector<int>{279, 21, 1, 57, 57}));
    EXPECT_EQ(rep.overall.averageText(2), "119");

    // First 12 ranks: 6, 6, 0 balls; last 12: 0, 0, 6.
    EXPECT_EQ(rep.groups[0].averageText(3), "4");
    EXPECT_EQ(rep.groups[1].averageText(3), "2");
    // (6 + 4) / 2 + 1, (0 + 4) / 2 + 0.5, (6 + 2) / 2 + 1, (0 + 2) / 2 + 0.5
    EXPECT_EQ((std::vector<int>{rep.limits.gi12kmax, rep.limits.gi12kmin, rep.limits.gs12kmax,
                                rep.limits.gs12kmin}),
              (std::vector<int>{6, 2, 5, 1}));

    // The whole window: 10..42 twice, then 1..6 and 44..49 once, then the rest.
    const auto& rtor = rep.ranking.rtor;
    EXPECT_EQ((std::vector<int>{rtor[1], rtor[7], rtor[13], rtor[19]}), (std::vector<int>{10, 1, 44, 7}));
    EXPECT_EQ(rep.ranking.topSize(), 6);
    const auto& lines = rep.rankingLines;
    EXPECT_EQ(
        (std::vector<std::string>{lines[0], lines[6], lines[18], lines[48]}),
        (std::vector<std::string>{" 10 :  2 kez...", " 01 :  1 kez...", " 07 : Yok...", " 43 : Yok..."}));
}

TEST(QuantumReportTest, PadsResultNumbersToTheWidthOfTheLast) {
    std::vector<ColumnRecord> results(120, rec(653, {1, 2, 3, 4, 5, 6}));
    results[5] = rec(653, {7, 8, 9, 10, 11, 12});
    EXPECT_EQ(computeQuantum(results, 8, 100).valueLines.front(), " Kuantum(008) = 000");
    EXPECT_EQ(computeQuantum(results, 8, 100).valueLines.back(), " Kuantum(100) = 021");
    EXPECT_EQ(computeQuantum(results, 95, 101).valueLines[5], " Kuantum(100) = 021");
    // A window starting later keeps a meaningful top part: its threshold is
    // the number of results taken, not the record number.
    EXPECT_EQ(computeQuantum(results, 90, 93).ranking.topSize(), 6);
}

TEST(QuantumReportTest, EveryValueLiesBetween21And279) {
    test::Rng rng(12345);
    std::vector<ColumnRecord> results;
    for (int i = 0; i < 300; ++i)
        results.push_back(ColumnRecord{0, test::randomColumn(rng)});
    results[150].Ball[0] = 60; // a damaged result is not measured
    const QuantumReport rep = computeQuantum(results, 1, 300);
    for (std::size_t k = 1; k < rep.values.size(); ++k)
        ASSERT_TRUE(k == 150 || (rep.values[k] >= 21 && rep.values[k] <= 279)) << k;
    EXPECT_EQ(rep.values[150], 0);
    EXPECT_EQ(rep.overall.count, 298);
    EXPECT_GT(rep.reduced.count, 200);
}

TEST(QuantumCoverageTest, NarrowsToEightyFivePercent) {
    std::vector<int16_t> values{0};
    for (int v = 101; v <= 200; ++v)
        values.push_back(static_cast<int16_t>(v));
    const CoverageLimits c = coverageLimits(values, 101, 200);
    // lo rises while more than 92.5 of 100 lie inside; hi then falls to 85.
    EXPECT_EQ((std::vector<int>{c.low, c.high, c.percent}), (std::vector<int>{109, 193, 85}));
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
    EXPECT_EQ((std::vector<int>{sizes[1], sizes[2], sizes[3]}), (std::vector<int>{12, 12, 25}));
    const auto& g = cfg.GroupOf;
    EXPECT_EQ((std::vector<int>{g[10], g[6], g[43], g[29], g[28], g[27]}),
              (std::vector<int>{1, 1, 2, 2, 2, 3}));
    // The third minimum is written as computed, below 0.
    EXPECT_EQ((std::vector<int>{cfg.GroupMin[0], cfg.GroupMax[0], cfg.GroupMin[2], cfg.GroupMax[2],
                                cfg.GroupMax[3]}),
              (std::vector<int>{2, 6, 6 - 5 - 6, 6 - 1 - 2, 0}));

    const GroupingConfig parts = rankGroupsConfig(rep.ranking, rep.limits, false);
    EXPECT_EQ(std::count(parts.GroupOf.begin() + 1, parts.GroupOf.begin() + 50, 1), rep.ranking.topSize());
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
