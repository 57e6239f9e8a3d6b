#include "analysis/ResultsRange.h"
#include "support/EngineTests.h"

TEST(RangeCheckTest, BoxesAreJudgedInOrder) {
    RangeCheck c = checkRange("5", "3", 10);
    EXPECT_EQ(c.problem, RangeCheck::Problem::EndBeforeStart);
    EXPECT_EQ(c.message, "Bitiş kolon numarası başlangıç kolon numarasından az olamaz !");
    EXPECT_FALSE(c.inStartBox());

    c = checkRange("0", "3", 10);
    EXPECT_EQ(c.problem, RangeCheck::Problem::StartInvalid);
    EXPECT_EQ(c.message, "Başlangıç kolon numarası GEÇERSİZ !\r\r[ KOLON SAYISI = 10 ]");
    EXPECT_TRUE(c.inStartBox());

    c = checkRange("32768", "3", 10);
    EXPECT_EQ(c.problem, RangeCheck::Problem::StartTooLarge);
    EXPECT_EQ(c.boxReset, "1");
    EXPECT_TRUE(c.message.empty());

    c = checkRange("2", "99999999999", 10);
    EXPECT_EQ(c.problem, RangeCheck::Problem::EndTooLarge);
    EXPECT_EQ(c.boxReset, "10");

    EXPECT_EQ(checkRange("2", "11", 10).message, "Bitiş kolon numarası GEÇERSİZ !\r\r[ KOLON SAYISI = 10 ]");
    EXPECT_EQ(checkRange("-99999", "3", 10).problem, RangeCheck::Problem::StartInvalid);

    c = checkRange(" 2.5", "3abc", 10); // halves go to the even neighbour
    EXPECT_EQ((std::vector<int64_t>{c.ok(), c.first, c.last}), (std::vector<int64_t>{1, 2, 3}));
}

TEST(RangeCheckTest, MinimumCountLiesWithinTheRange) {
    EXPECT_TRUE(checkMinPairCount("4", 4).ok());
    EXPECT_EQ(checkMinPairCount("5", 4).message,
              "En az tekrar sayısı GEÇERSİZ !\r\r[ Kullanılan Sonuç Sayısı = 4 ]");
    EXPECT_FALSE(checkMinPairCount("0", 4).ok());
    EXPECT_FALSE(checkMinPairCount("1e30", 4).ok());
}

class ResultsOperationsTest : public ::testing::Test {
protected:
    TempDataDir data;
    std::vector<ColumnRecord> results{rec(2005360, {1, 2, 3, 4, 5, 6}), rec(653, {7, 8, 9, 10, 11, 12}),
                                      rec(2005410, {13, 14, 15, 16, 17, 18})};
};

TEST_F(ResultsOperationsTest, AddingResultsTwiceAddsNothingTheSecondTime) {
    // Nothing is added to a missing or empty sextet file.
    EXPECT_EQ(addResultsToSextets(data.dir(), results), 0);
    EXPECT_FALSE(data.dir().exists(files::Sextets));
    data.writeRecords(files::Sextets, {});
    EXPECT_EQ(addResultsToSextets(data.dir(), results), 0);
    EXPECT_EQ(data.readBytes(files::Sextets).size(), 0u);

    // Sextets are kept in typed order; the same balls in another order are the same sextet.
    data.writeRecords(files::Sextets, {rec(1, {12, 11, 10, 9, 8, 7}), rec(2, {40, 41, 42, 43, 44, 44})});
    EXPECT_EQ(addResultsToSextets(data.dir(), results), 2);
    EXPECT_EQ(data.readRecords(files::Sextets),
              (std::vector<ColumnRecord>{rec(1, {12, 11, 10, 9, 8, 7}), rec(2, {40, 41, 42, 43, 44, 44}),
                                         results[0], results[2]}));
    EXPECT_EQ(addResultsToSextets(data.dir(), results), 0);
    EXPECT_EQ(data.readRecords(files::Sextets).size(), 4u);
}

TEST_F(ResultsOperationsTest, NewSextetsAndListReplaceTheirFiles) {
    data.writeRecords(files::Sextets, {rec(1, {1, 2, 3, 4, 5, 7})});
    EXPECT_EQ(saveResultsAsSextets(data.dir(), results), 3);
    EXPECT_EQ(data.readRecords(files::Sextets), results);

    const std::vector<ColumnRecord> oldList{rec(0, {20, 21, 22, 23, 24, 25})};
    data.writeRecords(files::List, oldList);
    EXPECT_EQ(saveResultsAsList(data.dir(), {results[1], results[2]}), 2);
    EXPECT_EQ(data.readRecords(files::List), (std::vector<ColumnRecord>{results[1], results[2]}));
    EXPECT_EQ(data.readRecords(files::OldList), oldList);
}

TEST_F(ResultsOperationsTest, SumLimitsGoOnlyIntoRecords83And84) {
    EXPECT_FALSE(saveSumLimits(data.dir(), 90, 200));
    EXPECT_FALSE(data.dir().exists(files::Selection));
    std::vector<unsigned char> flt(170);
    for (std::size_t i = 0; i < flt.size(); ++i)
        flt[i] = static_cast<unsigned char>(i + 1);
    data.writeBytes(files::Selection, flt);
    ASSERT_TRUE(saveSumLimits(data.dir(), 90, 300));
    std::vector<unsigned char> expected = flt;
    expected[164] = 90;
    expected[165] = 0;
    expected[166] = 300 & 0xFF;
    expected[167] = 300 >> 8;
    EXPECT_EQ(data.readBytes(files::Selection), expected);

    data.writeBytes(files::Selection, std::vector<unsigned char>(171, 0));
    EXPECT_FALSE(saveSumLimits(data.dir(), 90, 300));
}
