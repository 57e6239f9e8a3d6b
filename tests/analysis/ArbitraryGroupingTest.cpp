#include "support/EngineTests.h"

GroupMembership groups(std::initializer_list<std::pair<int, std::pair<int, int>>> spans) {
    GroupMembership g{};
    for (const auto& [group, span] : spans)
        for (int b = span.first; b <= span.second; ++b)
            g[static_cast<std::size_t>(b)] = static_cast<int16_t>(group);
    return g;
}

GroupLimits limits(std::initializer_list<std::pair<int, int>> minMax, const GroupMembership& g) {
    std::array<int64_t, GroupCount> min{}, max{};
    std::size_t i = 0;
    for (const auto& [lo, hi] : minMax) {
        min[i] = lo;
        max[i] = hi;
        ++i;
    }
    return normaliseGroupLimits(min, max, g);
}

int inGroup(const ColumnRecord& r, const GroupMembership& g, int group) {
    return static_cast<int>(std::count_if(
        r.Ball.begin(), r.Ball.end(), [&](int16_t b) { return g[static_cast<std::size_t>(b)] == group; }));
}

// The grouping window's chaos test is the chaos report's ten tests (checked
// against their literal wording in ChaosReportTest): a column passes when it fails none.
bool reportChaosPasses(std::array<int16_t, 6> sorted) {
    std::sort(sorted.begin(), sorted.end());
    for (int t = 1; t <= chaosreport::TestCount; ++t)
        if (chaosreport::failsTest(t, sorted))
            return false;
    return true;
}

