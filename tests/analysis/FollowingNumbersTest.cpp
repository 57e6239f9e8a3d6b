#include "support/EngineTests.h"

std::vector<ColumnRecord> fourResults() {
    return {rec(653, {1, 2, 3, 4, 5, 6}), rec(653, {7, 8, 9, 10, 11, 12}), rec(653, {13, 14, 15, 16, 17, 18}),
            rec(653, {21, 20, 19, 3, 2, 1})};
}

TEST(FollowingNumbersTest, WindowOfFourResults) {
    const FollowReport rep = computeFollowing(fourResults(), 1, 4);
    // Result 2 alone ranks 7..12 first, so result 3 takes ranks 13..18; result 3's
    // balls never followed anything, so result 4 is measured by ball number.
    EXPECT_EQ(rep.valueLines, (std::vector<std::string>{"TKuantum(1) = 000", "TKuantum(2) = 093",
                                                        "TKuantum(3) = 066", "TKuantum(4) = 000"}));
    EXPECT_EQ((std::vector<int>{rep.tkuantum.max, rep.tkuantum.min, rep.hits.max, rep.hits.min}),
              (std::vector<int>{93, 66, 3, 0}));
    EXPECT_EQ(rep.tkuantum.averageText(2) + " " + rep.hits.averageText(2), "79.5 1.5");

    // Final: 1, 2 and 3 of the last result were followed by 7..12 once each.
    EXPECT_EQ(rep.bestSixText, "7,8,9,10,11,12");
    EXPECT_EQ(rep.ranking.score[7], 3003);
    EXPECT_EQ((std::vector<std::string>{rep.scoreLines[0], rep.scoreLines[6], rep.scoreLines[48]}),
              (std::vector<std::string>{" 07 : 3.3", " 01 : 0.0", " 49 : 0.0"}));
    // Balls that never followed rank after all others, in ascending order.
    EXPECT_EQ((std::pair<int, int>{rep.ranking.order[13], rep.ranking.order[49]}),
              (std::pair<int, int>{13, 49}));
}

TEST(FollowingNumbersTest, DamagedLastResultGivesNoRanking) {
    for (const ColumnRecord& last : {rec(653, {21, 20, 19, 3, 3, 1}), rec(653, {21, 20, 19, 3, 50, 1})}) {
        auto results = fourResults();
        results[3] = last;
        const FollowReport rep = computeFollowing(results, 1, 4);
        EXPECT_FALSE(rep.referenceValid);
        EXPECT_TRUE(rep.scoreLines.empty());
        EXPECT_EQ(rep.bestSixText, "");
        // The walk forward before it still measures the sound results.
        EXPECT_EQ(rep.valueLines[1], "TKuantum(2) = 093");
    }
}

TEST(FollowingNumbersTest, PadsResultNumbersToTwoOrThreeDigits) {
    std::vector<ColumnRecord> results(1200, rec(653, {1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(computeFollowing(results, 7, 12).valueLines.front(), "TKuantum(07) = 000");
    EXPECT_EQ(computeFollowing(results, 7, 120).valueLines.front(), "TKuantum(007) = 000");
    EXPECT_EQ(computeFollowing(results, 7, 1005).valueLines.front(), "TKuantum(007) = 000");
    const FollowReport same = computeFollowing(results, 1, 999);
    EXPECT_EQ(same.valueLines[1], "TKuantum(002) = 021");
    EXPECT_EQ(same.tkuantum.count, 997);
}

TEST(FollowingNumbersTest, ValuesStayWithin21And279) {
    test::Rng rng(77);
    std::vector<ColumnRecord> results;
    for (int i = 0; i < 200; ++i)
        results.push_back(ColumnRecord{0, test::randomColumn(rng)});
    const FollowReport rep = computeFollowing(results, 1, 200);
    EXPECT_EQ(rep.tkuantum.count, 198);
    EXPECT_TRUE(rep.tkuantum.min >= 21 && rep.tkuantum.max <= 279 && rep.hits.max <= 6)
        << rep.tkuantum.min << ' ' << rep.tkuantum.max << ' ' << rep.hits.max;
}

TEST(FollowingFilterTest, KeepsByHitsAndRankSumWithTheSumAsTag) {
    TempDataDir data;
    const FollowReport rep = computeFollowing(fourResults(), 1, 4);
    const std::vector<ColumnRecord> list{rec(653, {7, 8, 9, 10, 11, 12}), rec(653, {1, 2, 3, 4, 5, 6}),
                                         rec(653, {42, 41, 40, 9, 8, 7}), rec(653, {7, 8, 9, 9, 40, 41})};
    data.writeRecords(files::List, list);
    EXPECT_EQ(filterListByFollowing(data.dir(), rep.ranking, 3, 21, 200), 2);
    // The rank sum, not the ball sum, is what the limits compare.
    EXPECT_EQ(data.readRecords(files::List),
              (std::vector{rec(21, {7, 8, 9, 10, 11, 12}), rec(129, {42, 41, 40, 9, 8, 7})}));
    EXPECT_EQ(data.readRecords(files::OldList), list);

    data.writeRecords(files::List, list);
    EXPECT_EQ(filterListByFollowing(data.dir(), rep.ranking, 0, 22, 56), 0);
    EXPECT_TRUE(data.dir().exists(files::List));
    EXPECT_EQ(data.readBytes(files::List).size(), 0u);
}
