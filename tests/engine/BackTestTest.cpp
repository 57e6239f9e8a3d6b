#include "RandomData.h"

#include "support/EngineTests.h"

// Sums 100..150, no result sharing three balls with an earlier one, no sum of
// an earlier result, no span of the previous result; nothing else.
FilterSelection knownSelection() {
    FilterSelection s = windowSelection(nullptr);
    s.ChaosOn = 0;
    s.SumRule = {-1, 100, 150, 0};
    s.ResultLimit = 3;
    s.OtherFiltersOn = -1;
    s.SumRepeatBan = -1;
    s.LastWeekSpanBan = -1;
    return s;
}

TEST(BackTestTest, ResultsMadeSoThatTheAnswerIsKnown) {
    TempDataDir t;
    t.writeRecords(files::Results, {
                                       rec(2005001, {10, 20, 30, 31, 32, 33}), // sum 156: the sums
                                       rec(2005002, {1, 2, 3, 40, 41, 42}),    // passes
                                       rec(2005003, {1, 2, 3, 10, 11, 12}),   // sum 39, and 1 2 3 as the last
                                       rec(2005004, {4, 14, 24, 26, 27, 34}), // the sum of the second
                                       rec(2005005, {6, 16, 22, 28, 29, 36}), // the span of the fourth
                                       rec(2005006, {7, 8, 9, 13, 44, 49}),   // passes
                                       rec(KeepMark, {5, 5, 6, 7, 8, 9}),     // hand-made: not judged
                                       rec(2005008, {1, 11, 21, 31, 41, 45}), // passes: sum 150, span 44
                                   });
    const auto before = t.readBytes(files::Results);
    const auto data = RunData::take(t.dir());
    std::vector<int32_t> steps;
    const BackTestResult r = runBackTest(knownSelection(), *data, [&](int32_t done, int32_t total) {
        EXPECT_EQ(total, 8);
        steps.push_back(done);
    });
    EXPECT_EQ(steps, (std::vector<int32_t>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(r.results, 8);
    EXPECT_EQ(r.judged, 7);
    EXPECT_EQ(r.thrownOut, 4);
    EXPECT_EQ(r.parts, (std::vector<BackTestPart>{
                           {FilterPart::Sums, "Toplam Filtreleri", 2, 2},
                           {FilterPart::Results, "Sonuçlar (3 benzer)", 0, 1},
                           {FilterPart::LastWeekSpan, "Son hafta sayı farkı yasak", 1, 1},
                           {FilterPart::SumRepeat, "Sayı toplamı aynı olamaz", 1, 1},
                       }));
    EXPECT_EQ(backTestText(r), "Seçiminiz geçmiş 7 sonucun 4 tanesini elerdi (%57.1)"
                               "\r\rİlk eleyen filtreye göre:"
                               "\rToplam Filtreleri = 2"
                               "\rSon hafta sayı farkı yasak = 1"
                               "\rSayı toplamı aynı olamaz = 1"
                               "\r\rFiltrelerin tek başına eledikleri:"
                               "\rToplam Filtreleri = 2  (%28.5)"
                               "\rSonuçlar (3 benzer) = 1  (%14.2)"
                               "\rSon hafta sayı farkı yasak = 1  (%14.2)"
                               "\rSayı toplamı aynı olamaz = 1  (%14.2)"
                               "\r\rNOT: Topları geçersiz olan 1 kayıt test edilmedi."
                               "\r\rHer sonuç kendinden önceki sonuçlara göre test edildi; torba, banko ve "
                               "tekrar yasakları hesaba katılmadı.");
    EXPECT_EQ(t.readBytes(files::Results), before);
}

TEST(BackTestTest, WithoutFiltersOrResults) {
    TempDataDir t;
    FilterSelection none = windowSelection(nullptr);
    none.ChaosOn = 0;
    {
        const auto data = RunData::take(t.dir());
        EXPECT_EQ(runBackTest(none, *data).results, 0);
    }
    t.writeRecords(files::Results, {rec(KeepMark, {1, 2, 3, 4, 5, 6})});
    const auto data = RunData::take(t.dir());
    const BackTestResult r = runBackTest(none, *data);
    EXPECT_EQ(r.judged, 1);
    EXPECT_EQ(r.thrownOut, 0);
    EXPECT_EQ(backTestText(r).rfind("Seçiminiz geçmiş 1 sonucun 0 tanesini elerdi (%0)\r\r"
                                    "Seçiminizde uygulanan bir filtre yok.\r\rHer sonuç",
                                    0),
              0u);
}

TEST(BackTestTest, PercentagesAreCutNotRounded) {
    EXPECT_EQ((std::vector<std::string>{percentText(2, 3), percentText(1, 4), percentText(0, 9),
                                        percentText(9, 9), percentText(1, 0)}),
              (std::vector<std::string>{"66.6", "25", "0", "100", "0"}));
    EXPECT_EQ(backTestProgressTitle(12, 300), "Test - Sonuç : 12 - [ 300 ]");
}

// The history grown draw by draw must prepare exactly what a run on a results
// file of the same records prepares: the same selection and the same verdicts.
TEST(BackTestTest, HistoryPreparesWhatARunOnTheSameResultsPrepares) {
    Rng rng(4242);
    for (int round = 0; round < 25; ++round) {
        TempDataDir source;
        writeRandomData(source, rng, {12, 10, 10, 0.15});
        const std::vector<ColumnRecord> results = source.readRecords(files::Results);
        const FilterSelection::Records stored = randomStoredSelection(rng);
        FilterSelection base = windowSelection(&stored);
        if (base.ChaosOn != 0)
            base.MathRelOff = -1;

        FilterSelection withoutResults = base;
        withoutResults.ResultLimit = -1;
        for (int16_t* f :
             {&withoutResults.LastTwoWeeksLink, &withoutResults.LastWeekMax2, &withoutResults.LastWeekSpanBan,
              &withoutResults.GapPatternBan, &withoutResults.SumRepeatBan, &withoutResults.DecadeShapeBan,
              &withoutResults.ResultsMin3Link})
            *f = 0;
        const auto data = RunData::take(source.dir());
        RunContext grown = data->prepare(withoutResults);
        base.ForbiddenPairsOn = withoutResults.ForbiddenPairsOn;
        base.PlayedLimit = withoutResults.PlayedLimit;
        base.SextetLimit = withoutResults.SextetLimit;
        ResultHistory history(base, grown);

        for (std::size_t n = 0; n <= results.size(); ++n) {
            if (n > 0)
                history.add(results[n - 1]);
            TempDataDir run;
            copyFolder(source, run);
            run.writeRecords(
                files::Results,
                std::vector<ColumnRecord>(results.begin(), results.begin() + static_cast<std::ptrdiff_t>(n)));
            FilterSelection expected = windowSelection(&stored);
            if (expected.ChaosOn != 0)
                expected.MathRelOff = -1;
            const RunContext prepared = prepareRunContext(expected, run.dir());
            const FilterSelection now = history.prepare(base);
            ASSERT_EQ(now, expected) << "round " << round << ", " << n << " results";
            ASSERT_EQ(grown.resultCount, prepared.resultCount);

            const ColumnEvaluator fromRun(expected, prepared);
            const ColumnEvaluator fromHistory(now, grown);
            for (int i = 0; i < 40; ++i) {
                ColumnRecord a;
                a.Ball = randomTestColumn(rng, results);
                ColumnRecord b = a;
                ASSERT_EQ(fromRun.evaluate(a), fromHistory.evaluate(b)) << "round " << round << ", " << n;
            }
        }
    }
}
