#include "LiteralModel.h"
#include "RandomData.h"

#include "engine/ChaosRules.h"
#include "engine/ColumnEvaluator.h"
#include "engine/RunContext.h"
#include "engine/SelectionControls.h"

#include <gtest/gtest.h>

using namespace velmorix;
using namespace velmorix::test;

namespace {

SortedColumn col(std::initializer_list<int> balls) {
    std::array<int16_t, 6> b{};
    std::size_t i = 0;
    for (int v : balls)
        b[i++] = static_cast<int16_t>(v);
    return *SortedColumn::from(b);
}

std::array<int, 7> literalColumn(const SortedColumn& c) {
    return {0, c.b[0], c.b[1], c.b[2], c.b[3], c.b[4], c.b[5]};
}

// Every filter off, as the window reads it with nothing ticked.
FilterSelection nothingOn() {
    FilterSelection s = FilterSelection::startup();
    s.ChaosOn = 0;
    s.MathRelOff = -1;
    return s;
}

bool passes(const FilterSelection& s, const RunContext& ctx, std::initializer_list<int> balls) {
    return ColumnEvaluator(s, ctx).passes(col(balls));
}

} // namespace

TEST(ChaosRulesTest, ExampleColumns) {
    const SortedColumn doubling = col({1, 2, 4, 8, 16, 32});
    for (int rule = 1; rule <= 4; ++rule)
        EXPECT_FALSE(chaos::ruleFails(rule, doubling)) << rule;
    EXPECT_TRUE(chaos::ruleFails(5, doubling));
    EXPECT_TRUE(chaos::ruleFails(4, col({5, 10, 15, 20, 25, 30})));
    EXPECT_TRUE(chaos::ruleFails(1, col({18, 22, 27, 33, 40, 45})));
    EXPECT_FALSE(chaos::ruleFails(1, col({17, 20, 26, 30, 35, 40})));
    EXPECT_FALSE(chaos::ruleFails(1, col({17, 18, 19, 20, 21, 26})));
    EXPECT_TRUE(chaos::ruleFails(1, col({10, 11, 12, 13, 14, 25})));
    EXPECT_TRUE(chaos::ruleFails(2, col({13, 20, 26, 34, 40, 43})));
    EXPECT_FALSE(chaos::ruleFails(2, col({12, 20, 26, 34, 40, 44})));
    // The grouping window's examples: without rule 2.
    EXPECT_FALSE(chaos::passesWithoutRule2(col({1, 2, 3, 4, 5, 6})));
    EXPECT_FALSE(chaos::passesWithoutRule2(col({5, 11, 18, 24, 33, 47})));
    EXPECT_TRUE(chaos::passesWithoutRule2(col({3, 7, 15, 24, 36, 40})));
    EXPECT_TRUE(chaos::passes(col({3, 7, 15, 24, 36, 40})));
}

TEST(ChaosRulesTest, EveryRuleAgreesWithTheLiteralRule) {
    Rng rng(31);
    for (int n = 0; n < 200'000; ++n) {
        const SortedColumn c = *SortedColumn::from(randomColumn(rng, n % 2 ? 49 : 20));
        for (int rule = 1; rule <= chaos::RuleCount; ++rule)
            ASSERT_EQ(chaos::ruleFails(rule, c), literal::chaosRuleFails(rule, literalColumn(c)))
                << "rule " << rule << " column " << c.b[0] << " " << c.b[1] << " " << c.b[2] << " " << c.b[3]
                << " " << c.b[4] << " " << c.b[5];
    }
}

TEST(ChaosRulesTest, SixthBallMaskMatchesTheWholeTest) {
    Rng rng(32);
    for (int n = 0; n < 40'000; ++n) {
        const auto five = randomColumn(rng, n % 3 ? 49 : 24);
        uint64_t p = 0;
        for (std::size_t i = 0; i < 5; ++i)
            p |= uint64_t{1} << five[i];
        const uint64_t mask = chaos::passingSixthBalls(p);
        for (int x = 1; x <= 49; ++x) {
            if ((p >> x) & 1u)
                continue;
            const bool expected = chaos::passes(SortedColumn::fromMask(p | uint64_t{1} << x));
            ASSERT_EQ(((mask >> x) & 1u) != 0, expected) << "sixth ball " << x;
        }
    }
}

