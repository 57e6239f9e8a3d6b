#include "support/EngineTests.h"

using namespace velmorix::resultsimport;

std::vector<int32_t> tagsOf(const Parsed& p) {
    std::vector<int32_t> out;
    for (const ImportedDraw& d : p.draws)
        out.push_back(d.tag);
    return out;
}

// Only what is certain becomes a draw; everything else is listed with its
// line and reason.
TEST(ResultsImportTest, MessyTextWithMixedSeparatorsBadLinesAndDates) {
    const std::string text = "Tarih;Num1;Num2;Num3;Num4;Num5;Num6\r\n"                // 1 heading
                             "12.03.2005;3;11;12;14;41;43\r\n"                        // 2
                             "19/03/2005  45 2 17 9 30 21\n"                          // 3 any order
                             "2005-03-26,1,2,3,4,5,50\n"                              // 4 a ball of 50
                             "\n"                                                     // 5 blank
                             "02.04.2005 | 7 | 7 | 8 | 9 | 10 | 11\n"                 // 6 repeated 7
                             "7. 09.04.1999 20:30 4 8 15 16 23 42\n"                  // 7 ordinal, clock
                             "1 2 3 4 5\r"                                            // 8 five numbers
                             "10 20 30 40 41 42\n"                                    // 9 no date
                             "\"June 12, 1982\",3,11,12,14,41,43,13\n"                // 10 a seventh number
                             "Hafta 5: 23 Nisan 2006: 5 15 25 35 45 49 SÜPERSTAR 7\n" // 11 label
                             "29.02.2005 1 2 3 4 5 6\n"                               // 12 no such day
                             "3) 01.05.2006 1 2 3 4 5 6 Joker 9 Ek 12 bonus 40\n"     // 13 labels
                             "08.05.2006 1) 2 3 4 5 6\n"; // 14 an ordinal after the date
    const Parsed p = parse(text);
    EXPECT_EQ((std::pair<int, int>{p.lines, p.textLines}), (std::pair<int, int>{14, 1}));
    std::vector<std::array<int16_t, 6>> balls;
    for (const ImportedDraw& d : p.draws)
        balls.push_back(d.balls);
    EXPECT_EQ(balls, (std::vector<std::array<int16_t, 6>>{{3, 11, 12, 14, 41, 43},
                                                          {2, 9, 17, 21, 30, 45},
                                                          {4, 8, 15, 16, 23, 42},
                                                          {5, 15, 25, 35, 45, 49},
                                                          {1, 2, 3, 4, 5, 6}}));
    EXPECT_EQ(tagsOf(p),
              (std::vector<int32_t>{encodeDateCode(2005, 3, 12), encodeDateCode(2005, 3, 19), KeepMark,
                                    encodeDateCode(2006, 4, 23), encodeDateCode(2006, 5, 1)}));
    EXPECT_EQ(p.draws[2].date.year, 1999); // kept for the order, though no DateCode
    EXPECT_EQ(p.bad, (std::vector<BadLine>{{4, LineProblem::BallOutOfRange, 50},
                                           {6, LineProblem::RepeatedBall, 7},
                                           {8, LineProblem::TooFewNumbers, 5},
                                           {9, LineProblem::NoDate, 0},
                                           {10, LineProblem::TooManyNumbers, 7},
                                           {12, LineProblem::BadDate, 0},
                                           {14, LineProblem::TooFewNumbers, 5}}));
    EXPECT_EQ(badLinesText(p.bad, 3), "Alınmayan satırlar:\rSatır 4: 1-49 dışında sayı (50)"
                                      "\rSatır 6: top tekrarı (7)\rSatır 8: 6 top yok (5 sayı)"
                                      "\r... ve 4 satır daha");
    EXPECT_EQ(badLineText(p.bad[4]),
              "Satır 10: 6'dan çok sayı (7 sayı), hangilerinin top olduğu belli değil");
}

