#include "support/EngineTests.h"

const CalendarDate Today{2026, 12, 6};

std::string fileText(const TempDataDir& t) {
    const auto b = t.readBytes("VELMORIX.TXT");
    return std::string(b.begin(), b.end());
}

TEST(ListReportTest, RecordNumbersArePaddedToTheDigitsOfTheRangeEnd) {
    const ColumnRecord r = rec(0, {3, 7, 15, 22, 38, 41});
    const auto style = ListReportStyle::combinationList();
    EXPECT_EQ(listReportLine(style, 5, 99, r), "Kolon 05 - 03, 07, 15, 22, 38, 41  [126]");
    EXPECT_EQ(listReportLine(style, 5, 1000, r), "Kolon 0005 - 03, 07, 15, 22, 38, 41  [126]");
}

TEST(ListReportTest, ResultsCarryTheirDrawDateOnlyWhenItIsAValidDate) {
    TempDataDir t;
    t.writeRecords("VELMORIX.RES", {rec(encodeDateCode(2005, 7, 10), {1, 2, 3, 4, 5, 6}),
                                    rec(KeepMark, {7, 8, 9, 10, 11, 12}),
                                    rec(encodeDateCode(2005, 2, 30), {1, 2, 3, 4, 5, 7}),
                                    rec(encodeDateCode(2005, 0, 40), {1, 2, 3, 4, 5, 8})});
    writeListReport(t.dir(), ListReportStyle::results(), {1, 4, 4}, Today);
    // Windows-1254: ç E7, ı FD, Ç C7, ş FE.
    const std::string expected = "< VELMORIX 653 Dizimci u4.5 >\r\n"
                                 "SAYISAL LOTO Sonu\xE7lar\xFD [ 06.12.2026 ]\r\n"
                                 "\r\n"
                                 "Sonu\xE7 1 - 01, 02, 03, 04, 05, 06  [021]  \xC7"
                                 "ekili\xFE Tarihi: 10/7/2005\r\n"
                                 "Sonu\xE7 2 - 07, 08, 09, 10, 11, 12  [057]\r\n"
                                 "Sonu\xE7 3 - 01, 02, 03, 04, 05, 07  [022]\r\n"
                                 "Sonu\xE7 4 - 01, 02, 03, 04, 05, 08  [023]\r\n"
                                 "\r\n"
                                 "< Toplam 4 sonu\xE7. >\r\n";
    EXPECT_EQ(fileText(t), expected);
}

TEST(ListReportTest, TitlesOfTheOtherListsAndThePaperClosing) {
    TempDataDir t;
    t.writeRecords("VELMORIX.OKL", {rec(1, {1, 2, 3, 4, 5, 6})});
    std::vector<std::string> lines;
    auto collect = [&](const std::string& l) { lines.push_back(l); };

    forEachListReportLine(t.dir(), ListReportStyle::playedColumns(), {1, 1, 1}, Today, true, collect);
    EXPECT_EQ(lines.at(1), "OYNANAN KOLONLAR LİSTESİ [ 06.12.2026 ] ");
    EXPECT_EQ(lines.back(), "< Toplam 1 kolon. >");

    writeListReport(t.dir(), ListReportStyle::playedColumns(), {1, 1, 1}, Today);
    EXPECT_NE(fileText(t).find("OYNANAN KOLONLAR L\xDDSTES\xDD [ 06.12.2026 ]\r\n"), std::string::npos);
}

TEST(ListReportTest, SextetReportHasTheTimeInItsTitle) {
    TempDataDir t;
    std::vector<ColumnRecord> sextets(10, rec(3, {9, 3, 1, 40, 22, 17}));
    t.writeRecords("VELMORIX.YSK", sextets);
    const FixedClock clock;
    std::vector<int64_t> progress;
    const int64_t length = writeSextetReport(t.dir(), clock, [&](int64_t b) { progress.push_back(b); });
    const std::string text = fileText(t);
    const std::string head =
        "< VELMORIX 653 Dizimci u4.5 >\r\nYasak Alt\xFDl\xFDlar Listesi [ 06.12.2026 12:34:56 ]\r\n\r\n";
    EXPECT_EQ(text.substr(0, head.size()), head);
    EXPECT_NE(text.find("Kolon 01 - 09, 03, 01, 40, 22, 17  [092]\r\n"), std::string::npos);
    EXPECT_NE(text.find("Kolon 10 - "), std::string::npos);
    const std::string tail = "\r\n< Toplam 10 kolon. >\r\n";
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    EXPECT_EQ(length, static_cast<int64_t>(text.size()));
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.back(), length);
}

TEST(ListReportTest, PrintedLinesStartAt500And1000AndBreakPagesWhenFull) {
    PrintPageLayout layout(11);
    const auto first = layout.next();
    EXPECT_EQ((std::vector<int>{first.newPage, first.x, first.y}), (std::vector<int>{0, 1000, 500}));
    EXPECT_EQ(layout.next().y, 500 + layout.lineHeight());
    int lines = 2;
    PrintPageLayout::Place p{};
    do {
        p = layout.next();
        ++lines;
        EXPECT_LE(p.y + layout.lineHeight(), PrintPageLayout::Bottom);
    } while (!p.newPage);
    EXPECT_EQ(p.y, 500);
    EXPECT_GT(lines, 50); // an A4 page holds some sixty lines
}
