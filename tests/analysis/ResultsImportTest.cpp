#include "analysis/ResultsImport.h"
#include "core/ColumnFile.h"
#include "core/DateCode.h"
#include "core/Encoding.h"
#include "core/FileError.h"
#include "support/TempDataDir.h"

#include <cerrno>
#include <fstream>
#include <gtest/gtest.h>

using namespace velmorix;
using namespace velmorix::resultsimport;
using velmorix::test::rec;
using velmorix::test::TempDataDir;

namespace {

std::vector<std::array<int16_t, 6>> ballsOf(const Parsed& p) {
    std::vector<std::array<int16_t, 6>> out;
    for (const ImportedDraw& d : p.draws)
        out.push_back(d.balls);
    return out;
}

std::vector<int32_t> tagsOf(const Parsed& p) {
    std::vector<int32_t> out;
    for (const ImportedDraw& d : p.draws)
        out.push_back(d.tag);
    return out;
}

} // namespace

TEST(ResultsImportTest, MessyTextWithMixedSeparatorsBadLinesAndDates) {
    const std::string text = "Tarih;Num1;Num2;Num3;Num4;Num5;Num6\r\n" // 1 heading
                             "12.03.2005;3;11;12;14;41;43\r\n"         // 2
                             "19/03/2005  45 2 17 9 30 21\n"           // 3 balls in any order
                             "2005-03-26,1,2,3,4,5,50\n"               // 4 a ball of 50
                             "\n"                                      // 5 blank
                             "02.04.2005 | 7 | 7 | 8 | 9 | 10 | 11\n"  // 6 repeated 7
                             "09.04.1999 4 8 15 16 23 42\n"            // 7 before 2003
                             "1 2 3 4 5\r"                             // 8 five numbers, lone CR
                             "16.04.2100\t6\t12\t18\t24\t30\t36\n"     // 9 after 2099
                             "10 20 30 40 41 42\n"                     // 10 no date
                             "\"June 12, 1982\",3,11,12,14,41,43,13\n" // 11 a bonus ball
                             "23 Nisan 2006: 5 15 25 35 45 49\n"       // 12 Turkish month
                             "30.13.2005 1 2 3 4 5 6\n"                // 13 no such month
                             "1 2 3 4 5 6 7 8 9\n";                    // 14 nine numbers
    const Parsed p = parse(text);
    EXPECT_EQ(p.lines, 14);
    EXPECT_EQ(p.textLines, 1);
    EXPECT_EQ(ballsOf(p), (std::vector<std::array<int16_t, 6>>{{3, 11, 12, 14, 41, 43},
                                                               {2, 9, 17, 21, 30, 45},
                                                               {4, 8, 15, 16, 23, 42},
                                                               {6, 12, 18, 24, 30, 36},
                                                               {10, 20, 30, 40, 41, 42},
                                                               {3, 11, 12, 14, 41, 43},
                                                               {5, 15, 25, 35, 45, 49},
                                                               {1, 2, 3, 4, 5, 6}}));
    EXPECT_EQ(tagsOf(p),
              (std::vector<int32_t>{encodeDateCode(2005, 3, 12), encodeDateCode(2005, 3, 19), KeepMark,
                                    KeepMark, KeepMark, KeepMark, encodeDateCode(2006, 4, 23), KeepMark}));
    EXPECT_EQ(p.draws[0].line, 2);
    EXPECT_EQ(p.draws[2].date->year, 1999); // kept for the order, though no DateCode
    EXPECT_FALSE(p.draws[7].date);          // month 13 is no date
    EXPECT_EQ(p.bad, (std::vector<BadLine>{{4, LineProblem::BallOutOfRange, 50},
                                           {6, LineProblem::RepeatedBall, 7},
                                           {8, LineProblem::TooFewNumbers, 5},
                                           {14, LineProblem::TooManyNumbers, 9}}));
    EXPECT_EQ(badLinesText(p.bad), "Hatalı satırlar (atlandı):\rSatır 4: 1-49 dışında sayı (50)"
                                   "\rSatır 6: top tekrarı (7)\rSatır 8: 6 top yok (5 sayı)"
                                   "\rSatır 14: sayı çok fazla (9 sayı)");
    EXPECT_EQ(badLinesText(p.bad, 2), "Hatalı satırlar (atlandı):\rSatır 4: 1-49 dışında sayı (50)"
                                      "\rSatır 6: top tekrarı (7)\r... ve 2 satır daha");
}

