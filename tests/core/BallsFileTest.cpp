#include "support/ModuleTests.h"

// VELMORIX.DAT as its 16-bit records.
std::vector<int16_t> fileWords(const TempDataDir& t) {
    EXPECT_EQ(t.readBytes("VELMORIX.DAT").size() % 2, 0U);
    return t.readWords("VELMORIX.DAT");
}

TEST(BallsFileTest, MissingShortOrDamagedFiles) {
    TempDataDir t;
    AppState s;
    s.BagBalls.push(4);
    EXPECT_EQ(loadBag(s, t.dir(), LoadForm::Window), BallsLoad::Missing);
    t.writeBytes("VELMORIX.DAT", {3, 0});
    EXPECT_EQ(loadBag(s, t.dir(), LoadForm::Window), BallsLoad::TooShort);
    // Count 10 but only 8 bytes: damaged for the window, given up by the main window.
    t.writeWords("VELMORIX.DAT", {10, 1, 2, 3});
    EXPECT_EQ(loadBag(s, t.dir(), LoadForm::Window), BallsLoad::Corrupt);
    EXPECT_EQ(loadBag(s, t.dir(), LoadForm::MainWindow), BallsLoad::GaveUp);
    EXPECT_EQ(ballsOf(s.BagBalls), std::vector<int>{4});
    // The first value outside 1..49 ends the load; a repeated ball counts once.
    t.writeWords("VELMORIX.DAT", ballsFileWords({5, 9, 5, 12, 50, 13}));
    EXPECT_EQ(loadBag(s, t.dir(), LoadForm::Window), BallsLoad::Loaded);
    EXPECT_EQ(ballsOf(s.BagBalls), (std::vector<int>{5, 9, 12}));
    // A zero count empties the bag in the bag window only.
    t.writeWords("VELMORIX.DAT", ballsFileWords({}));
    EXPECT_EQ(loadBag(s, t.dir(), LoadForm::MainWindow), BallsLoad::GaveUp);
    EXPECT_EQ(ballsOf(s.BagBalls), (std::vector<int>{5, 9, 12}));
    EXPECT_EQ(loadBag(s, t.dir(), LoadForm::Window), BallsLoad::Emptied);
    EXPECT_TRUE(ballsOf(s.BagBalls).empty());
}

TEST(BallsFileTest, LoadedBagLosesCurrentBankers) {
    TempDataDir t;
    t.writeWords("VELMORIX.DAT", ballsFileWords({1, 7, 9, 12, 20, 30, 40}, {7, 12}));
    AppState s;
    EXPECT_EQ(loadBankers(s, t.dir(), LoadForm::MainWindow), BallsLoad::Loaded);
    EXPECT_EQ(ballsOf(s.BankoBalls), (std::vector<int>{7, 12}));
    EXPECT_EQ(loadBag(s, t.dir(), LoadForm::MainWindow), BallsLoad::Loaded);
    EXPECT_EQ(ballsOf(s.BagBalls), (std::vector<int>{1, 9, 20, 30, 40}));
}

TEST(BallsFileTest, BankerLoadRefusesBadOrRepeatedBankers) {
    TempDataDir t;
    AppState s;
    s.BankoBalls.push(3);
    for (auto bad : {std::vector<int16_t>{7, 7}, std::vector<int16_t>{7, 0}, std::vector<int16_t>{50}}) {
        t.writeWords("VELMORIX.DAT", ballsFileWords({1, 2, 3}, bad));
        EXPECT_EQ(loadBankers(s, t.dir(), LoadForm::Window), BallsLoad::Corrupt);
        EXPECT_EQ(loadBankers(s, t.dir(), LoadForm::MainWindow), BallsLoad::GaveUp);
        EXPECT_EQ(ballsOf(s.BankoBalls), std::vector<int>{3});
    }
    // M says 3 but the file ends after two bankers.
    auto w = ballsFileWords({}, {5, 6});
    w[50] = 3;
    t.writeWords("VELMORIX.DAT", w);
    EXPECT_EQ(loadBankers(s, t.dir(), LoadForm::Window), BallsLoad::Corrupt);
    // A count outside 1..5 means no bankers.
    w[50] = 6;
    w.push_back(9);
    w.resize(60, 1);
    t.writeWords("VELMORIX.DAT", w);
    EXPECT_EQ(loadBankers(s, t.dir(), LoadForm::Window), BallsLoad::Emptied);
    EXPECT_TRUE(ballsOf(s.BankoBalls).empty());
}

