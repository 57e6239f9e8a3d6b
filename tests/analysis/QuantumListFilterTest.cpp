#include "support/EngineTests.h"

// Rank of ball b is b: the Kuantum of a column is its ball sum.
QuantumSettings byBallNumber(int min, int max) {
    QuantumSettings s;
    for (int p = 1; p <= 49; ++p)
        s.Rtor[static_cast<std::size_t>(p)] = static_cast<int16_t>(p);
    s.GKMIN = static_cast<int16_t>(min);
    s.GKMAX = static_cast<int16_t>(max);
    return s;
}

TEST(QuantumColumnTestTest, RangeAndRankGroups) {
    QuantumSettings s = byBallNumber(21, 279);
    const auto col = rec(0, {1, 2, 3, 40, 41, 42}).Ball;
    EXPECT_EQ(QuantumColumnTest(s).passes(col), 129);
    EXPECT_FALSE(QuantumColumnTest(s).passes(rec(0, {1, 2, 3, 40, 41, 41}).Ball));
    EXPECT_EQ(QuantumColumnTest(s).kuantum(rec(0, {1, 1, 60, 0, 2, 3}).Ball), 6);

    s.GB0 = -1; // the first and last 12 ranks; unset limits are 0
    s.gi12kmax = 2;
    s.gs12kmax = 6;
    EXPECT_FALSE(QuantumColumnTest(s).passes(col)); // three of ranks 1..12
    s.gi12kmax = 3;
    EXPECT_TRUE(QuantumColumnTest(s).passes(col));
    s.gs12kmin = 4;
    EXPECT_FALSE(QuantumColumnTest(s).passes(col)); // three of ranks 38..49 only

    s.GB1 = -1; // the top part 1..3 and the bottom part 48..49
    s.Rtor[0] = 3;
    s.Rtor[50] = 2;
    s.gi6kmin = 3;
    s.gi6kmax = 3;
    EXPECT_TRUE(QuantumColumnTest(s).passes(col));
    EXPECT_FALSE(QuantumColumnTest(s).passes(rec(0, {1, 2, 3, 40, 41, 48}).Ball));
    s.GKMAX = 128;
    EXPECT_FALSE(QuantumColumnTest(s).passes(col));
}

TEST(QuantumRandomListTest, OneTargetAndOneTryDrawsExactlyOnce) {
    TempDataDir data;
    data.writeRecords(files::List, {rec(5, {1, 2, 3, 4, 5, 6})});
    StdRandom random(99), replay(99);
    const QuantumRandomRun run = buildRandomQuantumList(data.dir(), byBallNumber(21, 279), 1, 1, random);
    EXPECT_EQ((std::pair<int, int>{run.written, run.tries}), (std::pair<int, int>{1, 1}));
    // Six draws from the ranking without putting back.
    std::vector<int16_t> pool;
    for (int b = 1; b <= 49; ++b)
        pool.push_back(static_cast<int16_t>(b));
    ColumnRecord expected;
    for (auto& b : expected.Ball) {
        const auto i = static_cast<std::size_t>(replay.next() * static_cast<double>(pool.size()));
        b = pool[i];
        pool.erase(pool.begin() + static_cast<std::ptrdiff_t>(i));
    }
    std::sort(expected.Ball.begin(), expected.Ball.end());
    expected.Tag = ballSum(expected);
    EXPECT_EQ(data.readRecords(files::List), std::vector{expected});
    EXPECT_EQ(data.readRecords(files::OldList), (std::vector{rec(5, {1, 2, 3, 4, 5, 6})}));
    EXPECT_EQ(random.next(), replay.next());

    const QuantumRandomRun none = buildRandomQuantumList(data.dir(), byBallNumber(21, 21), 1, 1, random);
    EXPECT_EQ((std::pair<int, int>{none.written, none.tries}), (std::pair<int, int>{0, 1}));
    EXPECT_TRUE(data.dir().exists(files::List));
    EXPECT_EQ(data.readBytes(files::List).size(), 0u);
}