TEST(ResultsImportTest, EnglishAndTurkishMonthsAndCodePages) {
    // A misspelt month as the real draw file has one.
    const Parsed english = parse("\"November 19, 2025\",14,17,28,31,42,48,5\n7 Sep 2010 1 2 3 4 5 6\n"
                                 "\"Febraury 5, 2020\",1,3,6,24,29,45,48\n");
    EXPECT_EQ(tagsOf(english), (std::vector<int32_t>{encodeDateCode(2025, 11, 19), encodeDateCode(2010, 9, 7),
                                                     encodeDateCode(2020, 2, 5)}));
    // Windows-1254 bytes, as old Turkish text files are.
    const Parsed turkish = parse(toWindows1254("3 Ağustos 2008;1;2;3;4;5;6\n4 ŞUBAT 2009;7;8;9;10;11;12\n"));
    EXPECT_EQ(tagsOf(turkish),
              (std::vector<int32_t>{encodeDateCode(2008, 8, 3), encodeDateCode(2009, 2, 4)}));
    const Parsed bom = parse("\xEF\xBB\xBF"
                             "01.01.2004 1 2 3 4 5 6");
    EXPECT_EQ(tagsOf(bom), std::vector<int32_t>{encodeDateCode(2004, 1, 1)});
}

TEST(ResultsImportTest, DuplicatesDateOrderAndTheLimit) {
    const Parsed p = parse("20.03.2005 1 2 3 4 5 6\n"
                           "13.03.2005 7 8 9 10 11 12\n"
                           "06.03.2005 6 5 4 3 2 1\n");
    const std::vector<ColumnRecord> existing{rec(KeepMark, {7, 8, 9, 10, 11, 12}),
                                             rec(KeepMark, {1, 1, 2, 3, 4, 5})}; // hand-made: no match
    EXPECT_EQ(countDuplicates(p, existing), 2);

    // The newest draw first: the text is taken from its end.
    const Plan all = plan(p, existing, false);
    EXPECT_TRUE(all.reversed);
    EXPECT_EQ(all.duplicates, 0);
    EXPECT_EQ(all.records, (std::vector<ColumnRecord>{rec(encodeDateCode(2005, 3, 6), {1, 2, 3, 4, 5, 6}),
                                                      rec(encodeDateCode(2005, 3, 13), {7, 8, 9, 10, 11, 12}),
                                                      rec(encodeDateCode(2005, 3, 20), {1, 2, 3, 4, 5, 6})}));
    const Plan fresh = plan(p, existing, true);
    EXPECT_EQ(fresh.duplicates, 2);
    EXPECT_EQ(fresh.records, std::vector<ColumnRecord>{rec(encodeDateCode(2005, 3, 6), {1, 2, 3, 4, 5, 6})});

    // Room for one more result only.
    const std::vector<ColumnRecord> nearlyFull(MaxResults - 1, rec(KeepMark, {1, 2, 3, 4, 5, 7}));
    const Plan limited = plan(p, nearlyFull, false);
    EXPECT_EQ(limited.records.size(), 1u);
    EXPECT_EQ(limited.overLimit, 2);
    EXPECT_EQ(appendQuestion(limited), " 1 kolon sonuçlar ('VELMORIX.RES') dosyasının sonuna eklenecek.\r\r"
                                       "Sonuç dosyası en çok 32767 kolon alabildiği için 2 kolon "
                                       "eklenemeyecek.\r\rDevam etmek istiyormusunuz ?");

    // A mistyped year moves nothing: the text's order stands.
    const Parsed typo = parse("06.03.2005 1 2 3 4 5 6\n13.03.2050 7 8 9 10 11 12\n20.03.2005 1 2 3 4 5 7\n"
                              "27.03.2005 1 2 3 4 5 8\n");
    const Plan asTyped = plan(typo, {}, false);
    EXPECT_FALSE(asTyped.reversed);
    EXPECT_EQ(asTyped.records[1].Ball, (std::array<int16_t, 6>{7, 8, 9, 10, 11, 12}));
    const Parsed mixed = parse("20.03.2005 1 2 3 4 5 6\n7 8 9 10 11 12\n");
    EXPECT_FALSE(plan(mixed, {}, false).reversed);
}

