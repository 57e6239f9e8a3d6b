#include "support/ModuleTests.h"

TEST(BallsFileTest, HundredByteFileLoadsBagAndHasNoBankers) {
    TempDataDir t;
    t.writeWords("VELMORIX.DAT", ballsFileWords({3, 5, 8, 13, 21, 34, 40}));
    AppState s;
    EXPECT_EQ(loadBag(s, t.dir(), LoadForm::MainWindow), BallsLoad::Loaded);
    EXPECT_EQ(ballsOf(s.BagBalls), (std::vector<int>{3, 5, 8, 13, 21, 34, 40}));
    s.BankoBalls.push(9);
    EXPECT_EQ(loadBankers(s, t.dir(), LoadForm::Window), BallsLoad::TooShort);
    EXPECT_EQ(ballsOf(s.BankoBalls), std::vector<int>{9});
}

TEST(BallsFileTest, ZeroCountEmptiesInBagWindowOnlyAndMissingFileDoesNothing) {
    TempDataDir t;
    AppState s;
    s.BagBalls.push(4);
    EXPECT_EQ(loadBag(s, t.dir(), LoadForm::Window), BallsLoad::Missing);
    t.writeWords("VELMORIX.DAT", ballsFileWords({}));
    EXPECT_EQ(loadBag(s, t.dir(), LoadForm::MainWindow), BallsLoad::GaveUp);
    EXPECT_EQ(ballsOf(s.BagBalls), std::vector<int>{4});
    EXPECT_EQ(loadBag(s, t.dir(), LoadForm::Window), BallsLoad::Emptied);
    EXPECT_TRUE(ballsOf(s.BagBalls).empty());
}

TEST(BallsFileTest, ShortOrDamagedFiles) {
    TempDataDir t;
    AppState s;
    s.BagBalls.push(4);
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

TEST(BallsFileTest, SavingBankersWithoutFileWritesEmptyBag) {
    TempDataDir t;
    AppState s;
    saveBankers(s, t.dir());
    EXPECT_EQ(t.readBytes("VELMORIX.DAT").size(), 102u);
    s.BankoBalls.push(7);
    s.BankoBalls.push(12);
    saveBankers(s, t.dir());
    const auto bytes = t.readBytes("VELMORIX.DAT");
    ASSERT_EQ(bytes.size(), 106u);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(bytes[static_cast<std::size_t>(i)], 0) << i;
    EXPECT_EQ(bytes[100], 2);
    EXPECT_EQ(bytes[102], 7);
    EXPECT_EQ(bytes[104], 12);
}

TEST(BallsFileTest, SaveBagKeepsBankerRecordsAndClearsStaleBag) {
    TempDataDir t;
    t.writeWords("VELMORIX.DAT", ballsFileWords({1, 2, 3, 4, 5, 6, 7, 8}, {9}));
    AppState s;
    s.BagBalls.push(20);
    s.BagBalls.push(21);
    saveBag(s, t.dir());
    const auto bytes = t.readBytes("VELMORIX.DAT");
    ASSERT_EQ(bytes.size(), 104u);
    EXPECT_EQ(bytes[0], 2);
    EXPECT_EQ(bytes[2], 20);
    EXPECT_EQ(bytes[4], 21);
    EXPECT_EQ(bytes[6], 0); // the old third ball is cleared
    EXPECT_EQ(bytes[100], 1);
    EXPECT_EQ(bytes[102], 9);
    AppState fresh;
    saveBag(fresh, t.dir());
    EXPECT_EQ(t.readBytes("VELMORIX.DAT").size(), 104u);
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
