// The fast evaluator against the literal one on random columns, selections
// and data folders (hand-made damage included).
#include "LiteralModel.h"
#include "RandomData.h"

#include "support/EngineTests.h"

// A selection as the window reads it, or now and then the stored values taken
// raw (values the window would never pass on).
FilterSelection randomSelection(Rng& rng) {
    const FilterSelection::Records stored = randomStoredSelection(rng);
    if (chance(rng, 0.8))
        return windowSelection(&stored);
    FilterSelection s = FilterSelection::startup();
    s.fromRecords(stored);
    s.MathRelOff = static_cast<int16_t>(chance(rng, 0.5) ? -1 : 0);
    s.OtherFiltersOn = static_cast<int16_t>(chance(rng, 0.7) ? -1 : 0);
    s.DecadeHitCount = static_cast<int16_t>(pick(rng, 0, 7));
    return s;
}

TEST(EvaluatorFuzzTest, FastAndLiteralAgreeOnAMillionColumns) {
    Rng rng(20240611);
    int64_t compared = 0, passed = 0;
    for (int d = 0; d < 40; ++d) {
        TempDataDir master;
        DataShape shape;
        shape.results = pick(rng, 2, 60);
        writeRandomData(master, rng, shape);
        for (int s = 0; s < 10; ++s) {
            TempDataDir fastDir, literalDir;
            copyFolder(master, fastDir);
            copyFolder(master, literalDir);
            FilterSelection fastSel = randomSelection(rng);
            if (fastSel.ChaosOn != 0)
                fastSel.MathRelOff = -1;
            FilterSelection literalSel = fastSel;
            const RunContext ctx = prepareRunContext(fastSel, fastDir.dir());
            const literal::Context lctx = literal::prepare(literalSel, literalDir.dir());
            ASSERT_EQ(fastSel, literalSel) << "data set " << d << " selection " << s;
            ASSERT_EQ(fastDir.fileNames(), literalDir.fileNames());

            std::vector<ColumnRecord> near = lctx.results;
            near.insert(near.end(), lctx.played.begin(), lctx.played.end());
            near.insert(near.end(), lctx.sextets.begin(), lctx.sextets.end());
            const ColumnEvaluator evaluator(fastSel, ctx);
            for (int c = 0; c < 2500; ++c) {
                ColumnRecord a;
                a.Tag = 77;
                a.Ball = randomTestColumn(rng, near);
                ColumnRecord b = a;
                const bool fast = evaluator.evaluate(a);
                const bool slow = literal::evaluateColumn(literalSel, lctx, b);
                ASSERT_EQ(fast, slow)
                    << "column " << testing::PrintToString(b.Ball) << " data set " << d << " selection " << s;
                if (fast) {
                    ASSERT_EQ(a, b);
                }
                passed += fast;
                ++compared;
            }
        }
    }
    // The comparison means something only if both answers occur often.
    EXPECT_GT(passed, compared / 50);
    EXPECT_LT(passed, compared - compared / 50);
}