TEST(ResultsImportTest, EnglishAndTurkishMonthsHeadingLabelsAndCodePages) {
    // The heading's Bonus column holds no ball; a misspelt month as the real draw file has one.
    const Parsed english = parse("Date,Num1,Num2,Num3,Num4,Num5,Num6,Bonus\n"
                                 "\"November 19, 2025\",14,17,28,31,42,48,5\n7 Sep 2010 1 2 3 4 5 6\n"
                                 "\"Febraury 5, 2020\",1,3,6,24,29,45,48\n");
    EXPECT_TRUE(english.bad.empty());
    EXPECT_EQ(tagsOf(english), (std::vector<int32_t>{encodeDateCode(2025, 11, 19), encodeDateCode(2010, 9, 7),
                                                     encodeDateCode(2020, 2, 5)}));
    // Windows-1254 bytes, as old Turkish text files are; the label in capitals.
    const Parsed turkish = parse(toWindows1254("No;Tarih;1;2;3;4;5;6;Joker\n1;3 Ağustos 2008;1;2;3;4;5;6;9\n"
                                               "2;4 ŞUBAT 2009;7;8;9;10;11;12;SÜPERSTAR;13\n"));
    EXPECT_EQ(turkish.textLines, 1);
    EXPECT_EQ(tagsOf(turkish),
              (std::vector<int32_t>{encodeDateCode(2008, 8, 3), encodeDateCode(2009, 2, 4)}));
    const Parsed bom = parse("\xEF\xBB\xBF"
                             "01.01.2004 1 2 3 4 5 6");
    EXPECT_EQ(tagsOf(bom), std::vector<int32_t>{encodeDateCode(2004, 1, 1)});
}

// The results stay in date order: older draws go before the file's, newer
// ones after, others between; the same draw twice is left out, repeats of
// the balls only when asked.
TEST(ResultsImportTest, DrawsTakeTheirPlaceAmongTheDatedResults) {
    const std::vector<ColumnRecord> existing{rec(encodeDateCode(2005, 3, 6), {1, 2, 3, 4, 5, 6}),
                                             rec(KeepMark, {1, 1, 2, 3, 4, 5}), // hand-made: stays
                                             rec(encodeDateCode(2005, 3, 20), {7, 8, 9, 10, 11, 12})};
    // Newest first: the text is taken from its end.
    const Parsed p = parse("27.03.2005 7 8 9 10 11 12\n" // balls of 20.03 on another date
                           "20.03.2005 7 8 9 10 11 12\n" // the same draw: left out
                           "13.03.2005 21 22 23 24 25 26\n"
                           "27.02.2005 31 32 33 34 35 36\n");
    EXPECT_EQ(countRepeats(p, existing), 1);
    const Plan all = plan(p, existing, false);
    EXPECT_EQ((std::vector<int>{all.reversed, all.sameDraws, all.added, all.placedBetween}),
              (std::vector<int>{1, 1, 3, 2}));
    EXPECT_EQ(all.records, (std::vector<ColumnRecord>{
                               rec(encodeDateCode(2005, 2, 27), {31, 32, 33, 34, 35, 36}), existing[0],
                               existing[1], rec(encodeDateCode(2005, 3, 13), {21, 22, 23, 24, 25, 26}),
                               existing[2], rec(encodeDateCode(2005, 3, 27), {7, 8, 9, 10, 11, 12})}));
    const Plan fresh = plan(p, existing, true);
    EXPECT_EQ((std::pair<int, int>{fresh.repeats, fresh.added}), (std::pair<int, int>{1, 2}));
    EXPECT_EQ(appendQuestion(fresh), " 2 kolon sonuçlar ('VELMORIX.RES') dosyasına eklenecek (2 tanesi tarih "
                                     "sırasına göre araya, 0 tanesi sona).\r\rDevam etmek istiyormusunuz ?");

    // A mistyped year moves nothing within the text.
    const Parsed typo = parse("06.03.2006 1 2 3 4 5 6\n13.03.2050 7 8 9 10 11 12\n20.03.2006 1 2 3 4 5 7\n"
                              "27.03.2006 1 2 3 4 5 8\n");
    const Plan asTyped = plan(typo, existing, false);
    EXPECT_EQ((std::pair<int, int>{asTyped.reversed, asTyped.placedBetween}), (std::pair<int, int>{0, 0}));
    EXPECT_EQ(asTyped.records[4].Ball, (std::array<int16_t, 6>{7, 8, 9, 10, 11, 12}));

    // Room for one more result only.
    const std::vector<ColumnRecord> nearlyFull(MaxResults - 1, rec(KeepMark, {1, 2, 3, 4, 5, 7}));
    const Plan limited = plan(typo, nearlyFull, false);
    EXPECT_EQ((std::vector<int>{limited.added, limited.overLimit, static_cast<int>(limited.records.size())}),
              (std::vector<int>{1, 3, MaxResults}));
}