TEST(EvaluatorTest, SixthBallMaskMatchesTheColumnChecksUnderRandomSelections) {
    Rng rng(33);
    const RunContext none;
    for (int round = 0; round < 300; ++round) {
        const FilterSelection::Records stored = randomStoredSelection(rng);
        FilterSelection s = windowSelection(&stored);
        s.ForbiddenPairsOn = 0; // pairs need a file; EvaluatorFuzzTest covers them
        if (s.ChaosOn != 0)
            s.MathRelOff = -1;
        const ColumnEvaluator ev(s, none);
        for (int n = 0; n < 200; ++n) {
            const auto five = randomColumn(rng);
            uint64_t p = 0;
            for (std::size_t i = 0; i < 5; ++i)
                p |= uint64_t{1} << five[i];
            const uint64_t mask = ev.sixthBalls(p);
            for (int x = 1; x <= 49; ++x)
                if (!((p >> x) & 1u)) {
                    const SortedColumn c = SortedColumn::fromMask(p | uint64_t{1} << x);
                    ASSERT_EQ(((mask >> x) & 1u) != 0, ev.sumAndDecadesPass(c) && ev.mathRelationsPass(c))
                        << "round " << round << " ball " << x;
                }
        }
    }
}

TEST(EvaluatorTest, SumBoundsAreInclusive) {
    FilterSelection s = nothingOn();
    s.SumRule = {-1, 100, 150, 0};
    const RunContext ctx;
    EXPECT_TRUE(passes(s, ctx, {10, 15, 17, 18, 19, 21}));  // 100
    EXPECT_TRUE(passes(s, ctx, {20, 22, 24, 26, 28, 30}));  // 150
    EXPECT_FALSE(passes(s, ctx, {10, 15, 17, 18, 19, 20})); // 99
    EXPECT_FALSE(passes(s, ctx, {20, 22, 24, 26, 28, 31})); // 151
}

TEST(EvaluatorTest, DecadeTableAndRequiredCount) {
    FilterSelection s = nothingOn();
    s.DecadeHitOn = -1;
    s.DecadeHitCount = 3;
    const RunContext ctx;
    // Without the decade table the required count has no effect.
    EXPECT_TRUE(passes(s, ctx, {1, 11, 21, 31, 41, 42}));
    s.DecadeFilterOn = -1;
    EXPECT_FALSE(passes(s, ctx, {1, 11, 21, 31, 41, 42}));
    EXPECT_TRUE(passes(s, ctx, {1, 2, 3, 31, 41, 42}));
    s.DecadeHitOn = 0;
    s.DecadeRule[4][2] = 0; // two balls of 40-49 not allowed
    EXPECT_FALSE(passes(s, ctx, {1, 11, 21, 31, 41, 42}));
    EXPECT_TRUE(passes(s, ctx, {1, 11, 21, 31, 32, 41}));
}

TEST(EvaluatorTest, MathRelationsAndChaosReplaceEachOther) {
    FilterSelection s = nothingOn();
    s.MathRelOff = 0;
    s.MathRelPlus[4] = 1; // n = n+5 on three balls
    const RunContext ctx;
    EXPECT_FALSE(passes(s, ctx, {5, 10, 15, 20, 25, 30}));
    EXPECT_TRUE(passes(s, ctx, {5, 10, 16, 20, 26, 31}));
    // A chain need not be adjacent in the column.
    EXPECT_FALSE(passes(s, ctx, {5, 7, 10, 12, 15, 40}));
    // Chaos on: the relations are skipped, the chaos rules fail the column (rule 4).
    s.ChaosOn = -1;
    s.MathRelOff = -1;
    EXPECT_FALSE(passes(s, ctx, {5, 10, 15, 20, 25, 30}));
    EXPECT_TRUE(passes(s, ctx, {3, 7, 15, 24, 36, 40}));

    // The longest chain that fits: 1, 17, 33, 49 with n = n+16 on four balls.
    FilterSelection four = nothingOn();
    four.MathRelOff = 0;
    four.MathRelPlus[15] = 2;
    EXPECT_FALSE(passes(four, ctx, {1, 5, 17, 33, 40, 49}));
    EXPECT_TRUE(passes(four, ctx, {2, 5, 17, 33, 40, 49}));
    four.MathRelDouble = 1;
    EXPECT_FALSE(passes(four, ctx, {3, 6, 12, 30, 40, 48}));
}

