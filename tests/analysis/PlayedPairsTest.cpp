#include "support/EngineTests.h"

TEST(PlayedPairsTest, OnePlayedColumnGivesItsFifteenPairsInsideDecadesFirst) {
    TempDataDir data;
    data.writeRecords(files::Played, {rec(653, {41, 2, 27, 1, 15, 3})});
    data.writeWords(files::Pairs, {1531});
    std::vector<int32_t> seen;
    const auto progress = [&](int32_t r, int32_t n) { seen = {r, n}; };
    EXPECT_EQ(writePairsFromPlayed(data.dir(), 1, 1, false, progress), 15);
    EXPECT_EQ(seen, (std::vector<int32_t>{1, 1}));
    EXPECT_EQ(data.readWords(files::Pairs),
              (std::vector<int16_t>{52, 53, 103, 65, 77, 91, 115, 127, 141, 165, 177, 191, 777, 791, 1391}));
}

TEST(PlayedPairsTest, AddingKeepsTheOldPairsAndEachThresholdAppliesToItsKind) {
    TempDataDir data;
    data.writeRecords(files::Played, {rec(653, {1, 2, 3, 15, 27, 41}), rec(653, {2, 1, 4, 16, 28, 42}),
                                      rec(653, {1, 2, 3, 15, 27, 27}), rec(653, {9, 10, 19, 20, 39, 40})});
    data.writeWords(files::Pairs, {295, 1531, 2600});
    // (1, 2) twice inside 1-9 reaches 2; no cross pair reaches 3; 9-10 and
    // 39-40 cross decades; the damaged column counts nothing.
    EXPECT_EQ(writePairsFromPlayed(data.dir(), 3, 2, true), 3);
    EXPECT_EQ(data.readWords(files::Pairs), (std::vector<int16_t>{52, 1531, 295}));

    EXPECT_EQ(writePairsFromPlayed(data.dir(), 3, 2, false), 1);
    EXPECT_EQ(data.readWords(files::Pairs), (std::vector<int16_t>{52}));
    EXPECT_EQ(writePairsFromPlayed(data.dir(), 1, 9, false), 12 + 12 + 14);
}

// Adding must never drop what the player had: a file past 1176 records keeps
// every pair in it, and a file with no pair in it is left alone.
TEST(PlayedPairsTest, AddingKeepsEveryPairOfALongFileAndRefusesAFileWithoutPairs) {
    TempDataDir data;
    data.writeRecords(files::Played, {rec(653, {1, 2, 3, 15, 27, 41})});
    std::vector<int16_t> longFile(1200, 2449); // 48-49, many times over
    longFile.push_back(1531);
    data.writeWords(files::Pairs, longFile);
    EXPECT_EQ(writePairsFromPlayed(data.dir(), 2, 2, true), 2);
    EXPECT_EQ(data.readWords(files::Pairs), (std::vector<int16_t>{1531, 2449}));

    data.writeWords(files::Pairs, {0, 2600, -7});
    const auto garbage = data.readBytes(files::Pairs);
    EXPECT_EQ(writePairsFromPlayed(data.dir(), 1, 1, true), std::nullopt);
    EXPECT_EQ(data.readBytes(files::Pairs), garbage);
}
