#include "support/EngineTests.h"

const Game Lotto = Game::lotto49();
const Game Super = Game::superLoto60();
const Game Crazy = Game::cilginLoto90();

int countLinesWith(const std::vector<std::string>& lines, const std::string& part) {
    return static_cast<int>(std::count_if(lines.begin(), lines.end(),
                                          [&](const std::string& l) { return l.find(part) != l.npos; }));
}

TEST(GamesTest, GroupingFileRoundTripsInEachGamesSize) {
    for (const Game& game : {Lotto, Super, Crazy}) {
        SCOPED_TRACE(game.tag());
        TempDataDir t;
        GroupingConfig cfg;
        cfg.GroupOf[1] = 1;
        cfg.GroupOf[static_cast<std::size_t>(game.balls())] = 10;
        cfg.GroupMin[9] = 1;
        cfg.GroupMax[9] = 2;
        saveGroupingConfig(t.dir(), cfg, game);
        EXPECT_EQ(static_cast<int64_t>(t.readBytes("GRUPLAR.CFG").size()), 150 + 2 * (game.balls() - 49));
        EXPECT_EQ(loadGroupingConfig(t.dir(), game), cfg);
        // The file of another game has another size: taken as damaged.
        const Game other = game == Lotto ? Crazy : Lotto;
        EXPECT_FALSE(groupingFilePresent(t.dir(), other));
        EXPECT_EQ(loadGroupingConfig(t.dir(), other), std::nullopt);
    }
}

TEST(GamesTest, StatisticsOfNinetyBallsCoverEveryBallAndDecade) {
    const std::vector<ColumnRecord> range{rec(1, {1, 10, 20, 30, 85, 90}), rec(2, {2, 11, 60, 70, 80, 90}),
                                          rec(3, {3, 4, 5, 6, 7, 91})}; // 91 is no ball: not counted
    const RangeStatistics st = computeRangeStatistics(range, true, Crazy);
    const StatisticsFigures& f = st.figures;
    EXPECT_EQ((std::vector<int>{st.counts.ball[90], f.SumCount, f.SumHigh, f.SumLow, f.GroupHigh[9],
                                f.GroupLow[9]}),
              (std::vector<int>{2, 2, 313, 236, 1, 1}));
    EXPECT_EQ(st.similarityTexts()[5], " 1"); // ball 90 in common

    const auto balls = ballCountLines(st.counts);
    ASSERT_EQ(balls.size(), 90u);
    EXPECT_EQ(balls.front(), " 90 :  2 kez...");
    EXPECT_EQ(pairCountLines(st.counts).size(), 4005u);

    const auto lines = figuresPrintout(StatisticsSource::Results, 1, 3, st, "07.12.2026 10:00:00");
    EXPECT_EQ(countLinesWith(lines, "Arası En Yüksek Çıkma ="), 10);
    EXPECT_EQ(countLinesWith(lines, "90-90 Arası En Yüksek Çıkma = 1"), 1);
    EXPECT_EQ(countLinesWith(lines, "80-89 Arası En Düşük Çıkma = 1"), 1);
}

TEST(GamesTest, SuperLotoPaysFromTwoMatchingBalls) {
    TempDataDir t;
    t.writeRecords(files::Played, {rec(653, {1, 2, 10, 20, 30, 40}), rec(653, {3, 4, 5, 58, 59, 60})});
    const hits::Scan scan = hits::scanPlayedColumns(t.dir(), {1, 2, 3, 4, 5, 60}, {}, Super);
    EXPECT_EQ(scan.prizeColumns, 2);
    EXPECT_EQ(scan.report, "\r\n 4 Tutturulan Kolonlar:\r\n"
                           " Kolon 2 :    3 , 4 , 5 , 58 , 59 , 60\r\n"
                           "\r\n 2 Tutturulan Kolonlar:\r\n"
                           " Kolon 1 :    1 , 2 , 10 , 20 , 30 , 40\r\n"
                           "\r\n 2 kolona ikramiye isabet etti...");
    EXPECT_EQ(hits::firstInvalidCell({1, 2, 3, 4, 5, 61}, Super), 6);
    EXPECT_EQ(hits::firstInvalidCell({1, 2, 3, 4, 5, 60}, Super), std::nullopt);
}

