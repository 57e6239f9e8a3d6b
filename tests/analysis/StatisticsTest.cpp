#include "support/EngineTests.h"

ColumnRecord col(std::array<int16_t, 6> balls) {
    return ColumnRecord{653, balls};
}

using Texts = std::array<std::string, 6>;

// The lowest, highest and mean sums as shown.
std::vector<std::string> sumTexts(const RangeStatistics& s) {
    return {s.sumLowText(), s.sumHighText(), s.sumMeanText()};
}

TEST(StatisticsTest, OneResultHasNothingToCompareAndTwoShareThreeBalls) {
    const RangeStatistics one = computeRangeStatistics({col({1, 2, 3, 4, 5, 6})}, true);
    EXPECT_EQ(one.similarityTexts(), (Texts{" 0", " 0", " 0", " 0", " 0", " 0"}));
    EXPECT_EQ(sumTexts(one), (std::vector<std::string>{" 21", " 21", "21"}));
    EXPECT_EQ(computeRangeStatistics({col({1, 2, 3, 4, 5, 6})}, false).similarityTexts(),
              (Texts{"-", "-", "-", "-", "-", "-"}));

    const RangeStatistics s =
        computeRangeStatistics({col({1, 2, 3, 4, 5, 6}), col({1, 2, 3, 40, 41, 42})}, true);
    EXPECT_EQ(s.similarityTexts(), (Texts{" 3", " 0", " 3", " 3", " 0", " 3"}));
    EXPECT_EQ(sumTexts(s), (std::vector<std::string>{" 21", " 129", "75"}));
    // 01-09 holds six balls once and three once; 40-49 none and three.
    EXPECT_EQ((std::vector<std::string>{s.groupHighText(0), s.groupLowText(0), s.groupMeanText(0),
                                        s.groupHighText(4), s.groupLowText(4), s.groupLowText(2),
                                        s.groupHighText(2)}),
              (std::vector<std::string>{" 6", " 3", " 4.5", " 3", " 0", " 0", " 0"}));
}

TEST(StatisticsTest, MeansAreCutNotRoundedAndBrokenColumnsAreNotCounted) {
    // Sums 100, 101 and 103; the 20-29 group holds 3, 2 and 2 balls.
    const RangeStatistics s =
        computeRangeStatistics({col({1, 2, 3, 4, 40, 50}), col({5, 10, 15, 20, 23, 27}),
                                col({5, 10, 15, 19, 24, 28}), col({5, 10, 15, 19, 26, 28})},
                               true);
    EXPECT_EQ(s.figures.SumCount, 3);
    EXPECT_EQ(s.sumMeanText() + s.groupMeanText(2), "101.333 2.333");
    EXPECT_EQ((std::pair<int, int>{s.counts.ball[1], s.counts.ball[5]}), (std::pair<int, int>{0, 3}));
    // The broken column shares nothing with the others.
    EXPECT_EQ(s.similarityTexts(), (Texts{" 5", " 3", " 5", " 2.666", " 1.5", " 5"}));
}

TEST(StatisticsTest, HighestSimilarityLooksAtEveryEarlierResult) {
    const RangeStatistics s =
        computeRangeStatistics({col({1, 2, 3, 4, 5, 6}), col({7, 8, 9, 10, 11, 12}), col({1, 2, 3, 4, 5, 7}),
                                col({20, 21, 22, 23, 24, 25}), col({7, 8, 9, 30, 31, 32})},
                               true);
    const auto& m = *s.similarity;
    EXPECT_EQ((std::vector<int>{m.lastHighest, m.highest, m.lastWithPrevious, m.lastWithSecondPrevious}),
              (std::vector<int>{3, 5, 0, 1}));
}

TEST(StatisticsTest, CountListsOrderMostDrawnFirstAndNeverDrawnLast) {
    RepetitionCounts c = RepetitionCounts::of({col({3, 7, 12, 20, 33, 41}), col({3, 7, 9, 21, 34, 49})});
    const std::vector<std::string> balls = ballCountLines(c);
    ASSERT_EQ(balls.size(), 49u);
    EXPECT_EQ((std::vector<std::string>{balls[0], balls[1], balls[2], balls[10], balls[48]}),
              (std::vector<std::string>{" 03 :  2 kez...", " 07 :  2 kez...", " 09 :  1 kez...",
                                        " 01 :  Yok...", " 48 :  Yok..."}));
    const std::vector<PairCountLine> pairs = pairCountLines(c);
    ASSERT_EQ(pairs.size(), 1176u);
    EXPECT_EQ((std::vector<std::string>{pairs[0].text, pairs[1].text, pairs[29].text}),
              (std::vector<std::string>{" 03, 07 :  2 kez...", " 03, 09 :  1 kez...", " 01, 02 :  Yok..."}));
    EXPECT_EQ(pairs[29].count, 0);
    EXPECT_EQ(c.pair(7, 3), 2);
}

