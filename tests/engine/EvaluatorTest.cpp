#include "LiteralModel.h"
#include "RandomData.h"

#include "support/EngineTests.h"

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