TEST(GamesTest, QuantumBottomPartOfNinetyBallsIsRanksSeventyNineToNinety) {
    std::array<int32_t, kMaxBalls + 1> counts{};
    for (int b = 1; b <= 90; ++b)
        counts[static_cast<std::size_t>(b)] = 91 - b; // ball b takes rank b
    const QuantumRanking ranking = rankByRepetitions(counts, 100, Crazy);
    // A ball, not the size of the bottom part.
    EXPECT_EQ((std::pair<int, int>{ranking.rtor[50], ranking.rtor[90]}), (std::pair<int, int>{50, 90}));
    EXPECT_GT(ranking.bottomSize(), 0);

    ColumnMask column = 0;
    for (int b : {1, 12, 13, 78, 79, 90})
        column |= ballBit(b);
    const RankGroupCounts g = rankGroupsOfMask(ranking, column);
    EXPECT_EQ((std::pair<int, int>{g.first12, g.last12}), (std::pair<int, int>{2, 2}));
    EXPECT_EQ(kuantumOfMask(ranking, column), 273);

    const auto groupOf = rankGroupsConfig(ranking, {}, true).GroupOf;
    EXPECT_EQ((std::vector<int>{groupOf[12], groupOf[78], groupOf[79], groupOf[90]}),
              (std::vector<int>{1, 3, 2, 2}));

    QuantumSettings s;
    s.Rtor = ranking.rtor;
    s.GKMAX = 1000;
    s.GB0 = 1;
    s.gi12kmax = 6; // no ball of the last twelve ranks allowed
    const QuantumColumnTest test(s, Crazy);
    EXPECT_EQ(test.passes({1, 2, 3, 4, 5, 78}), 93);
    EXPECT_EQ(test.passes({1, 2, 3, 4, 5, 79}), std::nullopt);
    EXPECT_EQ(test.passes({1, 2, 3, 4, 5, 91}), std::nullopt);
}

TEST(GamesTest, RandomColumnsOfNinetyBallsReachEveryBall) {
    StdRandom random(11);
    ColumnMask seen = 0;
    for (int i = 0; i < 2000; ++i) {
        const auto column = drawRandomColumn(BagList{}, BankoList{}, random, Crazy);
        const ColumnMask balls = columnBalls(Crazy, column);
        ASSERT_NE(balls, 0);
        seen |= balls;
    }
    EXPECT_EQ(seen, gameBalls(Crazy));
}

TEST(GamesTest, ImportTakesBallsOfTheGameOnly) {
    const std::string text = "12.03.2005;3;11;12;14;41;91\n13.03.2005;3;11;12;14;41;90\n";
    const resultsimport::Parsed crazy = resultsimport::parse(text, Crazy);
    ASSERT_EQ(crazy.draws.size(), 1u);
    EXPECT_EQ(crazy.draws[0].balls.back(), 90);
    ASSERT_EQ(crazy.bad.size(), 1u);
    EXPECT_EQ(resultsimport::badLineText(crazy.bad[0], Crazy), "Satır 1: 1-90 dışında sayı (91)");
}

TEST(GamesTest, ChaosTitlesNameTheGamesLimits) {
    EXPECT_EQ(chaosreport::testTitle(1, Crazy), "* 31'den küçük en az 1, 47'den büyük en az 1 sayı koşulu:");
    EXPECT_EQ(chaosreport::testTitle(1, Super), "* 21'den küçük en az 1, 31'den büyük en az 1 sayı koşulu:");
    EXPECT_EQ(chaosreport::testTitle(9, Crazy),
              "* 9'dan az sayı farklı en az 2 ve 18-35 arası sayı farklı en az 1 ikili koşulu:");
    EXPECT_EQ(chaosreport::testTitle(1), "* 17'den küçük en az 1, 25'den büyük en az 1 sayı koşulu:");
    EXPECT_EQ(chaosreport::testTitle(9),
              "* 5'den az sayı farklı en az 2 ve 10'lu sayı farklı en az 1 ikili koşulu:");
    // A ball above N breaks every test.
    EXPECT_TRUE(chaosreport::failsTest(7, {1, 12, 23, 34, 45, 61}, Super));
}

TEST(GamesTest, PlayedPairsUseTheGamesCodesAndLastDecade) {
    TempDataDir t;
    t.writeRecords(files::Played, {rec(0, {1, 2, 85, 86, 87, 90}), rec(0, {90, 87, 86, 85, 2, 1})});
    EXPECT_EQ(writePairsFromPlayed(t.dir(), 2, 2, false, {}, Crazy), 15);
    const auto bytes = t.readBytes(files::Pairs);
    auto code = [&](std::size_t i) { return bytes[2 * i] | (bytes[2 * i + 1] << 8); };
    EXPECT_EQ(code(0), 1 * 91 + 2);    // inside decades first
    EXPECT_EQ(code(3), 86 * 91 + 87);  // decade 8
    EXPECT_EQ(code(4), 1 * 91 + 85);   // then across decades
    EXPECT_EQ(code(14), 87 * 91 + 90); // 90 is a decade of its own
}
