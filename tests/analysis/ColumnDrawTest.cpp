#include "support/EngineTests.h"

// Always the same number: the worst generator a draw can meet.
class ConstantRandom final : public Random {
public:
    explicit ConstantRandom(double value) : m_value(value) {}
    double next() override { return m_value; }
    void seed(uint64_t) override {}

private:
    double m_value;
};

// The ticks until the draw ends, and how it ended.
std::pair<int, ColumnDraw::Step> runDraw(ColumnDraw& draw, AppState& state, Random& random) {
    FixedClock clock;
    std::array<int16_t, 6> shown{};
    for (int ticks = 1; ticks <= 100; ++ticks)
        if (const ColumnDraw::Step step = draw.tick(state, random, clock, shown);
            step != ColumnDraw::Step::Running)
            return {ticks, step};
    return {-1, ColumnDraw::Step::Running};
}

// The first draw runs at least three ticks and at most 26; the tick count
// carries over, so later draws run one tick less.
TEST(ColumnDrawTest, DrawsRunFromThreeToTwentySixTicks) {
    for (const auto& [r, first, second] : {std::tuple{0.0, 3, 2}, std::tuple{0.999999, 26, 25}}) {
        AppState state;
        ColumnDraw draw;
        ConstantRandom random(r);
        EXPECT_EQ(runDraw(draw, state, random).first, first);
        EXPECT_EQ(draw.TickCount, 1);
        EXPECT_FALSE(draw.StopDraw);
        EXPECT_EQ(runDraw(draw, state, random).first, second);
    }
}

TEST(ColumnDrawTest, RepairEndsEvenWhenTheGeneratorRepeatsItself) {
    // Every draw gives the first bag ball; the repair must still end on six distinct balls.
    AppState state;
    state.BankoBalls.push(30);
    ConstantRandom lowest(0.0);
    ColumnDraw draw;
    ASSERT_EQ(runDraw(draw, state, lowest).first, 3);
    std::set<int> balls(state.CurColumn.begin() + 1, state.CurColumn.end());
    EXPECT_EQ(balls.size(), 6u);
    EXPECT_EQ(state.CurColumn[1], 30);
    EXPECT_EQ(balls.count(0), 0u);
}

TEST(ColumnDrawTest, SixBallBagAlwaysGivesExactlyThoseBalls) {
    StdRandom random(5);
    for (int round = 0; round < 200; ++round) {
        AppState state;
        for (int b : {3, 14, 15, 26, 35, 48})
            state.BagBalls.push(b);
        std::array<int16_t, 7> column{0, 3, 3, 14, 3, 48, 48};
        makeDistinct(state, random, column);
        EXPECT_EQ(std::set<int>(column.begin() + 1, column.end()), (std::set<int>{3, 14, 15, 26, 35, 48}));
        EXPECT_EQ(column[1], 3); // the first ball is never drawn again
    }
}

TEST(ColumnDrawTest, ImpossibleBagEndsTheDrawWithoutAColumn) {
    AppState state;
    state.BagBalls.push(1);
    state.BagBalls.push(2);
    state.BankoBalls.push(5);
    state.BankoBalls.push(5); // a repeated banker from a hand-made file
    ColumnDraw draw;
    StdRandom random(9);
    EXPECT_EQ(runDraw(draw, state, random).second, ColumnDraw::Step::Impossible);
    EXPECT_EQ(state.CurColumn, (std::array<int16_t, 7>{}));
}