TEST(BallsFileTest, SavesWriteTheirPartAndKeepTheOther) {
    TempDataDir t;
    AppState s;
    saveBankers(s, t.dir());
    EXPECT_EQ(fileWords(t), ballsFileWords({}, {}));
    s.BankoBalls.push(7);
    s.BankoBalls.push(12);
    saveBankers(s, t.dir());
    EXPECT_EQ(fileWords(t), ballsFileWords({}, {7, 12}));

    // A saved bag keeps the banker records and clears the stale bag.
    t.writeWords("VELMORIX.DAT", ballsFileWords({1, 2, 3, 4, 5, 6, 7, 8}, {9}));
    s.BagBalls.push(20);
    s.BagBalls.push(21);
    saveBag(s, t.dir());
    EXPECT_EQ(fileWords(t), ballsFileWords({20, 21}, {9}));
    saveBag(AppState(), t.dir());
    EXPECT_EQ(fileWords(t), ballsFileWords({}, {9}));
}

// A hand-made file of gigabytes must not be read whole: only the bag and
// bankers part counts, and a save keeps exactly that part.
TEST(BallsFileTest, HugeFileIsReadOnlyAsFarAsBagAndBankers) {
    TempDataDir t;
    t.writeWords("VELMORIX.DAT", ballsFileWords({7, 9, 11}, {2, 3}));
    std::filesystem::resize_file(t.path() / "VELMORIX.DAT", int64_t{8} << 30); // sparse
    AppState s;
    EXPECT_EQ(loadBag(s, t.dir(), LoadForm::Window), BallsLoad::Loaded);
    EXPECT_EQ(loadBankers(s, t.dir(), LoadForm::Window), BallsLoad::Loaded);
    EXPECT_EQ(ballsOf(s.BagBalls), (std::vector<int>{7, 9, 11}));
    EXPECT_EQ(ballsOf(s.BankoBalls), (std::vector<int>{2, 3}));
    saveBagAndBankers(s, t.dir());
    EXPECT_EQ(t.readBytes("VELMORIX.DAT").size(), 112u);
    AppState again;
    EXPECT_EQ(loadBankers(again, t.dir(), LoadForm::Window), BallsLoad::Loaded);
    EXPECT_EQ(ballsOf(again.BankoBalls), (std::vector<int>{2, 3}));
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

    std::vector<int16_t> bag(static_cast<std::size_t>(n + 1), 0); // the bag's unused records stay 0
    bag[0] = 3;
    bag[1] = 1;
    bag[2] = static_cast<int16_t>(n - 1);
    bag[3] = static_cast<int16_t>(n);
    bag.insert(bag.end(), {2, static_cast<int16_t>(n - 2), 7});
    EXPECT_EQ(fileWords(t), bag);

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
    s.BankoBalls.push(9);
    EXPECT_EQ(loadBag(s, t.dir(), LoadForm::MainWindow), BallsLoad::Loaded);
    EXPECT_EQ(ballsOf(s.BagBalls), (std::vector<int>{n}));
    EXPECT_EQ(loadBankers(s, t.dir(), LoadForm::Window), BallsLoad::TooShort);
    EXPECT_EQ(ballsOf(s.BankoBalls), std::vector<int>{9}) << "a file too short for bankers keeps them";

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
