#include "support/EngineTests.h"

using namespace velmorix::entry;

TEST(EditorEntryTest, CellsReadAsNumbersWithHalvesToEven) {
    EXPECT_EQ(readCells({"12.5", "13.5", "", " 7x", "abc", "-3"}), (CellValues{12, 14, 0, 7, 0, -3}));
}

TEST(EditorEntryTest, FirstInvalidCellIsReportedWithItsValue) {
    const auto empty = checkCells({7, 3, 0, 12, 30, 1}).value();
    EXPECT_EQ(empty.cell, 3);
    EXPECT_EQ(empty.message, "Kolon GEÇERSİZ değer nedeniyle kayıtlanamadı. Hücre:  3 ( 0 ) !");
    EXPECT_EQ(checkCells({7, 3, 45, 12, 30, 99999}).value().message,
              "Kolon GEÇERSİZ değer nedeniyle kayıtlanamadı. Hücre:  6 ( 99999 ) !");
    // A value outside the range is reported before a repeated ball.
    EXPECT_EQ(checkCells({5, 5, 3, 4, 6, 50})->cell, 6);
}

TEST(EditorEntryTest, RepeatedBallNamesTheLaterCell) {
    const auto repeated = checkCells({1, 5, 3, 4, 5, 6}).value();
    EXPECT_EQ(repeated.cell, 5);
    EXPECT_EQ(repeated.message, "Kolon TOP TEKRARI nedeniyle kayıtlanamadı. Top: 5  Hücre: 5 !");
    // Pairs are searched from the first cell: 9 (cells 2 and 6) is found before 4 (cells 3 and 4).
    EXPECT_EQ(checkCells({1, 9, 4, 4, 8, 9})->message,
              "Kolon TOP TEKRARI nedeniyle kayıtlanamadı. Top: 9  Hücre: 6 !");
    EXPECT_FALSE(checkCells({7, 3, 45, 12, 30, 1}));
    EXPECT_EQ(sortedBalls({7, 3, 45, 12, 30, 1}), (std::array<int16_t, 6>{1, 3, 7, 12, 30, 45}));
    EXPECT_EQ(ballsInOrder({9, 3, 1, 40, 22, 17}), (std::array<int16_t, 6>{9, 3, 1, 40, 22, 17}));
}

TEST(EditorEntryTest, ListLinesWithAndWithoutSum) {
    EXPECT_EQ(listLine(rec(0, {5, 12, 23, 34, 40, 45}), true), " 05, 12, 23, 34, 40, 45   [ 159 ]");
    EXPECT_EQ(listLine(rec(0, {1, 2, 3, 4, 33, 44}), true), " 01, 02, 03, 04, 33, 44   [ 087 ]");
    EXPECT_EQ(listLine(rec(0, {9, 3, 1, 40, 22, 17}), false), " 09, 03, 01, 40, 22, 17");
}

TEST(EditorEntryTest, DateCodesAndTheKeepMarkFallback) {
    const DateTag july = dateTagOf("10", "7", "2005");
    EXPECT_EQ(july.tag, 2005 * 1000 + 7 * 50 + 10);
    EXPECT_EQ(dateTagOf("0", "7", "2005").tag, KeepMark);
    EXPECT_EQ((std::vector<int>{july.badBox, dateTagOf("0", "7", "2005").badBox,
                                dateTagOf("10", "13", "2005").badBox, dateTagOf("10", "7", "2100").badBox}),
              (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(dateTagOf("31", "2", "2026").tag, 2026 * 1000 + 2 * 50 + 31); // not checked against the month
    EXPECT_EQ(dateTagOf("10", "7", "2026").tag, 2026360);

    const DateBoxes shown = dateBoxesOf(2005360);
    EXPECT_EQ((std::vector<int64_t>{shown.day, shown.month, shown.year}),
              (std::vector<int64_t>{10, 7, 2005}));
    for (int32_t tag : {KeepMark, 0, -1, 2005000, 2005650, 2100051}) {
        const DateBoxes none = dateBoxesOf(tag);
        EXPECT_EQ(none.day + none.month + none.year, 0) << tag;
    }
}
