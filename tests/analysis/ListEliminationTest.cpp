#include "support/EngineTests.h"

TEST(ListEliminationTest, SurvivalTestsJudgeEveryBallOfTheColumn) {
    const ColumnRecord c = rec(0, {3, 9, 17, 22, 40, 41});
    EXPECT_FALSE(holdsNoneOf(balls({41}))(c));
    EXPECT_TRUE(holdsNoneOf(balls({1, 2}))(c));
    EXPECT_TRUE(holdsAnyOf(balls({1, 41}))(c)); // whichever of the six it is
    EXPECT_TRUE(holdsAnyOf(balls({3}))(c));
    EXPECT_FALSE(holdsAnyOf(balls({1, 2}))(c));
    EXPECT_FALSE(holdsAtMostOneOf(balls({9, 40}))(c));
    EXPECT_TRUE(holdsAtMostOneOf(balls({9, 48}))(c));

    PairMarks pairs;
    pairs.mark(40, 3);
    EXPECT_TRUE(holdsAnyPair(pairs)(c));
    PairMarks other;
    other.mark(3, 8);
    EXPECT_FALSE(holdsAnyPair(other)(c));
}

TEST(ListEliminationTest, BrokenColumnsSurviveNoTest) {
    const ColumnRecord outOfRange = rec(0, {0, 9, 17, 22, 40, 41});
    const ColumnRecord repeated = rec(0, {9, 9, 17, 22, 40, 41});
    for (const auto& c : {outOfRange, repeated}) {
        EXPECT_FALSE(holdsNoneOf(balls({1}))(c));
        EXPECT_FALSE(holdsAnyOf(balls({9}))(c));
        EXPECT_FALSE(holdsAtMostOneOf(balls({1, 2}))(c));
        PairMarks pairs;
        pairs.mark(9, 17);
        EXPECT_FALSE(holdsAnyPair(pairs)(c));
    }
    // An enormous ball value must not index the pair table.
    PairMarks pairs;
    pairs.mark(1, 2);
    EXPECT_FALSE(holdsAnyPair(pairs)(rec(0, {1, 2, 3, 4, 5, 32000})));
}

TEST(ListEliminationTest, PairDifferencesNeedTwoSmallAndOneMiddleDifference) {
    EXPECT_TRUE(passesPairDifferences(rec(0, {1, 2, 3, 20, 35, 49})));
    EXPECT_FALSE(passesPairDifferences(rec(0, {1, 8, 15, 22, 29, 36}))); // all multiples of 7
    EXPECT_FALSE(passesPairDifferences(rec(0, {1, 2, 3, 4, 5, 6})));     // nothing in 10..19
    EXPECT_FALSE(passesPairDifferences(rec(0, {1, 3, 20, 30, 40, 49}))); // only one small difference
    EXPECT_TRUE(passesPairDifferences(rec(0, {49, 35, 20, 3, 2, 1})));   // stored order does not matter
}

TEST(ListEliminationTest, SurvivorsKeepTheirOrderWithKeepMarkAndTheOldListIsKept) {
    TempDataDir t;
    const std::vector<ColumnRecord> list{rec(0, {1, 2, 3, 4, 5, 6}), rec(0, {7, 8, 9, 10, 11, 12}),
                                         rec(5, {1, 8, 15, 22, 29, 36}), rec(0, {2, 9, 16, 23, 30, 37})};
    t.writeRecords("VELMORIX.LST", list);
    t.writeRecords("VELMORIX.TMP", {rec(1, {1, 2, 3, 4, 5, 6})}); // left over: must not leak in
    std::vector<std::pair<int, int>> judged, written;
    EliminationProgress progress{[&](int32_t r, int32_t i) { judged.emplace_back(r, i); },
                                 [&](int32_t w, int32_t r) { written.emplace_back(w, r); }};

    EXPECT_EQ(eliminateWithBackup(t.dir(), "VELMORIX.LST", holdsNoneOf(balls({5, 37})), progress), 2);

    const std::vector<ColumnRecord> survivors{rec(KeepMark, {7, 8, 9, 10, 11, 12}),
                                              rec(KeepMark, {1, 8, 15, 22, 29, 36})};
    EXPECT_EQ(t.readRecords("VELMORIX.LST"), survivors);
    EXPECT_EQ(t.readRecords("VELMORIX.OLD"), list);
    EXPECT_FALSE(t.dir().exists("VELMORIX.TMP"));
    EXPECT_EQ(judged, (std::vector<std::pair<int, int>>{{3, 1}, {3, 2}, {3, 3}, {2, 4}}));
    EXPECT_EQ(written, (std::vector<std::pair<int, int>>{{1, 2}, {2, 2}}));

    // Eliminating every column removes the list.
    EXPECT_EQ(eliminateWithBackup(t.dir(), "VELMORIX.LST", holdsNoneOf(balls({8}))), 0);
    EXPECT_EQ(t.readRecords("VELMORIX.OLD"), survivors);
    EXPECT_EQ(t.fileNames(), std::vector<std::string>{"VELMORIX.OLD"});
}