TEST(EvaluatorTest, HandMadeColumnsFailAndPassingColumnsComeBackSorted) {
    const FilterSelection s = nothingOn();
    const RunContext ctx;
    const ColumnEvaluator ev(s, ctx);
    ColumnRecord r = rec(9, {40, 3, 17, 8, 25, 33});
    ASSERT_TRUE(ev.evaluate(r));
    EXPECT_EQ(r, rec(9, {3, 8, 17, 25, 33, 40}));
    for (auto bad : {rec(0, {1, 2, 3, 4, 5, 5}), rec(0, {0, 2, 3, 4, 5, 6}), rec(0, {1, 2, 3, 4, 5, 50}),
                     rec(0, {-1, 2, 3, 4, 5, 6})}) {
        ColumnRecord copy = bad;
        EXPECT_FALSE(ev.evaluate(copy));
        EXPECT_EQ(copy, bad);
    }
}

TEST(EvaluatorTest, LastWeekSpanLeftAtMinusOneBansNothing) {
    FilterSelection s = nothingOn();
    s.OtherFiltersOn = -1;
    s.LastWeekSpanBan = -1;
    const RunContext ctx;
    EXPECT_TRUE(passes(s, ctx, {1, 2, 3, 4, 5, 6}));
    s.LastWeekSpanBan = 5;
    EXPECT_FALSE(passes(s, ctx, {1, 2, 3, 4, 5, 6}));
}

TEST(RunContextTest, SimilarityThresholdsCountSharedBalls) {
    TempDataDir t;
    t.writeRecords("VELMORIX.RES", {rec(2005360, {1, 2, 3, 4, 5, 6})});
    for (int limit = 0; limit <= 3; ++limit) {
        FilterSelection s = nothingOn();
        s.ResultLimit = static_cast<int16_t>(limit);
        const RunContext ctx = prepareRunContext(s, t.dir());
        const ColumnEvaluator ev(s, ctx);
        // Share k balls with the result: 1..k, then balls of the forties.
        auto sharing = [](int k) {
            uint64_t m = 0;
            for (int i = 1; i <= 6; ++i)
                m |= uint64_t{1} << (i <= k ? i : 40 + i);
            return SortedColumn::fromMask(m);
        };
        const int failsFrom = 6 - limit;
        EXPECT_TRUE(ev.passes(sharing(failsFrom - 1))) << "limit " << limit;
        EXPECT_FALSE(ev.passes(sharing(failsFrom))) << "limit " << limit;
    }
}

TEST(RunContextTest, HandMadeRecordsCountEveryRepeatedBall) {
    TempDataDir t;
    t.writeRecords("VELMORIX.OKL", {rec(0, {7, 7, 7, 0, 99, -3})});
    FilterSelection s = nothingOn();
    s.PlayedLimit = 3; // three shared balls fail
    const RunContext ctx = prepareRunContext(s, t.dir());
    EXPECT_FALSE(passes(s, ctx, {7, 10, 20, 30, 40, 45}));
    EXPECT_TRUE(passes(s, ctx, {8, 10, 20, 30, 40, 45}));
}

TEST(RunContextTest, MissingOrEmptyDataSwitchesFiltersOffAndDeletesEmptyFiles) {
    TempDataDir t;
    t.writeBytes("VELMORIX.YSK", {});
    t.writeBytes("VELMORIX.OKL", std::vector<unsigned char>(8, 1)); // half a record counts as none
    t.writeBytes("VELMORIX.RES", {});
    FilterSelection s = nothingOn();
    s.SextetLimit = 1;
    s.PlayedLimit = 2;
    s.OtherFiltersOn = -1;
    s.GapPatternBan = -1;
    s.LastWeekSpanBan = -1;
    s.LastTwoWeeksLink = -1;
    s.LastWeekMax2 = -1;
    const RunContext ctx = prepareRunContext(s, t.dir());
    EXPECT_EQ(s.SextetLimit, -1);
    EXPECT_EQ(s.PlayedLimit, -1);
    EXPECT_EQ(s.ResultLimit, -1);
    EXPECT_EQ(s.GapPatternBan, 0);
    EXPECT_EQ(s.LastWeekSpanBan, 0);
    EXPECT_EQ(s.LastTwoWeeksLink, 0);
    EXPECT_EQ(s.LastWeekMax2, 0);
    EXPECT_TRUE(t.fileNames().empty());
    EXPECT_EQ(ctx.resultCount, 0);

    // A missing played file switches its filter off and creates nothing.
    FilterSelection again = nothingOn();
    again.PlayedLimit = 0;
    prepareRunContext(again, t.dir());
    EXPECT_EQ(again.PlayedLimit, -1);
    EXPECT_TRUE(t.fileNames().empty());
}

