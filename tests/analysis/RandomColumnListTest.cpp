#include "support/EngineTests.h"

template <class List> List listOf(std::initializer_list<int> balls) {
    List list;
    for (int b : balls)
        list.push(b);
    return list;
}

TEST(RandomColumnListTest, ColumnsHoldTheBankersAndSixDistinctBagBallsAscending) {
    StdRandom random(3);
    const BagList bag = listOf<BagList>({1, 4, 9, 16, 25, 36, 49});
    const BankoList bankers = listOf<BankoList>({12, 4}); // 4 is in the bag too
    for (int i = 0; i < 500; ++i) {
        const auto c = drawRandomColumn(bag, bankers, random);
        EXPECT_TRUE(isValidColumn(c));
        EXPECT_TRUE(std::is_sorted(c.begin(), c.end()));
        EXPECT_NE(std::find(c.begin(), c.end(), 4), c.end());
        EXPECT_NE(std::find(c.begin(), c.end(), 12), c.end());
        for (int16_t b : c)
            EXPECT_TRUE(b == 4 || b == 12 || bag.contains(b)) << b;
    }
    // Four bag balls and two bankers leave no choice. Every ball reachable from
    // an empty bag: GamesTest.RandomColumnsOfNinetyBallsReachEveryBall.
    EXPECT_EQ(drawRandomColumn(listOf<BagList>({2, 3, 44, 45}), listOf<BankoList>({30, 1}), random),
              (std::array<int16_t, 6>{1, 2, 3, 30, 44, 45}));
}

TEST(RandomColumnListTest, NewListsNumberTheirRecordsAndAppendsGoOn) {
    TempDataDir t;
    t.writeRecords("VELMORIX.RND", std::vector<ColumnRecord>(5, rec(99, {1, 2, 3, 4, 5, 6})));
    StdRandom random(1);
    std::vector<int32_t> shown;
    writeNewRandomList(t.dir(), BagList{}, BankoList{}, random, 3, [&](int32_t k) { shown.push_back(k); });
    auto records = t.readRecords("VELMORIX.RND");
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ((std::vector{records[0].Tag, records[1].Tag, records[2].Tag}), (std::vector<int32_t>{1, 2, 3}));
    EXPECT_EQ(shown, (std::vector<int32_t>{1, 2, 3}));

    std::vector<std::pair<int32_t, int32_t>> appended;
    EXPECT_EQ(appendRandomList(t.dir(), BagList{}, BankoList{}, random, 2,
                               [&](int32_t r, int32_t a) { appended.emplace_back(r, a); }),
              3);
    const auto after = t.readRecords("VELMORIX.RND");
    ASSERT_EQ(after.size(), 5u);
    EXPECT_TRUE(std::equal(records.begin(), records.end(), after.begin()));
    EXPECT_EQ((std::vector{after[3].Tag, after[4].Tag}), (std::vector<int32_t>{4, 5}));
    EXPECT_EQ(appended, (std::vector<std::pair<int32_t, int32_t>>{{4, 1}, {5, 2}}));
    for (const auto& r : after)
        EXPECT_TRUE(isValidColumn(r.Ball));
}

TEST(RandomColumnListTest, ChaosPassKeepsPassingColumnsInOrderAndLeavesTheMarkedListBehind) {
    TempDataDir t;
    t.writeRecords("VELMORIX.RND", {rec(1, {40, 3, 17, 9, 22, 1}), rec(2, {1, 2, 3, 4, 5, 6}),
                                    rec(3, {5, 10, 20, 30, 40, 49}), rec(4, {7, 7, 8, 9, 10, 11})});
    std::vector<std::array<int16_t, 6>> judged;
    // A stand-in rule: the column must hold a ball above 30.
    const ChaosRule rule = [&](const std::array<int16_t, 6>& sorted) {
        judged.push_back(sorted);
        return sorted[5] > 30;
    };
    EXPECT_EQ(eliminateRandomListByChaos(t.dir(), rule), 2);
    EXPECT_EQ(judged.front(), (std::array<int16_t, 6>{1, 3, 9, 17, 22, 40})); // judged sorted
    EXPECT_EQ(judged.size(), 3u); // the broken column is never judged
    EXPECT_EQ(t.readRecords("VELMORIX.RND"),
              (std::vector<ColumnRecord>{rec(KeepMark, {40, 3, 17, 9, 22, 1}),
                                         rec(KeepMark, {5, 10, 20, 30, 40, 49})}));
    EXPECT_EQ(
        t.readRecords("VELMORIX.TMP"),
        (std::vector<ColumnRecord>{rec(KeepMark, {40, 3, 17, 9, 22, 1}), rec(0, {1, 2, 3, 4, 5, 6}),
                                   rec(KeepMark, {5, 10, 20, 30, 40, 49}), rec(0, {7, 7, 8, 9, 10, 11})}));
}

TEST(RandomColumnListTest, TheWindowsRuleIsTheDefaultChaosFilters) {
    const ChaosRule rule = randomListChaosRule();
    EXPECT_TRUE(rule({3, 7, 15, 24, 36, 40}));
    EXPECT_FALSE(rule({1, 2, 3, 4, 5, 6}));
    EXPECT_FALSE(rule({3, 7, 15, 24, 36, 50})); // never indexes past the balls
}
