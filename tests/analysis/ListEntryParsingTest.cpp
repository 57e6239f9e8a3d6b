#include "support/EngineTests.h"

TEST(ListEntryParsingTest, NumberEntryKeepsTheValidBallsAfterEachComma) {
    const ColumnMask marked = parseBallEntry("5,12,,49,60").value();
    EXPECT_EQ(marked, balls({5, 12, 49}));
    EXPECT_EQ(ballListText(marked), "5,12,49");
    EXPECT_EQ(entryBallCount(marked), 3);

    EXPECT_FALSE(parseBallEntry("0,5"));   // the first number must be a ball
    EXPECT_FALSE(parseBallEntry(""));      // a cancelled or empty box
    EXPECT_FALSE(parseBallEntry("abc,5")); // no leading number reads as 0
    EXPECT_EQ(*parseBallEntry(" 9 , 3,9,1,40,22,17,"), balls({1, 3, 9, 17, 22, 40}));
    EXPECT_EQ(ballListText(*parseBallEntry("5,5,6,7,8,9")), "5,6,7,8,9");
    EXPECT_EQ(*parseBallEntry("7.6,2.5"), balls({8, 2})); // fractions to the nearest whole, halves to even
}

TEST(ListEntryParsingTest, UnwantedPairTakesTheFirstValidBallAfterADash) {
    // The same ball twice marks one ball and shows the entry as typed.
    const std::tuple<const char*, ColumnMask, const char*> pairs[] = {
        {"23-7", balls({7, 23}), "7-23"}, {"7-60-23", balls({7, 23}), "7-23"}, {" 7-7", balls({7}), " 7-7"}};
    for (const auto& [typed, marked, shown] : pairs) {
        const auto pair = parseUnwantedPair(typed).value();
        EXPECT_EQ(pair.balls, marked) << typed;
        EXPECT_EQ(pair.shown, shown) << typed;
    }
    for (const char* refused : {"7-", "7", "7-60", "50-7"})
        EXPECT_FALSE(parseUnwantedPair(refused)) << refused;
}

TEST(ListEntryParsingTest, WantedPairsStopAtTheFirstImpossiblePair) {
    const auto marks = parseWantedPairs("1-2, 3-4").value().marks;
    EXPECT_TRUE(marks.has(2, 1));
    EXPECT_TRUE(marks.has(4, 3));
    EXPECT_FALSE(marks.has(1, 3));
    // Pairs are shown in ascending order whatever the order typed; a pair of
    // one ball would empty the list and, like a comma too near the end or a
    // letter (one character however many bytes), ends the entry.
    const std::pair<const char*, const char*> shown[] = {
        {"1-2, 3-4", "1-2, 3-4"}, {"1-2,0-5,3-4", "1-2"}, {"30-4,12-1,2-1", "1-2, 1-12, 4-30"},
        {"1-2,7-7,3-4", "1-2"},   {"1-2,3", "1-2"},       {"1-2,ü-5,3-4", "1-2"}};
    for (const auto& [typed, text] : shown)
        EXPECT_EQ(parseWantedPairs(typed).value().shown, text) << typed;
    for (const char* refused : {"7-7", "12", "-12", "12-", ""})
        EXPECT_FALSE(parseWantedPairs(refused)) << refused;
    EXPECT_EQ(foldToAscii("ç-ş"), "?-?");
}