TEST(GroupLimitsTest, TypedLimitsAreBroughtIntoWhatTheGroupsCanGive) {
    const auto g = groups({{1, {1, 10}}, {2, {11, 12}}, {3, {20, 30}}, {4, {31, 40}}});
    const auto l = limits({{1, 9}, {4, 5}, {5, 3}, {-2, 2}}, g);
    // "9" reads as 6; two balls with minimum 4 give 2..2; a maximum below the
    // minimum lowers the minimum; an empty group takes nothing.
    EXPECT_EQ(l.min, (std::array<int, GroupCount>{1, 2, 3, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(l.max, (std::array<int, GroupCount>{6, 2, 3, 2, 0, 0, 0, 0, 0, 0}));
}

TEST(GroupingChaosTest, IsTheDefaultRulesWithoutTheFixedSetRule) {
    const auto g = groups({{1, {1, 49}}});
    const GroupingTest test(g, limits({{0, 6}}, g), true);
    auto passes = [&](std::initializer_list<int> balls) { return test.passes(rec(0, balls).Ball); };
    EXPECT_TRUE(passes({6, 9, 14, 22, 33, 40}));  // no ball of the fixed set
    EXPECT_TRUE(passes({40, 3, 36, 7, 24, 15}));  // a record out of order is sorted first
    EXPECT_FALSE(passes({3, 7, 15, 24, 36, 60})); // a damaged column fails
    EXPECT_FALSE(passes({3, 7, 15, 24, 36, 36}));

    // Against the report's tests, on a spread of columns.
    velmorix::test::Rng rng(11);
    for (int n = 0; n < 20000; ++n) {
        const auto c = velmorix::test::randomColumn(rng);
        ASSERT_EQ(test.passes(c), reportChaosPasses(c))
            << c[0] << ' ' << c[1] << ' ' << c[2] << ' ' << c[3] << ' ' << c[4] << ' ' << c[5];
    }
}

TEST(GroupingBuildTest, WritesExactlyTheCombinationsWithinEveryGroupLimit) {
    TempDataDir data;
    const auto g = groups({{1, {1, 10}}, {2, {11, 49}}});
    const GroupingTest test(g, limits({{2, 3}, {3, 4}}, g), false);
    int calls = 0;
    const GroupingRun run = buildGroupedList(data.dir(), test, [&](int32_t, int32_t) { ++calls; });
    EXPECT_EQ(run.total, 13983816);
    // C(10,2) C(39,4) + C(10,3) C(39,3)
    EXPECT_EQ(run.written, 45 * 82251 + 120 * 9139);
    EXPECT_GT(calls, 40);
    EXPECT_FALSE(data.dir().exists(files::Temp));

    // Which records, in which order: ChaosAndFreeBallsMatchALiteralEnumeration.
    EXPECT_EQ(recordCount(data.dir(), files::List), run.written);
}

TEST(GroupingBuildTest, ChaosAndFreeBallsMatchALiteralEnumeration) {
    TempDataDir data;
    // Balls 1..24 grouped, the rest free; odd/even halves with limits.
    GroupMembership g{};
    for (int b = 1; b <= 24; ++b)
        g[static_cast<std::size_t>(b)] = static_cast<int16_t>(b % 2 == 0 ? 1 : 2);
    g[30] = 3;
    g[41] = 3;
    const GroupingTest test(g, limits({{2, 4}, {1, 3}, {1, 1}}, g), true);
    const GroupingRun run = buildGroupedList(data.dir(), test);
    std::vector<ColumnRecord> expected;
    std::vector<int> pool;
    for (int b = 1; b <= 49; ++b)
        if (g[static_cast<std::size_t>(b)] != 0)
            pool.push_back(b);
    // Every six of the pool in ascending order: a selection mask stepped back.
    std::vector<bool> pick(pool.size(), false);
    std::fill(pick.begin(), pick.begin() + 6, true);
    int32_t total = 0;
    do {
        ++total;
        ColumnRecord r;
        for (std::size_t i = 0, k = 0; i < pool.size(); ++i)
            if (pick[i])
                r.Ball[k++] = static_cast<int16_t>(pool[i]);
        const int even = inGroup(r, g, 1), odd = inGroup(r, g, 2), pair = inGroup(r, g, 3);
        if (even >= 2 && even <= 4 && odd >= 1 && odd <= 3 && pair == 1 && reportChaosPasses(r.Ball))
            expected.push_back(r);
    } while (std::prev_permutation(pick.begin(), pick.end()));
    EXPECT_EQ(run.total, total);
    EXPECT_EQ(data.readRecords(files::List), expected);
    EXPECT_GT(expected.size(), 100u);

    // Minimums above six together let nothing through.
    const auto twenty = groups({{1, {1, 10}}, {2, {11, 20}}});
    const GroupingRun none =
        buildGroupedList(data.dir(), GroupingTest(twenty, limits({{4, 6}, {3, 6}}, twenty), false));
    EXPECT_EQ(none.total, 38760); // C(20, 6)
    EXPECT_EQ(none.written, 0);
    EXPECT_EQ(data.readBytes(files::List).size(), 0u);
}

TEST(GroupingFilterTest, KeepsPassingColumnsInOrderAndMarksTheBackup) {
    TempDataDir data;
    const auto g = groups({{1, {1, 10}}, {2, {11, 30}}});
    const GroupingTest test(g, limits({{1, 2}, {4, 5}}, g), false);
    data.writeRecords(files::List, {rec(7, {1, 11, 12, 13, 14, 15}), rec(7, {1, 2, 3, 11, 12, 13}),
                                    rec(7, {2, 12, 14, 16, 18, 40}), rec(7, {29, 3, 22, 21, 20, 9}),
                                    rec(7, {5, 5, 11, 12, 13, 14})});
    int judged = 0;
    const GroupingRun run =
        filterListByGrouping(data.dir(), test, {[&](int32_t, int32_t) { ++judged; }, nullptr});
    EXPECT_EQ(judged, 5);
    EXPECT_EQ(run.total, 5);
    EXPECT_EQ(run.written, 2);
    EXPECT_EQ(data.readRecords(files::List),
              (std::vector{rec(653, {1, 11, 12, 13, 14, 15}), rec(653, {29, 3, 22, 21, 20, 9})}));
    EXPECT_EQ(data.readRecords(files::OldList),
              (std::vector{rec(653, {1, 11, 12, 13, 14, 15}), rec(0, {1, 2, 3, 11, 12, 13}),
                           rec(0, {2, 12, 14, 16, 18, 40}), rec(653, {29, 3, 22, 21, 20, 9}),
                           rec(0, {5, 5, 11, 12, 13, 14})}));
    EXPECT_EQ(data.fileNames(), (std::vector<std::string>{"VELMORIX.LST", "VELMORIX.OLD"}));

    // No passing column leaves no list, only the marked backup.
    data.writeRecords(files::List, {rec(1, {1, 2, 3, 4, 5, 11})});
    EXPECT_EQ(filterListByGrouping(data.dir(), GroupingTest(g, limits({{6, 6}, {0, 6}}, g), false)).written,
              0);
    EXPECT_FALSE(data.dir().exists(files::List));
    EXPECT_EQ(data.readRecords(files::OldList), (std::vector{rec(0, {1, 2, 3, 4, 5, 11})}));
}

TEST(GroupingDrawTest, LowerGroupsGetTheirMinimumFirst) {
    const auto g = groups({{1, {1, 10}}, {2, {11, 20}}});
    StdRandom random(3);
    // 4 + 3 cannot fit: group 2 gets nothing and no group has room to grow.
    EXPECT_FALSE(drawGroupedColumn(g, limits({{4, 4}, {3, 3}}, g), random));

    const auto wide = groups({{1, {1, 10}}, {2, {11, 20}}, {3, {21, 49}}});
    const auto l = limits({{2, 3}, {0, 2}, {1, 4}}, wide);
    std::set<std::array<int16_t, 6>> seen;
    for (int n = 0; n < 500; ++n) {
        const ColumnRecord r{0, drawGroupedColumn(wide, l, random).value()};
        ASSERT_TRUE(isValidColumn(r.Ball));
        const int a = inGroup(r, wide, 1), b = inGroup(r, wide, 2), d = inGroup(r, wide, 3);
        ASSERT_TRUE(a >= 2 && a <= 3 && b <= 2 && d >= 1 && d <= 4) << a << ' ' << b << ' ' << d;
        seen.insert(r.Ball);
    }
    EXPECT_GT(seen.size(), 400u);

    // Groups 1 and 2 take their three each; group 3 never gets its minimum.
    const auto l3 = limits({{3, 3}, {3, 3}, {3, 3}}, wide);
    for (int n = 0; n < 50; ++n) {
        const ColumnRecord r{0, drawGroupedColumn(wide, l3, random).value()};
        ASSERT_EQ(inGroup(r, wide, 1), 3);
        ASSERT_EQ(inGroup(r, wide, 2), 3);
    }
}

TEST(GroupingConfigTest, SavedGroupingLoadsBackExactlyAndDamageIsRefused) {
    TempDataDir data;
    EXPECT_FALSE(loadGroupingConfig(data.dir()));
    GroupingConfig cfg;
    cfg.GroupOf[7] = 1;
    cfg.GroupOf[49] = 10;
    cfg.GroupMin = {1, 0, 0, 0, 0, 0, 0, 0, 0, -3};
    cfg.GroupMax = {2, 0, 0, 0, 0, 0, 0, 0, 0, 9};
    saveGroupingConfig(data.dir(), cfg);
    auto bytes = data.readBytes(files::Groups);
    ASSERT_EQ(bytes.size(), 150u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 10), "GRPCFG 1.0");
    EXPECT_EQ(bytes[10 + 14], 1);  // GroupOf(7)
    EXPECT_EQ(bytes[10 + 98], 10); // GroupOf(49)
    EXPECT_EQ(bytes[110], 1);      // GroupMin(1)
    EXPECT_EQ(bytes[128], 0xFD);   // GroupMin(10) = -3
    EXPECT_EQ(bytes[129], 0xFF);
    EXPECT_EQ(bytes[148], 9); // GroupMax(10)
    EXPECT_EQ(loadGroupingConfig(data.dir()), cfg);

    // Another magic is refused; other lengths: GamesTest.GroupingFileRoundTripsInEachGamesSize.
    bytes[0] = 'X';
    data.writeBytes(files::Groups, bytes);
    EXPECT_TRUE(groupingFilePresent(data.dir()));
    EXPECT_FALSE(loadGroupingConfig(data.dir()));

    bytes = encodeGroupingConfig(cfg);
    bytes[10 + 2 * 5] = 11;   // ball 5 in group 11
    bytes[10 + 2 * 6] = 0xFF; // ball 6 in group -1
    bytes[10 + 2 * 6 + 1] = 0xFF;
    bytes[10] = 4; // entry 0 is never a group
    const auto g = decodeGroupingConfig(bytes).value().GroupOf;
    EXPECT_EQ((std::vector<int>{g[0], g[5], g[6], g[7]}), (std::vector<int>{0, 0, 0, 1}));
}
