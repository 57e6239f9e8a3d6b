#include "support/ModuleTests.h"

template <class List> std::vector<int> ballsOf(const List& list) {
    std::vector<int> v;
    for (int i = 1; i <= list.count(); ++i)
        v.push_back(list[i]);
    return v;
}

int16_t word(const std::vector<unsigned char>& bytes, int record) {
    const auto at = static_cast<std::size_t>(2 * (record - 1));
    return static_cast<int16_t>(bytes[at] | (bytes[at + 1] << 8));
}

class GameBallsFileTest : public ::testing::TestWithParam<Game> {};

TEST_P(GameBallsFileTest, BagAndBankersRoundTripInTheGamesLayout) {
    const Game game = GetParam();
    const int n = game.balls();
    TempDataDir t;
    AppState s(game);
    for (int b : {1, n - 1, n})
        s.BagBalls.push(b);
    s.BankoBalls.push(n - 2);
    s.BankoBalls.push(7);
    saveBagAndBankers(s, t.dir());

    const auto bytes = t.readBytes("VELMORIX.DAT");
    ASSERT_EQ(bytes.size(), static_cast<std::size_t>(2 * (n + 4)));
    EXPECT_EQ(word(bytes, 1), 3);
    EXPECT_EQ(word(bytes, 4), n);
    EXPECT_EQ(word(bytes, n + 1), 0); // the bag's unused records
    EXPECT_EQ(word(bytes, n + 2), 2);
    EXPECT_EQ(word(bytes, n + 3), n - 2);

    AppState again(game);
    EXPECT_EQ(loadBag(again, t.dir(), LoadForm::MainWindow), BallsLoad::Loaded);
    EXPECT_EQ(loadBankers(again, t.dir(), LoadForm::MainWindow), BallsLoad::Loaded);
    EXPECT_EQ(ballsOf(again.BagBalls), (std::vector<int>{1, n - 1, n}));
    EXPECT_EQ(ballsOf(again.BankoBalls), (std::vector<int>{n - 2, 7}));
}

TEST_P(GameBallsFileTest, LengthRulesFollowTheGamesLayout) {
    const Game game = GetParam();
    const int n = game.balls();
    TempDataDir t;
    // Bag count, one ball, zeros up to record N + 1: no banker record yet.
    std::vector<int16_t> words(static_cast<std::size_t>(n + 1), 0);
    words[0] = 1;
    words[1] = static_cast<int16_t>(n);
    t.writeWords("VELMORIX.DAT", words);
    AppState s(game);
    EXPECT_EQ(loadBag(s, t.dir(), LoadForm::MainWindow), BallsLoad::Loaded);
    EXPECT_EQ(ballsOf(s.BagBalls), (std::vector<int>{n}));
    EXPECT_EQ(loadBankers(s, t.dir(), LoadForm::Window), BallsLoad::TooShort);

    // Bankers only from files longer than 2(N + 1) + 1 bytes.
    auto bytes = t.readBytes("VELMORIX.DAT");
    bytes.push_back(0);
    t.writeBytes("VELMORIX.DAT", bytes);
    EXPECT_EQ(loadBankers(s, t.dir(), LoadForm::Window), BallsLoad::TooShort);
    bytes.push_back(0);
    t.writeBytes("VELMORIX.DAT", bytes);
    EXPECT_EQ(loadBankers(s, t.dir(), LoadForm::Window), BallsLoad::Emptied);

    // A count above N empties the bag; a file no longer than twice the count is given up.
    words[0] = static_cast<int16_t>(n + 1);
    t.writeWords("VELMORIX.DAT", words);
    EXPECT_EQ(loadBag(s, t.dir(), LoadForm::MainWindow), BallsLoad::GaveUp);
    words.resize(static_cast<std::size_t>(n + 2), 0);
    t.writeWords("VELMORIX.DAT", words);
    EXPECT_EQ(loadBag(s, t.dir(), LoadForm::MainWindow), BallsLoad::Emptied);
}

INSTANTIATE_TEST_SUITE_P(Games, GameBallsFileTest,
                         ::testing::Values(Game::lotto49(), Game::superLoto60(), Game::cilginLoto90()),
                         [](const auto& info) { return "Balls" + std::to_string(info.param.balls()); });

TEST(GameBallsFileTest, SixFortyNineFileIsReadWithTheOtherGamesLayout) {
    TempDataDir t;
    AppState old;
    for (int b : {5, 49})
        old.BagBalls.push(b);
    old.BankoBalls.push(3);
    saveBagAndBankers(old, t.dir()); // 112 bytes, bankers at record 51

    AppState s(Game::cilginLoto90());
    EXPECT_EQ(loadBag(s, t.dir(), LoadForm::MainWindow), BallsLoad::Loaded);
    EXPECT_EQ(ballsOf(s.BagBalls), (std::vector<int>{5, 49}));
    // Not longer than 2 × 91 + 1 bytes: no bankers in this layout.
    EXPECT_EQ(loadBankers(s, t.dir(), LoadForm::Window), BallsLoad::TooShort);

    // A ball above N ends the bag as any impossible ball does.
    AppState wide(Game::cilginLoto90());
    for (int b : {12, 90})
        wide.BagBalls.push(b);
    saveBag(wide, t.dir());
    AppState sixty(Game::superLoto60());
    EXPECT_EQ(loadBag(sixty, t.dir(), LoadForm::Window), BallsLoad::Loaded);
    EXPECT_EQ(ballsOf(sixty.BagBalls), (std::vector<int>{12}));
}

TEST(GameStateTest, DrawsAndStartUpFiguresUseTheGamesBalls) {
    AppState s(Game::cilginLoto90());
    EXPECT_EQ(s.Statistics.SumLow, 525);
    EXPECT_EQ(AppState().Statistics.SumLow, 279);

    s.BankoBalls.push(90);
    EXPECT_TRUE(canDrawColumn(s));
    AppState lotto;
    lotto.BankoBalls.push(90);
    EXPECT_FALSE(canDrawColumn(lotto)); // 90 is no ball of 6/49

    StdRandom random(7);
    EXPECT_EQ(GetBall(s, random, 1), 90);
    EXPECT_EQ(s.BagBalls.count(), 89); // the empty bag took every other ball
    EXPECT_EQ(s.BagBalls[89], 89);
}
