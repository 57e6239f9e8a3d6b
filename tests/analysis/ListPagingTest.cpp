#include "analysis/ListPaging.h"
#include "support/TempDataDir.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>

using namespace velmorix;
using velmorix::test::rec;
using velmorix::test::TempDataDir;

namespace {
std::vector<ColumnRecord> numbered(int n) {
    std::vector<ColumnRecord> v;
    for (int i = 1; i <= n; ++i)
        v.push_back(rec(i, {1, 2, 3, 4, 5, static_cast<int>(6 + i % 40)}));
    return v;
}
} // namespace

TEST(ListPagingTest, PagingKeysOnListsOf25And26Columns) {
    // 25 columns: END stays on the first page; PAGEDOWN goes past and the drawing brings it back.
    EXPECT_EQ(movePosition(PagingMove::End, 0, 25), 0);
    EXPECT_EQ(movePosition(PagingMove::PageDown, 0, 25), 25);
    EXPECT_EQ(clampFirstShown(25, 25), 0);
    // 26 columns: PAGEDOWN shows one line on page 2, END starts at 1 and is page 2 too.
    EXPECT_EQ(movePosition(PagingMove::PageDown, 0, 26), 25);
    EXPECT_EQ(movePosition(PagingMove::End, 0, 26), 1);
    EXPECT_EQ(movePosition(PagingMove::PageDown, 1, 26), 26);
    EXPECT_EQ(clampFirstShown(26, 26), 1);

    EXPECT_EQ(movePosition(PagingMove::End, 3, 10), 3); // short lists keep their position
    EXPECT_EQ(movePosition(PagingMove::PageUp, 24, 100), 0);
    EXPECT_EQ(movePosition(PagingMove::PageUp, 30, 100), 5);
    EXPECT_EQ(movePosition(PagingMove::Up, 0, 100), 0);
    EXPECT_EQ(movePosition(PagingMove::Down, 99, 100), 100);
    EXPECT_EQ(movePosition(PagingMove::Down, 100, 100), 100);
    EXPECT_EQ(movePosition(PagingMove::Home, 77, 100), 0);
    EXPECT_EQ(movePosition(PagingMove::Click, 90, 100), 115);
    EXPECT_EQ(clampFirstShown(115, 100), 75);
    EXPECT_EQ(clampFirstShown(-7, 100), 0); // never before the first column
    EXPECT_EQ(clampFirstShown(5, 0), 0);
}

TEST(ListPagingTest, PageReadsOnlyItsColumnsAndNamesThePageOfItsLastLine) {
    TempDataDir t;
    t.writeRecords("VELMORIX.LST", numbered(26));
    ListPage page = readListPage(t.dir(), "VELMORIX.LST", 25);
    EXPECT_EQ(page.recordCount, 26);
    EXPECT_EQ(page.firstShown, 25);
    EXPECT_EQ(page.pageNumber, 2);
    ASSERT_EQ(page.records.size(), 1u);
    EXPECT_EQ(page.records[0].Tag, 26);

    page = readListPage(t.dir(), "VELMORIX.LST", 1);
    EXPECT_EQ(page.pageNumber, 2);
    EXPECT_EQ(page.records.size(), 25u);
    EXPECT_EQ(page.records.front().Tag, 2);

    page = readListPage(t.dir(), "VELMORIX.LST", -3);
    EXPECT_EQ(page.firstShown, 0);
    EXPECT_EQ(page.pageNumber, 1);

    page = readListPage(t.dir(), "VELMORIX.MISSING", 0);
    EXPECT_EQ(page.recordCount, 0);
    EXPECT_EQ(page.pageNumber, 0);
    EXPECT_TRUE(page.records.empty());
}

TEST(ListPagingTest, TheLastPageOfFiveMillionColumnsIsReadAtOnce) {
    TempDataDir t;
    t.writeRecords("VELMORIX.LST", {});
    std::filesystem::resize_file(t.dir().path("VELMORIX.LST"), 5'000'000LL * 16);
    const auto started = std::chrono::steady_clock::now();
    const ListPage page = readListPage(t.dir(), "VELMORIX.LST", movePosition(PagingMove::End, 0, 5'000'000));
    const auto took = std::chrono::steady_clock::now() - started;
    EXPECT_EQ(page.firstShown, 4'999'975);
    EXPECT_EQ(page.pageNumber, 200'000);
    EXPECT_EQ(page.records.size(), 25u);
    EXPECT_LT(took, std::chrono::milliseconds(200));
}

TEST(ListPagingTest, BracketShowsSumsBelow100WithALeadingZero) {
    EXPECT_EQ(bracketText(ballSum(rec(0, {1, 2, 3, 4, 5, 6}))), "[ 021 ]");
    EXPECT_EQ(bracketText(87), "[ 087 ]");
    EXPECT_EQ(bracketText(99), "[ 099 ]");
    EXPECT_EQ(bracketText(100), "[ 100 ]");
    EXPECT_EQ(bracketText(279), "[ 279 ]");
}