TEST(ResultsImportTest, AppendsSafelyAfterTheResults) {
    TempDataDir t;
    t.writeRecords(files::Results, {rec(2004001, {1, 2, 3, 4, 5, 6})});
    const std::vector<ColumnRecord> added{rec(KeepMark, {9, 10, 11, 12, 13, 14})};
    EXPECT_EQ(append(t.dir(), added), 2);
    EXPECT_EQ(t.readRecords(files::Results),
              (std::vector<ColumnRecord>{rec(2004001, {1, 2, 3, 4, 5, 6}),
                                         rec(KeepMark, {9, 10, 11, 12, 13, 14})}));
    EXPECT_EQ(t.fileNames(), std::vector<std::string>{"VELMORIX.RES"});

    const auto before = t.readBytes(files::Results);
    t.dir().setFaultHook(
        [](FileStep step, const std::string&, int64_t) { return step == FileStep::Sync ? EIO : 0; });
    EXPECT_THROW(append(t.dir(), added), FileError);
    EXPECT_EQ(t.readBytes(files::Results), before);
    EXPECT_EQ(t.fileNames(), std::vector<std::string>{"VELMORIX.RES"});
}

TEST(ResultsImportTest, TheRealDrawFile) {
    const std::string text = readTextFile("/work/shared/data/lotto649-draws.csv");
    const Parsed p = parse(text);
    EXPECT_EQ(p.draws.size(), 3622u);
    EXPECT_TRUE(p.bad.empty());
    EXPECT_EQ(p.textLines, 1);
    TempDataDir t;
    const Plan all = plan(p, {}, true);
    append(t.dir(), all.records);
    // The same draws as the results file made from them.
    std::ifstream res("/work/shared/data/VELMORIX.RES", std::ios::binary);
    const std::vector<unsigned char> expected((std::istreambuf_iterator<char>(res)),
                                              std::istreambuf_iterator<char>());
    EXPECT_EQ(all.duplicates, 0);
    EXPECT_FALSE(all.reversed);
    EXPECT_EQ(t.readBytes(files::Results), expected);
}

TEST(ResultsImportTest, SummaryInTheProgramsWords) {
    const Parsed p = parse("Tarih 1 2 3\nBaşlık\n12.03.2005 1 2 3 4 5 6\n1 2 3 4 5 6\n4 8 15 16 23 42\n");
    const Plan pl = plan(p, {}, true);
    EXPECT_EQ(
        summaryText("yeni.csv", p, pl, 9),
        "'yeni.csv' dosyasından 2 sonuç kolonu eklendi.\r\rOkunan satır sayısı: 5"
        "\rGeçerli kolon sayısı: 3\rAynı olduğu için atlanan: 1"
        "\rTarihsiz eklenen (tarih yok veya 2003-2099 dışında): 1\rSayı içermeyen (başlık) satır: 1"
        "\rSonuç dosyasındaki kolon sayısı: 9\r\rHatalı satırlar (atlandı):\rSatır 1: 6 top yok (3 sayı)");
    EXPECT_EQ(duplicatesQuestion(1),
              "Dosyadaki 1 kolon mevcut sonuçlarla (veya dosyadaki önceki bir satırla) "
              "aynı.\r\rAynı olan kolonlar atlansın mı ?");
}

TEST(ResultsImportTest, UnreadableFileIsNamed) {
    try {
        readTextFile("/nonexistent/folder/sonuclar.txt");
        ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(e.fileName(), "sonuclar.txt");
        EXPECT_EQ(e.systemError(), ENOENT);
    }
}