TEST(QuantumRandomListTest, StopsAtTheTargetOrTheTries) {
    TempDataDir data;
    StdRandom random(4);
    const QuantumRandomRun run =
        buildRandomQuantumList(data.dir(), byBallNumber(100, 200), 50, 32767, random);
    EXPECT_EQ(run.written, 50);
    EXPECT_GE(run.tries, 50);
    for (const ColumnRecord& r : data.readRecords(files::List)) // sorted and tagged: OneTargetAndOneTry
        EXPECT_TRUE(r.Tag >= 100 && r.Tag <= 200) << r.Tag;
    const QuantumRandomRun capped = buildRandomQuantumList(data.dir(), byBallNumber(21, 30), 50, 20, random);
    EXPECT_EQ(capped.tries, 20);
    EXPECT_LT(capped.written, 50);
}

TEST(QuantumEliminationTest, KeepsOrderRewritesTagAndKeepsTheBackup) {
    TempDataDir data;
    const std::vector<ColumnRecord> list{rec(653, {1, 2, 3, 4, 5, 6}), rec(653, {10, 2, 3, 4, 5, 6}),
                                         rec(653, {1, 1, 2, 3, 4, 5}), rec(653, {40, 41, 42, 43, 44, 45}),
                                         rec(653, {12, 11, 10, 9, 8, 7})};
    data.writeRecords(files::List, list);
    int calls = 0;
    EXPECT_EQ(eliminateByQuantum(data.dir(), byBallNumber(30, 100), [&](int32_t, int32_t) { ++calls; }), 2);
    EXPECT_EQ(calls, 5);
    EXPECT_EQ(data.readRecords(files::List),
              (std::vector{rec(30, {2, 3, 4, 5, 6, 10}), rec(57, {7, 8, 9, 10, 11, 12})}));
    EXPECT_EQ(data.readRecords(files::OldList), list);
    EXPECT_FALSE(data.dir().exists(files::Temp));

    data.writeRecords(files::List, {});
    EXPECT_EQ(eliminateByQuantum(data.dir(), byBallNumber(30, 100)), 0);
    EXPECT_FALSE(data.dir().exists(files::List));
}

TEST(KuantumEliminationTest, SurvivorsCarryTheirKuantumAndNoSurvivorRemovesTheList) {
    TempDataDir data;
    const std::vector<ColumnRecord> list{rec(653, {1, 2, 3, 4, 5, 6}), rec(653, {44, 45, 46, 47, 48, 49}),
                                         rec(653, {1, 2, 3, 4, 5, 60})};
    data.writeRecords(files::List, list);
    const QuantumSettings s = byBallNumber(0, 0);
    EXPECT_EQ(eliminateByKuantum(data.dir(), s, [](int q) { return q >= 21; }), 2);
    EXPECT_EQ(data.readRecords(files::List),
              (std::vector{rec(21, {1, 2, 3, 4, 5, 6}), rec(279, {44, 45, 46, 47, 48, 49})}));

    std::vector<std::pair<int32_t, int32_t>> judged;
    KuantumEliminationProgress progress;
    progress.judging = [&](int32_t remaining, int32_t record) { judged.emplace_back(remaining, record); };
    const auto atMost20 = [](int q) { return q <= 20; };
    EXPECT_EQ(eliminateByKuantum(data.dir(), s, atMost20, progress), 0);
    EXPECT_EQ(judged, (std::vector<std::pair<int32_t, int32_t>>{{1, 1}, {0, 2}}));
    EXPECT_FALSE(data.dir().exists(files::List));
    EXPECT_EQ(data.readRecords(files::OldList),
              (std::vector{rec(21, {1, 2, 3, 4, 5, 6}), rec(279, {44, 45, 46, 47, 48, 49})}));
}
