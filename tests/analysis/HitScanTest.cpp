#include "support/EngineTests.h"

const std::array<int64_t, 6> Result{3, 11, 19, 27, 35, 43};

std::string scanText(const std::vector<ColumnRecord>& played, const std::array<int64_t, 6>& result = Result) {
    return hits::reportText(played, hits::countHits(hits::resultMask(result), played));
}

// A column equal to the result is listed under six first; empty levels have no heading.
TEST(HitScanTest, LevelsGoDownFromSixAndNoPrizeBelowThreeHits) {
    const std::vector<ColumnRecord> equal{rec(653, {3, 11, 19, 27, 35, 44}),
                                          rec(653, {43, 35, 27, 19, 11, 3})};
    EXPECT_EQ(scanText(equal), "\r\n 6 Tutturulan Kolonlar:\r\n"
                               " Kolon 2 :    43 , 35 , 27 , 19 , 11 , 3\r\n"
                               "\r\n 5 Tutturulan Kolonlar:\r\n"
                               " Kolon 1 :    3 , 11 , 19 , 27 , 35 , 44\r\n"
                               "\r\n 2 kolona ikramiye isabet etti...");
    const std::vector<ColumnRecord> played{
        rec(653, {1, 2, 3, 11, 19, 27}),  // 4
        rec(653, {1, 2, 4, 5, 6, 7}),     // 1
        rec(653, {3, 4, 5, 6, 35, 43}),   // 3
        rec(653, {3, 11, 19, 27, 48, 49}) // 4
    };
    EXPECT_EQ(scanText(played), "\r\n 4 Tutturulan Kolonlar:\r\n"
                                " Kolon 1 :    1 , 2 , 3 , 11 , 19 , 27\r\n"
                                " Kolon 4 :    3 , 11 , 19 , 27 , 48 , 49\r\n"
                                "\r\n 3 Tutturulan Kolonlar:\r\n"
                                " Kolon 3 :    3 , 4 , 5 , 6 , 35 , 43\r\n"
                                "\r\n 3 kolona ikramiye isabet etti...");
    EXPECT_EQ(scanText({rec(653, {1, 2, 7, 8, 9, 10}), rec(653, {5, 6, 20, 21, 22, 23})}, {1, 2, 3, 4, 5, 6}),
              "\r\n Hiç bir kolona ikramiye isabet etmedi...");
}

TEST(HitScanTest, RepeatedTypedBallsAndBrokenColumnsDoNotCountTwice) {
    const std::vector<ColumnRecord> played{rec(653, {5, 6, 7, 8, 9, 10}), rec(653, {1, 2, 3, 3, 4, 5}),
                                           rec(653, {1, 2, 3, 4, 50, 5})};
    EXPECT_EQ(hits::countHits(hits::resultMask({5, 5, 5, 5, 5, 5}), played), (std::vector<uint8_t>{1, 0, 0}));
    EXPECT_EQ(hits::countHits(hits::resultMask({1, 2, 3, 4, 5, 6}), played), (std::vector<uint8_t>{2, 0, 0}));
}

TEST(HitScanTest, InvalidCellIsTheFirstOutsideOneToFortyNine) {
    EXPECT_EQ(hits::firstInvalidCell({1, 2, 3, 4, 5, 6}), std::nullopt);
    EXPECT_EQ(hits::firstInvalidCell({1, 0, 50, 4, 5, 6}), 2);
    EXPECT_EQ(hits::firstInvalidCell({1, 2, 3, 4, 5, 50}), 6);
    EXPECT_EQ(hits::invalidCellMessage(3), " 3. hücredeki top numarası GEÇERSİZ !... Düzeltin...");
}

TEST(HitScanTest, ScanReadsThePlayedColumnsAndLeavesThemAlone) {
    TempDataDir t;
    EXPECT_FALSE(hits::scanPlayedColumns(t.dir(), Result).scanned);
    t.writeRecords(files::Played, {rec(653, {3, 11, 19, 1, 2, 4}), rec(99, {1, 2, 4, 5, 6, 7})});
    const auto before = t.readBytes(files::Played);
    const hits::Scan scan = hits::scanPlayedColumns(t.dir(), Result);
    EXPECT_EQ((std::vector<int>{scan.scanned, scan.columns, scan.prizeColumns}), (std::vector<int>{1, 2, 1}));
    EXPECT_EQ(scan.report, "\r\n 3 Tutturulan Kolonlar:\r\n Kolon 1 :    3 , 11 , 19 , 1 , 2 , 4\r\n"
                           "\r\n 1 kolona ikramiye isabet etti...");
    EXPECT_EQ(t.readBytes(files::Played), before);
    EXPECT_EQ(t.fileNames(), std::vector<std::string>{files::Played});
}
