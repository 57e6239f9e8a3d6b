// The engine on 6/60 and 6/90: their files, the rules moved to their balls,
// and the same list whatever the number of workers.
#include "RandomData.h"

#include "support/EngineTests.h"

const Game G49 = Game::lotto49();
const Game G60 = Game::superLoto60();
const Game G90 = Game::cilginLoto90();

TEST(GamesTest, ChaosThresholdsMoveWithTheBalls) {
    struct Case {
        Game game;
        int rule;
        std::array<int16_t, 6> balls;
        bool fails;
    };
    const Case cases[] = {
        // Rule 1: smallest at most 17 / 21 / 31, largest at least 26 / 32 / 48.
        {G49, 1, {17, 20, 22, 24, 25, 26}, false},
        {G60, 1, {21, 23, 25, 27, 29, 32}, false},
        {G60, 1, {22, 23, 25, 27, 29, 40}, true},
        {G90, 1, {31, 33, 35, 37, 39, 48}, false},
        {G90, 1, {31, 33, 35, 37, 39, 47}, true},
        // Rule 2: the primes up to N with 1 and 12, without 13 and 43.
        {G90, 2, {4, 6, 8, 9, 10, 89}, false},
        {G90, 2, {4, 6, 8, 9, 10, 13}, true},
        {G60, 2, {4, 6, 8, 9, 43, 60}, true},
        // Rule 4: a difference 1..16 / 20 / 29 three times.
        {G60, 4, {1, 10, 21, 30, 41, 60}, true},
        {G60, 4, {1, 10, 22, 31, 43, 60}, false},
        {G90, 4, {1, 10, 30, 39, 59, 80}, true},
        {G90, 4, {1, 10, 31, 40, 61, 85}, false},
        // Rule 5: a doubling chain only counts while 4 × b1 <= N.
        {G90, 5, {22, 44, 50, 60, 70, 88}, true},
        {G60, 5, {15, 30, 40, 50, 55, 60}, true},
        // Rule 10: two differences of at most 5 / 6 / 9 and one of 10..19 / 12..23 / 18..35.
        {G90, 10, {10, 19, 28, 40, 70, 89}, false},
        {G90, 10, {10, 20, 28, 40, 70, 89}, true},
        {G60, 10, {1, 7, 13, 36, 47, 58}, false},
        {G60, 10, {1, 6, 11, 40, 45, 50}, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(chaos::Rules::of(c.game).ruleFails(c.rule, *SortedColumn::from(c.balls, c.game.balls())),
                  c.fails)
            << c.game.tag() << " rule " << c.rule << " " << c.balls[0] << " .. " << c.balls[5];
    }
}

// A build asks the similarity index once per five balls; the answer must be
// the whole column's for every sixth ball, records with a repeated ball included.
TEST(GamesTest, SimilarityOfFiveBallsMatchesTheWholeColumns) {
    Rng rng(62);
    for (const Game& game : {G49, G90})
        for (int k = 1; k <= 6; ++k) {
            SubsetIndex index(k, game.balls());
            std::vector<std::array<int16_t, 6>> records;
            for (int r = 0; r < 40; ++r) {
                records.push_back(randomColumn(rng, game.balls()));
                if (r % 8 == 0)
                    records.back()[static_cast<std::size_t>(pick(rng, 1, 5))] = records.back()[0];
                index.add(records.back());
            }
            EXPECT_EQ(index.answersPerFive(), k <= 4 || (k == 5 && game.balls() == 49)) << k;
            if (!index.answersPerFive())
                continue;
            for (int n = 0; n < 300; ++n) {
                // Some balls of a record, the rest at random.
                const auto& from = records[static_cast<std::size_t>(pick(rng, 0, 39))];
                ColumnMask p = 0;
                for (int i = pick(rng, 0, 5); i > 0; --i)
                    p |= ballBit(from[static_cast<std::size_t>(i)]);
                for (int16_t v : randomColumn(rng, game.balls()))
                    if (ballCount(p) < 5)
                        p |= ballBit(v);
                int five[5];
                ascendingBalls(p, five, 5);
                const ColumnMask sharing = index.sixthBallsSharing(five, p);
                for (int x = 1; x <= game.balls(); ++x) {
                    if (hasBall(p, x))
                        continue;
                    ASSERT_EQ(hasBall(sharing, x), index.sharesWith(SortedColumn::fromMask(p | ballBit(x))))
                        << game.tag() << " k " << k << " ball " << x;
                }
            }
        }
}

TEST(GamesTest, SelectionAndPairsFilesRoundTripPerGame) {
    for (const Game& game : {G49, G60, G90}) {
        TempDataDir t;
        FilterSelection s = windowSelection(nullptr, game);
        s.DecadeRule[static_cast<std::size_t>(game.decades() - 1)][2] = 0;
        saveSelectionFile(t.dir(), s, game);
        EXPECT_EQ(t.dir().fileSize(files::Selection), 170 + 14 * (game.decades() - 5)) << game.tag();
        FilterSelection back = FilterSelection::startup();
        ASSERT_TRUE(loadSelectionFile(t.dir(), back, game));
        EXPECT_EQ(back.toRecords(game), s.toRecords(game));
        // Another game's file is damaged here, and the message names this game's size.
        const Game& other = game == G90 ? G49 : G90;
        EXPECT_EQ(selectionFileState(t.dir(), other), SelectionFileState::WrongSize);

        PairTable counts;
        counts(1, 2) = counts(2, 1) = 3;
        counts(game.balls() - 1, game.balls()) = counts(game.balls(), game.balls() - 1) = 3;
        EXPECT_EQ(writePairsFromCounts(t.dir(), counts, 2, false, game), 2);
        const std::vector<unsigned char> bytes = t.readBytes(files::Pairs);
        ASSERT_EQ(bytes.size(), 4u);
        EXPECT_EQ(bytes[2] | bytes[3] << 8, (game.balls() - 1) * (game.balls() + 1) + game.balls());
        PairTable pairs;
        ASSERT_TRUE(loadRunPairs(t.dir(), pairs, game));
        EXPECT_EQ(pairs(game.balls(), game.balls() - 1), 1);
        EXPECT_EQ(pairs(2, 1), 1);
    }
    EXPECT_EQ(selectionfile::wrongSizeText(G90),
              "'VELMORIX.FLT' dosyası bozuk (Dosya boyutu 240 byte değil) !");
    EXPECT_EQ(selectionfile::wrongSizeText(G49), selectionfile::WrongSizeText);
}

TEST(GamesTest, OneWorkerAndTwoWriteTheSameListAndCount) {
    // 6/60 with a bag of 28 balls, the default selection and the repetition ban.
    const auto build = [](int workers, std::vector<unsigned char>& list) {
        setEngineWorkers(workers);
        TempDataDir t;
        AppState state;
        state.game = G60;
        for (int b = 10; b <= 37; ++b)
            state.BagBalls.push(b);
        state.Selection = windowSelection(nullptr, G60);
        state.Selection.RepeatBanLevel = 4;
        const FixedClock clock;
        const BuildResult r = BuildNewList(state, t.dir(), clock, answerYes());
        list = t.readBytes(files::List);
        LiveSelection request{windowSelection(nullptr, G60), state.BagBalls, state.BankoBalls, G60};
        request.selection.RepeatBanLevel = 4;
        const auto data = RunData::take(t.dir());
        const int32_t counted = LiveCounter(request, *data).survivors().value_or(-1);
        EXPECT_EQ(counted, r.kept);
        return r.kept;
    };
    std::vector<unsigned char> one, two;
    const int32_t keptOne = build(1, one);
    const int32_t keptTwo = build(2, two);
    EXPECT_GT(keptOne, 100);
    EXPECT_EQ(keptOne, keptTwo);
    EXPECT_TRUE(one == two);

    // Filtering a list of random columns, some marked, a few beyond the game's balls.
    Rng rng(62);
    std::vector<ColumnRecord> list;
    for (int n = 0; n < 150'000; ++n) {
        ColumnRecord r;
        r.Tag = chance(rng, 0.05) ? -1 : 0;
        r.Ball = randomColumn(rng, chance(rng, 0.01) ? 70 : 60);
        list.push_back(r);
    }
    const auto filter = [&](int workers) {
        setEngineWorkers(workers);
        TempDataDir t;
        t.writeRecords(files::List, list);
        AppState state;
        state.game = G60;
        state.Selection = windowSelection(nullptr, G60);
        const FixedClock clock;
        EXPECT_EQ(FilterExistingList(state, t.dir(), clock, answerYes()).outcome, FilterOutcome::Filtered);
        return t.readBytes(files::List);
    };
    const std::vector<unsigned char> filteredOne = filter(1);
    EXPECT_TRUE(filteredOne == filter(2));
    EXPECT_GT(filteredOne.size(), 16u * 10'000);
    EXPECT_LT(filteredOne.size(), 16u * 140'000);
    setEngineWorkers(0);
}

TEST(GamesTest, BallsAboveTheGameFailEveryFilter) {
    TempDataDir t;
    t.writeRecords(files::List,
                   {rec(0, {1, 2, 3, 4, 5, 6}), rec(0, {1, 2, 3, 4, 5, 61}), rec(0, {1, 2, 3, 4, 5, 90}),
                    rec(0, {5, 6, 7, 8, 9, 60}), rec(0, {1, 2, 3, 4, 5, 127})});
    AppState state;
    state.game = G60;
    state.Selection = FilterSelection::startup(); // every filter off but chaos
    state.Selection.ChaosOn = 0;
    const FixedClock clock;
    const FilterResult r = FilterExistingList(state, t.dir(), clock, answerYes());
    ASSERT_EQ(r.outcome, FilterOutcome::Filtered);
    const std::vector<ColumnRecord> kept = t.readRecords(files::List);
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[0].Ball[5], 6);
    EXPECT_EQ(kept[1].Ball[5], 60);
}

TEST(GamesTest, AFullBagOfNinetyAsksForItsWorstCaseInMegabytes) {
    AppState state;
    state.game = G90;
    for (int b = 1; b <= 90; ++b)
        state.BagBalls.push(static_cast<int16_t>(b));
    TempDataDir t;
    // 622,614,630 columns of 16 bytes, rounded up to whole MB.
    EXPECT_EQ(listSpace(state, t.dir()).worstMb, 9501);
    const Question q = listSpaceQuestion({9501, 120, false});
    EXPECT_EQ(
        q.text,
        "Liste en çok 9501 MB tutabilir, diskte 120 MB boş yer var.\rYine de başlamak istiyormusunuz ?");
    EXPECT_EQ(q.title, "! DİKKAT !");
}
