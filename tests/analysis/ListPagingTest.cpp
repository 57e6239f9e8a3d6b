#include "support/EngineTests.h"

TEST(ListPagingTest, PositionsStayInsideTheListAndNeverOverflow) {
    EXPECT_EQ(movePosition(PagingMove::PageUp, 24, 100), 0);
    EXPECT_EQ(movePosition(PagingMove::PageUp, -30, 100), 0);
    EXPECT_EQ(movePosition(PagingMove::End, 3, 10), 3); // a short list keeps its position
    EXPECT_EQ(clampFirstShown(115, 100), 75);
    EXPECT_EQ(clampFirstShown(-7, 100), 0);
    EXPECT_EQ(clampFirstShown(5, 0), 0);
    const int32_t top = std::numeric_limits<int32_t>::max();
    EXPECT_EQ(movePosition(PagingMove::PageDown, top - 30, top), top - 5);
    EXPECT_EQ(movePosition(PagingMove::Click, top - 3, top), top - 3);
    EXPECT_EQ(movePosition(PagingMove::Down, top, top), top);

    TempDataDir t;
    const ListPage missing = readListPage(t.dir(), "VELMORIX.RND", 0);
    EXPECT_EQ(missing.pageNumber, 0);
    EXPECT_TRUE(missing.records.empty());
}

TEST(ListPagingTest, BracketShowsSumsBelow100WithALeadingZero) {
    EXPECT_EQ(bracketText(ballSum(rec(0, {1, 2, 3, 4, 5, 6}))), "[ 021 ]");
    EXPECT_EQ(bracketText(99), "[ 099 ]");
    EXPECT_EQ(bracketText(100), "[ 100 ]");
}
