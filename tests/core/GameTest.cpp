#include "core/Game.h"

#include <gtest/gtest.h>

using namespace velmorix;

TEST(GameTest, FiguresOfEachGame) {
    const Game g49 = Game::lotto49(), g60 = Game::superLoto60(), g90 = Game::cilginLoto90();
    EXPECT_EQ(g49, Game());
    EXPECT_EQ(g49.decades(), 5);
    EXPECT_EQ(g60.decades(), 7);
    EXPECT_EQ(g90.decades(), 10);
    EXPECT_EQ(g49.maxSum(), 279);
    EXPECT_EQ(g60.maxSum(), 345);
    EXPECT_EQ(g90.maxSum(), 525);
    EXPECT_EQ(g49.pairs(), 1176);
    EXPECT_EQ(g90.pairs(), 4005);
    EXPECT_EQ(g49.columns(), 13983816);
    EXPECT_EQ(g60.columns(), 50063860);
    EXPECT_EQ(g90.columns(), 622614630);
    EXPECT_EQ(g49.lowestPrize(), 3);
    EXPECT_EQ(g90.lowestPrize(), 2);
    EXPECT_EQ(g49.decadeRange(0), "01-09");
    EXPECT_EQ(g49.decadeRange(4), "40-49");
    EXPECT_EQ(g60.decadeRange(6), "60-60");
    EXPECT_EQ(g90.decadeRange(9), "90-90");
    EXPECT_STREQ(g90.tag(), "6/90");
    EXPECT_STREQ(g60.folder(), "SUPERLOTO");
    EXPECT_FALSE(Game::withBalls(50).has_value());
    EXPECT_EQ(Game::withBalls(90), g90);
}

TEST(GameTest, ScaledThresholdsRoundHalvesUp) {
    const Game g49, g60 = Game::superLoto60(), g90 = Game::cilginLoto90();
    for (int t = 0; t <= 49; ++t)
        EXPECT_EQ(g49.scaled(t), t);
    EXPECT_EQ(g90.scaled(17), 31); // 31.2
    EXPECT_EQ(g90.scaled(26), 48); // 47.8
    EXPECT_EQ(g60.scaled(16), 20); // 19.6
    EXPECT_EQ(g90.scaled(25), 46); // 45.9
    EXPECT_EQ(g60.scaled(49), 60);
}

TEST(GameTest, SuffixFollowsTheNumberReadAloud) {
    EXPECT_EQ(ablativeSuffix(31), "den");
    EXPECT_EQ(ablativeSuffix(30), "dan");
    EXPECT_EQ(ablativeSuffix(40), "tan");
    EXPECT_EQ(ablativeSuffix(5), "ten");
    EXPECT_EQ(ablativeSuffix(70), "ten");
    EXPECT_EQ(ablativeSuffix(17), "den");
    EXPECT_EQ(ablativeSuffix(46), "dan");
    EXPECT_EQ(ablativeSuffix(100), "den");
}
