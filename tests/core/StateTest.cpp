#include "support/ModuleTests.h"

class SequenceRandom final : public Random {
public:
    explicit SequenceRandom(std::vector<double> v) : m_values(std::move(v)) {}
    double next() override { return m_values[m_i++ % m_values.size()]; }
    void seed(uint64_t) override {}

private:
    std::vector<double> m_values;
    std::size_t m_i = 0;
};

TEST(GetBallTest, BankerPositionsReturnBankersAndOthersDrawFromBag) {
    AppState s;
    s.BankoBalls.push(30);
    s.BagBalls.push(4);
    s.BagBalls.push(5);
    SequenceRandom r({0.99, 0.0, 0.5});
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(GetBall(s, r, 1), 30);
    EXPECT_EQ(GetBall(s, r, 2), 5);
    EXPECT_EQ(GetBall(s, r, 2), 4);
    EXPECT_EQ(GetBall(s, r, 6), 5);
}

TEST(CombinationCountTest, KnownValuesAndEdges) {
    EXPECT_EQ((std::vector<int64_t>{CombinationCount(49, 6), CombinationCount(36, 6), CombinationCount(48, 5),
                                    CombinationCount(6, 6), CombinationCount(5, 6), CombinationCount(0, 0),
                                    CombinationCount(44, 1)}),
              (std::vector<int64_t>{13983816, 1947792, 1712304, 1, 0, 0, 44}));
}

TEST(AppStateTest, StartupFilterSelectionMatchesStoredDefaults) {
    const AppState s;
    const auto r = s.Selection.toRecords();
    for (int n = 1; n <= 85; ++n) {
        const bool on = (n >= 3 && n <= 27) || n == 29 || (n >= 43 && n <= 45) || (n >= 47 && n <= 81);
        EXPECT_EQ(r[static_cast<std::size_t>(n - 1)], on ? -1 : 0) << "record " << n;
    }
    EXPECT_EQ(s.Selection.MathRelOff, -1);
}

TEST(AppStateTest, SelectionRecordsRoundTripEveryField) {
    FilterSelection::Records r{};
    for (int i = 0; i < 85; ++i)
        r[static_cast<std::size_t>(i)] = static_cast<int16_t>(i * 7 - 100);
    FilterSelection s;
    s.fromRecords(r);
    EXPECT_EQ(s.toRecords(), r);
    EXPECT_EQ((std::vector<int>{s.RepeatBanLevel, s.ResultsMin3Link, s.DecadeRule[4][6], s.DecadeHitOn}),
              (std::vector<int>{-100, 41 * 7 - 100, 80 * 7 - 100, 84 * 7 - 100}));
}

TEST(AppStateTest, DrawNeedsSixDistinctBalls) {
    AppState s;
    EXPECT_TRUE(canDrawColumn(s)); // an empty bag is filled with every ball
    for (int b : {1, 2, 3})
        s.BagBalls.push(b);
    s.BankoBalls.push(10);
    s.BankoBalls.push(11);
    EXPECT_FALSE(canDrawColumn(s));
    s.BagBalls.push(4);
    EXPECT_TRUE(canDrawColumn(s));
    AppState repeated;
    repeated.BankoBalls.push(7);
    repeated.BankoBalls.push(7);
    EXPECT_FALSE(canDrawColumn(repeated));
}

TEST(DateCodeTest, EncodesAndDecodesValidYears) {
    EXPECT_EQ(encodeDateCode(2005, 7, 10), 2005 * 1000 + 7 * 50 + 10);
    const auto d = decodeDateCode(encodeDateCode(2025, 11, 29));
    ASSERT_TRUE(d);
    EXPECT_EQ((std::vector<int>{d->year, d->month, d->day}), (std::vector<int>{2025, 11, 29}));
    for (const auto& [code, valid] : std::vector<std::pair<int32_t, bool>>{
             {KeepMark, false}, {2003050, false}, {2003051, true}, {2099631, true}, {2099632, false}})
        EXPECT_EQ(decodeDateCode(code).has_value(), valid) << code;
}
