// Whole builds and list filters against the literal model on random folders:
// every file must come out byte for byte the same.
#include "LiteralModel.h"
#include "RandomData.h"

#include "support/EngineTests.h"

// A bag of `size` balls (ascending) and up to `maxBankers` bankers outside it.
void randomBalls(Rng& rng, AppState& state, int size, int maxBankers) {
    std::vector<int> balls(49);
    for (int i = 0; i < 49; ++i)
        balls[static_cast<std::size_t>(i)] = i + 1;
    std::shuffle(balls.begin(), balls.end(), rng);
    const int bankers = pick(rng, 0, maxBankers);
    state.BankoBalls.clear();
    for (int i = 0; i < bankers; ++i)
        state.BankoBalls.push(balls[static_cast<std::size_t>(i)]);
    std::vector<int> bag(balls.begin() + bankers, balls.begin() + bankers + size);
    std::sort(bag.begin(), bag.end());
    state.BagBalls.clear();
    for (int b : bag)
        state.BagBalls.push(b);
}

RunCallbacks yesToAll(bool bagAnswer = true) {
    RunCallbacks cb;
    cb.confirm = [bagAnswer](const Question& q) { return q.title == "! DİKKAT !" ? bagAnswer : true; };
    return cb;
}

// A list of random records: repeats in another order, damaged ones, marked ones.
std::vector<ColumnRecord> randomList(Rng& rng) {
    std::vector<ColumnRecord> list;
    for (int i = pick(rng, 1, 400); i > 0; --i) {
        ColumnRecord r;
        if (!list.empty() && chance(rng, 0.15)) {
            r = list[static_cast<std::size_t>(pick(rng, 0, static_cast<int>(list.size()) - 1))];
            std::shuffle(r.Ball.begin(), r.Ball.end(), rng);
        } else {
            r = randomDataRecord(rng, 0, 0.05);
        }
        r.Tag = std::array<int32_t, 6>{0, KeepMark, 0, -1, -5, 12}[static_cast<std::size_t>(pick(rng, 0, 5))];
        list.push_back(r);
    }
    return list;
}

// Builds (the first 60 rounds) and filters of the existing list.
TEST(ListFuzzTest, BuildsAndFiltersMatchTheLiteralModel) {
    Rng rng(7001);
    FixedClock clock;
    for (int round = 0; round < 140; ++round) {
        const bool building = round < 60;
        const std::string what = "round " + std::to_string(round);
        TempDataDir fastDir, literalDir;
        writeRandomData(fastDir, rng, DataShape{});
        if (!building)
            fastDir.writeRecords("VELMORIX.LST", randomList(rng));
        else if (chance(rng, 0.5))
            fastDir.writeRecords("VELMORIX.LST", {randomDataRecord(rng, 5, 0)});
        copyFolder(fastDir, literalDir);

        AppState fast;
        const FilterSelection::Records stored = randomStoredSelection(rng);
        fast.Selection = windowSelection(&stored);
        // Repetition bans need the pairwise model, so builds with one keep the lists short.
        const bool ban = fast.Selection.RepeatBanLevel >= 2 && fast.Selection.RepeatBanLevel <= 5;
        randomBalls(rng, fast,
                    building           ? pick(rng, 8, ban ? 16 : 24)
                    : chance(rng, 0.2) ? 0
                                       : pick(rng, 6, 44),
                    3);
        AppState slow = fast;
        if (building) {
            const BuildResult result = BuildNewList(fast, fastDir.dir(), clock, yesToAll());
            const literal::BuildOutcome expected = literal::build(slow, literalDir.dir());
            ASSERT_EQ(result.outcome == BuildOutcome::Built, expected.built) << what;
            EXPECT_EQ(result.totalCombinations, expected.total) << what;
            if (expected.built) {
                EXPECT_EQ(result.examined, expected.examined) << what;
                EXPECT_EQ(fast.RecNo, slow.RecNo) << what;
            }
        } else {
            const bool useBag = chance(rng, 0.5);
            const FilterResult result = FilterExistingList(fast, fastDir.dir(), clock, yesToAll(useBag));
            ASSERT_TRUE(literal::filter(slow, literalDir.dir(), useBag));
            ASSERT_EQ(result.outcome, FilterOutcome::Filtered) << what;
            EXPECT_EQ(fast.RecNo, slow.RecNo) << what;
        }
        EXPECT_EQ(fast.Selection, slow.Selection) << what;
        expectSameFolders(fastDir, literalDir, what);
    }
}