TEST(ResultsImportTest, TheRealDrawFile) {
    const std::string text = readTextFile("/work/shared/data/lotto649-draws.csv");
    const Parsed p = parse(text);
    EXPECT_TRUE(p.bad.empty());
    EXPECT_EQ(p.textLines, 1);
    TempDataDir t;
    save(t.dir(), plan(p, {}, true));
    // The same draws as the results file made from them.
    const auto written = t.readBytes(files::Results);
    EXPECT_EQ(std::string(written.begin(), written.end()), readTextFile("/work/shared/data/VELMORIX.RES"));
}

TEST(ResultsImportTest, SummaryInTheProgramsWords) {
    const Parsed p = parse("Tarih 1 2 3\nBaşlık\n09.04.1999 4 8 15 16 23 42\n12.03.2005 1 2 3 4 5 6\n"
                           "12.03.2005 1 2 3 4 5 6\n");
    const Plan pl = plan(p, {}, true);
    EXPECT_EQ(summaryText("yeni.csv", p, pl, 2),
              "'yeni.csv' dosyasından 2 sonuç kolonu eklendi (0 tanesi tarih sırasına göre araya, 2 tanesi "
              "sona).\r\rOkunan satır sayısı: 5\rGeçerli kolon sayısı: 3"
              "\rAynı tarih ve toplarla zaten olduğu için atlanan: 1\rSayı içermeyen (başlık) satır: 1"
              "\rSonuç dosyasındaki kolon sayısı: 2 (1 tanesi 2003-2099 dışında, tarihsiz)"
              "\r\rAlınmayan satırlar:\rSatır 1: 6 top yok (3 sayı)");
}

// The same import from the command line, for scripts.
TEST(ResultsImportTest, BatchCommandExitCodes) {
    TempDataDir t;
    const auto file = [&](const std::string& name, const std::string& text) {
        std::ofstream(t.path() / name) << text;
        return (t.path() / name).string();
    };
    EXPECT_EQ(runCommand(t.dir(), {}).exitCode, 2);
    EXPECT_EQ(runCommand(t.dir(), {"a.txt", "--skip"}).exitCode, 2);
    const std::string refused = file("bozuk.txt", "1 2 3 4 5 6\nbaşlık\n");
    const CommandOutcome none = runCommand(t.dir(), {refused});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_EQ(none.err, "Dosyada eklenecek geçerli bir sonuç kolonu bulunamadı !\n\nAlınmayan satırlar:\n"
                        "Satır 1: tarih yok\n");
    EXPECT_FALSE(t.dir().exists(files::Results));

    const std::string good = file("iyi.txt", "01.01.2005 1 2 3 4 5 6\n08.01.2005 1 2 3 4 5 6\n");
    EXPECT_EQ(runCommand(t.dir(), {good}).exitCode, 0);
    EXPECT_EQ(recordCount(t.dir(), files::Results), 2);
    EXPECT_EQ(runCommand(t.dir(), {good, "--skip-duplicates"}).exitCode, 1); // nothing new
    EXPECT_EQ(runCommand(t.dir(), {(t.path() / "yok.txt").string()}).err,
              "! HATA !\n'yok.txt' dosyası ile işlem yapılamadı !\n\nokunamadı\n(dosya bulunamadı)\n");
}