TEST(StatisticsTest, SumsWithoutTheExtremes) {
    const std::vector<ColumnRecord> range{col({1, 2, 3, 4, 5, 6}), col({5, 10, 15, 20, 23, 27}),
                                          col({5, 10, 15, 20, 24, 27}), col({44, 45, 46, 47, 48, 49}),
                                          col({1, 2, 3, 4, 5, 6})};
    const RangeStatistics st = computeRangeStatistics(range, true);
    const ExtremeFreeSums s = sumsWithoutExtremes(range, st.figures.SumLow, st.figures.SumHigh);
    const ReportMessage m = extremeFreeSumsMessage(s, st.figures, 3, 7).value();
    EXPECT_EQ(m.title, "%40 TOPLAM DEĞERLERİ [ Sonuç 3 - 7 için UÇ OLMAYAN Toplamlar ]");
    EXPECT_EQ(m.text,
              "En Düşük TOPLAM = 100\rEn Yüksek TOPLAM = 101\r\rUç Olmayan Toplam Ortalaması = 100.5\r\r"
              "NOT: İki uç toplam değeri ( 21 ve 279 ) dikkate alınmamıştır.");
    EXPECT_FALSE(
        extremeFreeSumsMessage(sumsWithoutExtremes({range[0], range[3]}, 21, 279), st.figures, 1, 2));
    // The mean shows seven significant digits.
    const std::string text =
        extremeFreeSumsMessage(ExtremeFreeSums{28, 4229, 120, 190}, st.figures, 1, 30).value().text;
    EXPECT_NE(text.find("Uç Olmayan Toplam Ortalaması = 151.0357\r"), std::string::npos) << text;
}

TEST(StatisticsTest, PlayedColumnsAgainstTheLastTwoResults) {
    const std::vector<ColumnRecord> played{col({1, 2, 3, 10, 11, 12}), col({1, 2, 3, 4, 11, 12}),
                                           col({20, 21, 22, 23, 24, 25}), col({1, 2, 3, 4, 30, 31})};
    PlayedSimilarity s =
        comparePlayedWithResults(played, col({1, 2, 3, 4, 5, 6}), col({20, 21, 22, 40, 41, 42}));
    EXPECT_EQ(playedSimilarityMessage(s).text,
              "Son Hafta ile ençok benzerlik= 4\r[ İlk Ençok Benzer Kolon= 2 ]\r\r"
              "Sondan 2. Hafta ile ençok benzerlik= 3\r[ İlk Ençok Benzer Kolon= 3 ]");
    s = comparePlayedWithResults(played, col({40, 41, 42, 43, 44, 45}), std::nullopt);
    EXPECT_EQ((std::vector<int>{s.highestWithLast, s.firstColumnWithLast, s.firstColumnWithSecondLast}),
              (std::vector<int>{0, 1, 0}));
}

TEST(StatisticsTest, PrintoutsForEachSource) {
    const RangeStatistics st =
        computeRangeStatistics({col({1, 2, 3, 4, 5, 6}), col({1, 2, 3, 40, 41, 42})}, true);
    const auto pairs = pairCountPrintout(StatisticsSource::Played, 2, st, "d");
    EXPECT_EQ(pairs[2], "OYNANAN KOLONLARDAKİ İKİLİLERİN TEKRAR SAYILARI");
    // 3 pairs twice, 15 + 15 - 2 * 3 others once; pairs never drawn are left out.
    EXPECT_EQ(pairs.size(), 4u + 3u + 24u);
    const auto figures =
        figuresPrintout(StatisticsSource::List, 5, 6, computeRangeStatistics({}, false), "d");
    EXPECT_EQ((std::vector<std::string>{figures[2], figures[4], figures[9], figures[13], figures[16],
                                        figures.back()}),
              (std::vector<std::string>{"Kombinasyonların TOPLAM & GURUP DAĞILIMI & BENZERLİK Sayıları",
                                        "İlk Kolon = 5", "TOPLAM Ortalaması =0",
                                        "01-09 Arası Çıkma Ortalaması = 0", "10-19 Çıkma Ortalaması = 0",
                                        "Tüm kolonların birbirleriyle en yüksek benzerliği =-"}));
    EXPECT_EQ(statisticsHelpText(StatisticsSource::List).rfind("F9 = Tek Top", 0), 0u);
}
