#include "support/ModuleTests.h"

TEST(GameTest, FiguresOfEachGame) {
    const Game g49 = Game::lotto49(), g60 = Game::superLoto60(), g90 = Game::cilginLoto90();
    EXPECT_EQ(g49, Game());
    // Decades, greatest sum, pairs, columns and lowest prize of each game.
    const auto figures = [](const Game& g) {
        return std::vector<int64_t>{g.decades(), g.maxSum(), g.pairs(), g.columns(), g.lowestPrize()};
    };
    EXPECT_EQ(figures(g49), (std::vector<int64_t>{5, 279, 1176, 13983816, 3}));
    EXPECT_EQ(figures(g60), (std::vector<int64_t>{7, 345, 1770, 50063860, 2}));
    EXPECT_EQ(figures(g90), (std::vector<int64_t>{10, 525, 4005, 622614630, 2}));
    EXPECT_EQ((std::vector<std::string>{g49.decadeRange(0), g49.decadeRange(4), g60.decadeRange(6),
                                        g90.decadeRange(9)}),
              (std::vector<std::string>{"01-09", "40-49", "60-60", "90-90"}));
    EXPECT_STREQ(g90.tag(), "6/90");
    EXPECT_STREQ(g60.folder(), "SUPERLOTO");
    EXPECT_FALSE(Game::withBalls(50).has_value());
    EXPECT_EQ(Game::withBalls(90), g90);
}

TEST(GameTest, ScaledThresholdsRoundHalvesUp) {
    const Game g49, g60 = Game::superLoto60(), g90 = Game::cilginLoto90();
    for (int t = 0; t <= 49; ++t)
        EXPECT_EQ(g49.scaled(t), t);
    // 31.2, 47.8, 19.6, 45.9 and 60.
    EXPECT_EQ(
        (std::vector<int>{g90.scaled(17), g90.scaled(26), g60.scaled(16), g90.scaled(25), g60.scaled(49)}),
        (std::vector<int>{31, 48, 20, 46, 60}));
}

TEST(GameTest, SuffixFollowsTheNumberReadAloud) {
    const std::pair<int, const char*> cases[] = {{31, "den"}, {30, "dan"}, {40, "tan"}, {5, "ten"},
                                                 {70, "ten"}, {17, "den"}, {46, "dan"}, {100, "den"}};
    for (const auto& [n, suffix] : cases)
        EXPECT_EQ(ablativeSuffix(n), suffix) << n;
}
