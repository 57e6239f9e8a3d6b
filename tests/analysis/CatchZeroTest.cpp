#include "analysis/CatchZero.h"
#include "support/EngineTests.h"

using namespace velmorix::catchzero;

TEST(CatchZeroRangeTest, BoxesAreCheckedInOrder) {
    EXPECT_EQ(checkRange("70", "3", 3).outcome, RangeCheck::Outcome::ResetStart);
    EXPECT_EQ(checkRange("1", "65", 3).outcome, RangeCheck::Outcome::ResetEnd);
    const RangeCheck zero = checkRange("0", "3", 3);
    EXPECT_EQ(zero.outcome, RangeCheck::Outcome::Error);
    EXPECT_EQ(zero.message, "Başlangıç kayıt numarası GEÇERSİZ !\r\r[ KOLON SAYISI = 3 ]");
    EXPECT_EQ(checkRange("1", "4", 3).message, "Bitiş kayıt numarası GEÇERSİZ !\r\r[ KOLON SAYISI = 3 ]");
    EXPECT_EQ(checkRange("3", "2", 3).message,
              "Bitiş kayıt numarası başlangıç kayıt numarasından az olamaz !");
    // With no column even the first number is out of range.
    EXPECT_EQ(checkRange("1", "0", 0).outcome, RangeCheck::Outcome::Error);
    const RangeCheck ok = checkRange(" 2", "2.5", 3);
    EXPECT_EQ(ok.outcome, RangeCheck::Outcome::Ok);
    EXPECT_EQ((std::pair<int64_t, int64_t>{ok.first, ok.last}), (std::pair<int64_t, int64_t>{2, 2}));
}

TEST(CatchZeroFilterTest, OrAndAndKeepColumnsSharingNothingWithTheZeroColumns) {
    const std::vector<ColumnRecord> zero{rec(1, {1, 2, 3, 4, 5, 6})};
    for (Rule rule : {Rule::AnyZero, Rule::AllZero}) {
        const Filter f(rule, zero, 1);
        EXPECT_TRUE(f.keeps({7, 8, 9, 10, 11, 12}));
        EXPECT_FALSE(f.keeps({6, 8, 9, 10, 11, 12}));
        EXPECT_FALSE(f.keeps({1, 2, 3, 4, 5, 6}));
    }
    // Or needs one zero column, And needs all.
    const std::vector<ColumnRecord> two{zero[0], rec(2, {10, 11, 12, 13, 14, 15})};
    const std::array<int16_t, 6> sharesWithSecond{20, 21, 22, 23, 24, 10};
    EXPECT_TRUE(Filter(Rule::AnyZero, two, 2).keeps(sharesWithSecond));
    EXPECT_FALSE(Filter(Rule::AllZero, two, 2).keeps(sharesWithSecond));
    EXPECT_FALSE(Filter(Rule::AnyZero, two, 2).keeps({1, 10, 22, 23, 24, 25}));
    // A broken zero column does not count as sharing nothing; a broken column is dropped.
    const Filter broken(Rule::AnyZero, {rec(1, {1, 2, 3, 4, 5, 60}), zero[0]}, 2);
    EXPECT_FALSE(broken.keeps({1, 20, 21, 22, 23, 24}));
    EXPECT_FALSE(broken.keeps({20, 20, 21, 22, 23, 24}));
}

TEST(CatchZeroFilterTest, QuarterRuleDropsAtOneAndAHalfPerRecordOfTheWholeFile) {
    const std::vector<ColumnRecord> zero{rec(1, {1, 2, 3, 4, 5, 6}), rec(2, {10, 11, 12, 13, 14, 15})};
    const Filter f(Rule::QuarterLimit, zero, 2);
    EXPECT_FALSE(f.keeps({1, 2, 10, 30, 31, 32})); // 2 + 1 = 3 = 1.5 x 2
    EXPECT_TRUE(f.keeps({1, 10, 30, 31, 32, 33})); // 2
    // The divisor is the whole file even when only part of it is used.
    const Filter part(Rule::QuarterLimit, {zero[0]}, 2);
    EXPECT_TRUE(part.keeps({1, 2, 10, 30, 31, 32})); // 2 < 3
    EXPECT_FALSE(part.keeps({1, 2, 3, 30, 31, 32})); // 3
}

TEST(CatchZeroFilterTest, FilterRewritesTheListWithKeptColumns) {
    TempDataDir t;
    t.writeRecords(files::List, {rec(0, {1, 7, 8, 9, 10, 11}), rec(0, {7, 8, 9, 10, 11, 12}),
                                 rec(-1, {20, 21, 22, 23, 24, 25}), rec(0, {6, 20, 21, 22, 23, 24})});
    t.writeRecords(files::ListDelete, {rec(5, {1, 2, 3, 4, 5, 6})}); // left by an interrupted run
    const Filter f(Rule::AllZero, {rec(1, {1, 2, 3, 4, 5, 6})}, 1);
    std::vector<std::pair<int, int32_t>> progress;
    EXPECT_EQ(filterList(t.dir(), f, [&](int phase, int32_t n) { progress.emplace_back(phase, n); }), 2);
    EXPECT_EQ(t.readRecords(files::List), (std::vector<ColumnRecord>{rec(653, {7, 8, 9, 10, 11, 12}),
                                                                     rec(653, {20, 21, 22, 23, 24, 25})}));
    EXPECT_EQ(t.fileNames(), std::vector<std::string>{files::List});
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.back(), std::make_pair(2, 2));
}
