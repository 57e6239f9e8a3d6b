#include "support/EngineTests.h"

TEST(ListEntryParsingTest, NumberEntryKeepsTheValidBallsAfterEachComma) {
    const auto marked = parseBallEntry("5,12,,49,60");
    ASSERT_TRUE(marked);
    EXPECT_EQ(*marked, balls({5, 12, 49}));
    EXPECT_EQ(ballListText(*marked), "5,12,49");
    EXPECT_EQ(entryBallCount(*marked), 3);

    EXPECT_FALSE(parseBallEntry("0,5"));   // the first number must be a ball
    EXPECT_FALSE(parseBallEntry(""));      // a cancelled or empty box
    EXPECT_FALSE(parseBallEntry("abc,5")); // no leading number reads as 0
    EXPECT_EQ(*parseBallEntry(" 9 , 3,9,1,40,22,17,"), balls({1, 3, 9, 17, 22, 40}));
    EXPECT_EQ(ballListText(*parseBallEntry("5,5,6,7,8,9")), "5,6,7,8,9");
    EXPECT_EQ(*parseBallEntry("7.6,2.5"), balls({8, 2})); // fractions to the nearest whole, halves to even
}

TEST(ListEntryParsingTest, UnwantedPairTakesTheFirstValidBallAfterADash) {
    auto pair = parseUnwantedPair("23-7");
    ASSERT_TRUE(pair);
    EXPECT_EQ(pair->shown, "7-23");
    EXPECT_EQ(pair->balls, balls({7, 23}));

    pair = parseUnwantedPair("7-60-23");
    ASSERT_TRUE(pair);
    EXPECT_EQ(pair->balls, balls({7, 23}));
    EXPECT_EQ(pair->shown, "7-23");

    EXPECT_FALSE(parseUnwantedPair("7-"));
    EXPECT_FALSE(parseUnwantedPair("7"));
    EXPECT_FALSE(parseUnwantedPair("7-60"));
    EXPECT_FALSE(parseUnwantedPair("50-7"));

    // The same ball twice marks one ball and shows the entry as typed.
    pair = parseUnwantedPair(" 7-7");
    ASSERT_TRUE(pair);
    EXPECT_EQ(pair->balls, balls({7}));
    EXPECT_EQ(pair->shown, " 7-7");
}

TEST(ListEntryParsingTest, WantedPairsStopAtTheFirstImpossiblePair) {
    auto pairs = parseWantedPairs("1-2, 3-4");
    ASSERT_TRUE(pairs);
    EXPECT_EQ(pairs->shown, "1-2, 3-4");
    EXPECT_TRUE(pairs->marks.has(2, 1));
    EXPECT_TRUE(pairs->marks.has(4, 3));

    pairs = parseWantedPairs("1-2,0-5,3-4");
    ASSERT_TRUE(pairs);
    EXPECT_EQ(pairs->shown, "1-2");

    // Pairs are shown in ascending order whatever the order typed.
    EXPECT_EQ(parseWantedPairs("30-4,12-1,2-1")->shown, "1-2, 1-12, 4-30");

    // A pair of one ball would empty the list: it ends the entry.
    EXPECT_FALSE(parseWantedPairs("7-7"));
    EXPECT_EQ(parseWantedPairs("1-2,7-7,3-4")->shown, "1-2");

    EXPECT_FALSE(parseWantedPairs("12"));
    EXPECT_FALSE(parseWantedPairs("-12"));
    EXPECT_FALSE(parseWantedPairs("12-"));
    EXPECT_FALSE(parseWantedPairs(""));
    // A comma too near the end leaves no pair behind it.
    EXPECT_EQ(parseWantedPairs("1-2,3")->shown, "1-2");
}

TEST(ListEntryParsingTest, NonAsciiCharactersCountAsOneCharacter) {
    EXPECT_EQ(foldToAscii("ç-ş"), "?-?");
    // "1-2,ü-5": the letter ends the entry like any other impossible number.
    EXPECT_EQ(parseWantedPairs("1-2,ü-5,3-4")->shown, "1-2");
}