TEST(RunContextTest, LastWeeksAndSpanComeFromTheLastResults) {
    TempDataDir t;
    t.writeRecords("VELMORIX.RES", {rec(1, {1, 2, 3, 4, 5, 6}), rec(2, {7, 8, 9, 10, 11, 12}),
                                    rec(3, {13, 14, 15, 16, 17, 45})});
    FilterSelection s = nothingOn();
    s.OtherFiltersOn = -1;
    s.LastTwoWeeksLink = -1;
    s.LastWeekSpanBan = -1;
    prepareRunContext(s, t.dir());
    EXPECT_EQ(s.LastWeeks[1], 7);
    EXPECT_EQ(s.LastWeeks[12], 45);
    EXPECT_EQ(s.LastWeekSpanBan, 32);

    FilterSelection only = nothingOn();
    only.OtherFiltersOn = -1;
    only.LastWeekMax2 = -1;
    const RunContext ctx = prepareRunContext(only, t.dir());
    EXPECT_EQ(only.LastWeeks[7], 13);
    EXPECT_EQ(only.LastWeeks[1], 0);
    EXPECT_FALSE(passes(only, ctx, {13, 14, 15, 30, 40, 49}));
    EXPECT_TRUE(passes(only, ctx, {13, 14, 20, 30, 40, 49}));

    // One result is not enough for the two-week link: both last-week filters go off.
    TempDataDir one;
    one.writeRecords("VELMORIX.RES", {rec(1, {1, 2, 3, 4, 5, 6})});
    FilterSelection two = nothingOn();
    two.LastTwoWeeksLink = -1;
    two.LastWeekMax2 = -1;
    prepareRunContext(two, one.dir());
    EXPECT_EQ(two.LastTwoWeeksLink, 0);
    EXPECT_EQ(two.LastWeekMax2, 0);
}

TEST(RunContextTest, ForbiddenPairsFileIsReadButNeverDeleted) {
    TempDataDir t;
    t.writeWords("VELMORIX.YS2", {157, 51, 0, 2500, -7});
    FilterSelection s = nothingOn();
    s.ForbiddenPairsOn = -1;
    RunContext ctx = prepareRunContext(s, t.dir());
    EXPECT_EQ(s.ForbiddenPairsOn, -1);
    EXPECT_EQ(ctx.pairs(3, 7), 1);
    EXPECT_EQ(ctx.pairs(7, 3), 1);
    EXPECT_FALSE(passes(s, ctx, {7, 10, 20, 30, 3, 45}));
    EXPECT_TRUE(passes(s, ctx, {1, 10, 20, 30, 3, 45})); // 51 pairs ball 1 with itself: nothing

    t.writeWords("VELMORIX.YS2", std::vector<int16_t>(1177, 157));
    FilterSelection tooMany = nothingOn();
    tooMany.ForbiddenPairsOn = -1;
    ctx = prepareRunContext(tooMany, t.dir());
    EXPECT_EQ(tooMany.ForbiddenPairsOn, -1); // the tick stays; no pair applies
    EXPECT_TRUE(passes(tooMany, ctx, {3, 7, 20, 30, 40, 45}));
    EXPECT_TRUE(t.dir().exists("VELMORIX.YS2"));

    TempDataDir missing;
    FilterSelection noFile = nothingOn();
    noFile.ForbiddenPairsOn = -1;
    ctx = prepareRunContext(noFile, missing.dir());
    EXPECT_TRUE(passes(noFile, ctx, {3, 7, 20, 30, 40, 45}));
    EXPECT_TRUE(missing.fileNames().empty());
}
