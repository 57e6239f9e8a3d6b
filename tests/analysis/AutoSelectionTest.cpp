#include "support/EngineTests.h"

// Counts given as {first ball, last ball, count} runs; other balls count 0.
std::array<int32_t, 50> counts(std::initializer_list<std::array<int, 3>> runs) {
    std::array<int32_t, 50> c{};
    for (const auto& r : runs)
        for (int b = r[0]; b <= r[1]; ++b)
            c[static_cast<std::size_t>(b)] = r[2];
    return c;
}

std::vector<int> range(int first, int last) {
    std::vector<int> v;
    for (int b = first; b <= last; ++b)
        v.push_back(b);
    return v;
}

TEST(AutoSelectionTest, EqualCountsGiveTheFirstThirtySixBalls) {
    const auto equal = counts({{1, 49, 4}});
    EXPECT_EQ(test::ballsOf(mostDrawnBag(equal, 4)), range(1, 36));
    EXPECT_EQ(test::ballsOf(leastDrawnBag(equal, 4)), range(1, 36));
    // Seven struck from each end: 43..49 from the bottom, 1..7 from the top.
    EXPECT_EQ(test::ballsOf(averageDrawnBag(equal, 4)), range(8, 42));
}

TEST(AutoSelectionTest, BagFillStopsAfterAWholeLevelOnceItHoldsThirtyTwo) {
    // 30 balls at the top level are not enough; the next level stops at 36.
    const auto c = counts({{1, 30, 5}, {31, 40, 4}, {41, 49, 3}});
    EXPECT_EQ(test::ballsOf(mostDrawnBag(c, 5)), range(1, 36));
    // 33 balls at the top level end the fill after that level.
    EXPECT_EQ(test::ballsOf(mostDrawnBag(counts({{1, 33, 5}, {34, 49, 2}}), 5)), range(1, 33));
    // From the bottom: 9 balls with 3, then 10 with 4, then the level of 5
    // until the bag holds 36.
    std::vector<int> least = range(1, 17);
    for (int b = 31; b <= 49; ++b)
        least.push_back(b);
    EXPECT_EQ(test::ballsOf(leastDrawnBag(c, 5)), least);
}

TEST(AutoSelectionTest, AveragesStrikeSixOrSevenFromEachEnd) {
    // Bottom: 4 with count 0 (49..46 are counted from the top ball down), then
    // the level of 1 until seven are struck; top: the six with count 9 end it.
    const auto c = counts({{1, 6, 9}, {7, 20, 5}, {21, 42, 2}, {43, 45, 1}, {46, 49, 0}});
    EXPECT_EQ(test::ballsOf(averageDrawnBag(c, 9)), range(7, 42));
    const auto d = counts({{1, 3, 9}, {4, 20, 5}, {21, 49, 2}});
    // Top: three with 9, then four of the seventeen with 5; bottom: seven with 2.
    EXPECT_EQ(test::ballsOf(averageDrawnBag(d, 9)), range(8, 42));
}

TEST(AutoSelectionTest, BankerRules) {
    const auto c = counts({{1, 9, 4}, {10, 20, 10}, {21, 30, 2}, {31, 40, 5}, {41, 49, 3}});
    EXPECT_EQ(mostDrawnBanker(c), 10);
    EXPECT_EQ(leastDrawnBanker(c), 21);
    // Middle of 10 and 2 is 6; nobody has 6, so the next smaller count, 5.
    EXPECT_EQ(middleDrawnBanker(c), 31);
    const auto e = counts({{1, 9, 6}, {10, 49, 2}, {17, 17, 10}});
    EXPECT_EQ(middleDrawnBanker(e), 1);
    EXPECT_EQ(middleDrawnBanker(counts({{1, 49, 3}})), 1);
}

TEST(AutoSelectionTest, BallsFromTheResultsFile) {
    test::TempDataDir t;
    // 1..12 drawn twice, 13..48 once, 49 never; a broken record counts nothing.
    std::vector<ColumnRecord> results;
    for (int r = 0; r < 8; ++r)
        results.push_back(test::rec(1, {6 * r + 1, 6 * r + 2, 6 * r + 3, 6 * r + 4, 6 * r + 5, 6 * r + 6}));
    results.push_back(test::rec(1, {1, 2, 3, 4, 5, 6}));
    results.push_back(test::rec(1, {7, 8, 9, 10, 11, 12}));
    results.push_back(test::rec(1, {7, 7, 8, 9, 10, 50}));
    t.writeRecords("VELMORIX.RES", results);
    const DrawCounts c = countDraws(t.dir());
    EXPECT_EQ((std::vector<int>{c.results, c.ball[1], c.ball[13], c.ball[49]}),
              (std::vector<int>{11, 2, 1, 0}));
    // Never drawn, then the least drawn ascending until 36 balls.
    std::vector<int> bag = range(13, 47);
    bag.push_back(49);
    EXPECT_EQ(test::ballsOf(bagFromDraws(c)), bag);
    // One banker below 35 bag balls, two from 35 on, from the smallest count that occurs.
    EXPECT_EQ(test::ballsOf(bankersFromDraws(c, 35)), std::vector<int>{49});
    auto noZero = c;
    noZero.ball[49] = 1;
    EXPECT_EQ(test::ballsOf(bankersFromDraws(noZero, 34)), std::vector<int>{13});
    EXPECT_EQ(test::ballsOf(bankersFromDraws(noZero, 35)), (std::vector<int>{13, 14}));
}
