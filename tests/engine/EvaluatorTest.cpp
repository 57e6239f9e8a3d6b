#include "LiteralModel.h"
#include "RandomData.h"

#include "support/EngineTests.h"

std::array<int, 7> literalColumn(const SortedColumn& c) {
    return {0, c.b[0], c.b[1], c.b[2], c.b[3], c.b[4], c.b[5]};
}

// Five random balls of 1..highest: the mask of sixth balls must hold exactly
// the balls 1..balls that complete a column passing the whole test.
template <class SixthBalls, class Whole>
void expectSixthBalls(Rng& rng, int highest, int balls, SixthBalls sixthBalls, Whole whole) {
    const auto five = randomColumn(rng, highest);
    ColumnMask p = 0;
    for (std::size_t i = 0; i < 5; ++i)
        p |= ballBit(five[i]);
    const ColumnMask mask = sixthBalls(p);
    for (int x = 1; x <= balls; ++x)
        if (!hasBall(p, x)) {
            ASSERT_EQ(hasBall(mask, x), whole(SortedColumn::fromMask(p | ballBit(x)))) << "sixth ball " << x;
        }
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
    for (int n = 0; n < 40'000; ++n)
        ASSERT_NO_FATAL_FAILURE(expectSixthBalls(
            rng, n % 3 ? 49 : 24, 49, [](ColumnMask p) { return chaos::passingSixthBalls(p); },
            [](const SortedColumn& c) { return chaos::passes(c); }));
}

TEST(EvaluatorTest, SixthBallMaskMatchesTheColumnChecksUnderRandomSelectionsOnEveryGame) {
    Rng rng(33);
    for (const Game& game : {Game::lotto49(), Game::superLoto60(), Game::cilginLoto90()}) {
        RunContext ctx;
        ctx.game = game;
        for (int round = 0; round < 200; ++round) {
            const FilterSelection::Records stored = randomStoredSelection(rng);
            FilterSelection s = windowSelection(&stored);
            // The stored records cover five decades and the sums of 6/49.
            for (int d = 5; d < game.decades(); ++d)
                for (std::size_t k = 0; k < 7; ++k)
                    s.DecadeRule[static_cast<std::size_t>(d)][k] = chance(rng, 0.8) ? -1 : 0;
            if (chance(rng, 0.5))
                s.SumRule = {-1, static_cast<int16_t>(pick(rng, 21, 200)),
                             static_cast<int16_t>(pick(rng, 150, game.maxSum())), 0};
            s.ForbiddenPairsOn = 0; // pairs need a file; EvaluatorFuzzTest covers them
            if (s.ChaosOn != 0)
                s.MathRelOff = -1;
            const ColumnEvaluator ev(s, ctx);
            for (int n = 0; n < 120; ++n)
                ASSERT_NO_FATAL_FAILURE(expectSixthBalls(
                    rng, game.balls(), game.balls(), [&](ColumnMask p) { return ev.sixthBalls(p); },
                    [&](const SortedColumn& c) {
                        return ev.sumAndDecadesPass(c) && ev.mathRelationsPass(c);
                    }))
                    << game.tag() << " round " << round;
        }
    }
}

TEST(EvaluatorTest, HandMadeColumnsFailAndPassingColumnsComeBackSorted) {
    FilterSelection s = FilterSelection::startup(); // every filter off
    s.ChaosOn = 0;
    s.MathRelOff = -1;
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
