#include "LiteralModel.h"
#include "RandomData.h"

#include "support/EngineTests.h"

// The pairwise pass: each unmarked record marks every later one that shares
// at least `level` of its balls (each ball of the later record found among
// the earlier one's counts).
std::vector<bool> pairwise(const std::vector<std::array<int16_t, 6>>& list, int level) {
    std::vector<bool> kept(list.size(), true);
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (!kept[i])
            continue;
        for (std::size_t j = i + 1; j < list.size(); ++j) {
            int shared = 0;
            for (int16_t v : list[j])
                shared += std::find(list[i].begin(), list[i].end(), v) != list[i].end();
            if (shared >= level)
                kept[j] = false;
        }
    }
    return kept;
}

std::vector<bool> linear(const std::vector<std::array<int16_t, 6>>& list, int level, bool odd) {
    RepetitionBan ban(level, odd);
    std::vector<bool> kept;
    for (const auto& r : list)
        kept.push_back(ban.offer(r));
    return kept;
}

// Valid lists at every level, then lists of few values where repeats, shared
// odd values and levels outside 1..6 are common.
TEST(RepetitionBanTest, MatchesThePairwisePass) {
    Rng rng(41);
    for (int round = 0; round < 520; ++round) {
        const bool handMade = round >= 120;
        std::vector<std::array<int16_t, 6>> list;
        const int highest = pick(rng, 8, 49);
        for (int i = pick(rng, 1, handMade ? 80 : 300); i > 0; --i) {
            std::array<int16_t, 6> r = randomColumn(rng, handMade ? 9 : highest);
            if (handMade && chance(rng, 0.6))
                for (auto& v : r)
                    v = static_cast<int16_t>(std::array<int, 10>{
                        -1, 0, 1, 2, 3, 4, 5, 6, 7, 50}[static_cast<std::size_t>(pick(rng, 0, 9))]);
            list.push_back(r);
        }
        const int level = handMade ? pick(rng, -1, 7) : pick(rng, 1, 6);
        if (!handMade) {
            ASSERT_EQ(linear(list, level, false), pairwise(list, level)) << "round " << round;
        }
        ASSERT_EQ(linear(list, level, true), pairwise(list, level))
            << "round " << round << " level " << level;
    }
}

TEST(PairsFileTest, RecordsDecodeIntoBothOrientations) {
    TempDataDir t;
    PairTable pairs;
    EXPECT_EQ(pairRecordCount(t.dir()), -1);
    EXPECT_FALSE(loadRunPairs(t.dir(), pairs));
    t.writeWords("VELMORIX.YS2", {157, 1049, 49, -60, 2550});
    ASSERT_TRUE(loadRunPairs(t.dir(), pairs));
    EXPECT_EQ(pairs(3, 7), 1);
    EXPECT_EQ(pairs(7, 3), 1);
    EXPECT_EQ(pairs(20, 49), 1);
    EXPECT_EQ(pairs(49, 20), 1);
    int set = 0;
    for (int v : pairs.cell)
        set += v;
    EXPECT_EQ(set, 4); // the other records decode outside 1..49

    // Three bytes are two records, the second read with a zero high byte.
    t.writeBytes("VELMORIX.YS2", {157, 0, 103});
    EXPECT_EQ(pairRecordCount(t.dir()), 2);
    ASSERT_TRUE(loadRunPairs(t.dir(), pairs));
    EXPECT_EQ(pairs(2, 3), 1);
}

TEST(PairsFileTest, PairsFromCountsKeepOldPairsWhenAdding) {
    TempDataDir t;
    t.writeWords("VELMORIX.YS2", {157});
    PairTable counts;
    countPairs(counts, {1, 2, 10, 20, 30, 40});
    countPairs(counts, {1, 2, 11, 21, 31, 41});
    countPairs(counts, {1, 2, 2, 21, 31, 41}); // a repeated ball counts nothing
    EXPECT_EQ(counts(1, 2), 2);
    EXPECT_EQ(counts(2, 1), 2);
    EXPECT_EQ(counts(21, 31), 1);

    PairTable adding = counts;
    EXPECT_EQ(writePairsFromCounts(t.dir(), adding, 2, true), 2);
    EXPECT_EQ(t.readBytes("VELMORIX.YS2"), (std::vector<unsigned char>{52, 0, 157, 0}));

    PairTable fresh = counts;
    EXPECT_EQ(writePairsFromCounts(t.dir(), fresh, 2, false), 1);
    EXPECT_EQ(t.readBytes("VELMORIX.YS2"), (std::vector<unsigned char>{52, 0}));

    // An unreadable old file (more than 1176 records) adds nothing.
    t.writeWords("VELMORIX.YS2", std::vector<int16_t>(1177, 157));
    PairTable again = counts;
    EXPECT_EQ(writePairsFromCounts(t.dir(), again, 2, true), 1);

    PairTable none;
    EXPECT_EQ(writePairsFromCounts(t.dir(), none, 1, false), 0);
    EXPECT_TRUE(t.dir().exists("VELMORIX.YS2"));
    EXPECT_EQ(t.dir().fileSize("VELMORIX.YS2"), 0);
}
