#pragma once

#include "BallList.h"
#include "ColumnRecord.h"
#include "FilterSelection.h"
#include "Game.h"

#include <array>
#include <cstdint>
#include <vector>

namespace velmorix {

class Random;

// Pair flags and pair counts, indexed by two balls 0..N (index 0 unused); sized
// for the largest game. Only in memory: the pairs file has its own codes.
struct PairTable {
    static constexpr int kStride = kMaxBalls + 1;
    std::array<int16_t, kStride * kStride> cell{};
    int16_t& operator()(int a, int b) { return cell[static_cast<std::size_t>(a + kStride * b)]; }
    int16_t operator()(int a, int b) const { return cell[static_cast<std::size_t>(a + kStride * b)]; }
    void clear() { cell.fill(0); }
};

// The quantum method's ranking and limits, shared by the quantum windows and
// the list filter dialog.
struct QuantumSettings {
    // [1..N] the ranked balls, [0] the size of the top part, [N + 1] the size
    // of the bottom part; sized for the largest game.
    std::array<int16_t, kMaxBalls + 2> Rtor{};
    int16_t KuantumValue = 0; // the last record number computed (element 0 of KuantumValues)
    // The Kuantum value of every result record number 0..32767; element 0 holds
    // the last record number computed.
    std::vector<int16_t> KuantumValues = std::vector<int16_t>(32768, 0);
    // The results window the ranking and the values were last computed for.
    int16_t ValuesFirst = 0, ValuesLast = 0;
    int16_t GKMIN = 0, GKMAX = 0, GB0 = 0, GB1 = 0;
    int16_t gi12kmin = 0, gi12kmax = 0, gs12kmin = 0, gs12kmax = 0;
    int16_t gi6kmin = 0, gi6kmax = 0, gs6kmin = 0, gs6kmax = 0;
};

// Sum and decade figures of the statistics window; decades 0..D-1 of the game
// are used.
struct StatisticsFigures {
    int16_t SumHigh = 21, SumLow = 279, SumCount = 0;
    int32_t SumTotal = 0;
    float SumMean = 0;
    std::array<int16_t, kMaxDecades> GroupHigh{}, GroupLow{6, 6, 6, 6, 6, 6, 6, 6, 6, 6};
    std::array<int32_t, kMaxDecades> GroupTotal{};
    std::array<float, kMaxDecades> GroupMean{};

    // The start-up figures: the lowest sum starts at the game's greatest one.
    static StatisticsFigures startup(const Game& game) {
        StatisticsFigures f;
        f.SumLow = static_cast<int16_t>(game.maxSum());
        return f;
    }
};

// Results range dialog requests and answers.
namespace dialogmode {
inline constexpr int16_t LeastDrawn = -1;
inline constexpr int16_t MostDrawn = 0;
inline constexpr int16_t MiddleDrawn = 1;
inline constexpr int16_t Repetitions = 2;
inline constexpr int16_t MiddleBanko = 3;
inline constexpr int16_t LeastBanko = 4;
inline constexpr int16_t MostBanko = 5;
inline constexpr int16_t Done = KeepMark;
inline constexpr int16_t Closed = 1000;
} // namespace dialogmode

// Every program-wide variable. The application owns one; each window gets it
// by reference.
struct AppState {
    AppState() = default;
    // The start-up state of `game`.
    explicit AppState(const Game& g) : game(g), Statistics(StatisticsFigures::startup(g)) {}

    // The game being played; its files live in the data folder's game folder.
    Game game;
    ColumnRecord ColRec;
    int32_t RecNo = 0;
    BankoList BankoBalls;
    BagList BagBalls;
    std::array<int16_t, 7> CurColumn{}; // 1..6 used
    int16_t ResultsDialogMode = 0;
    int16_t ResultsDialogSubMode = 0;
    int16_t RangeFirst = 0;
    int16_t RangeLast = 0;
    PairTable PairMatrix;
    int16_t FreeBallCount = 0;
    int16_t FreeSlotCount = 0;
    int32_t TotalCombinations = 0;
    FilterSelection Selection = FilterSelection::startup();
    int16_t PlayedFileNo = 0;
    int16_t MinPairCount = 0;
    StatisticsFigures Statistics;
    QuantumSettings Quantum;
};

// Removes every current banker from the bag; the other balls keep their order.
void removeBankersFromBag(AppState& state);

// A ball for `position` (1..6) of a column: the banker at that position, or a
// random bag ball. An empty bag is first filled for good with every ball
// 1..N of the game that is not a banker.
int16_t GetBall(AppState& state, Random& random, int position);

// C(n, k) as the program computes it: 0 when n < 1, k < 1 or k > n; 1 when k = n.
int32_t CombinationCount(int n, int k);

// Bag and bankers together hold at least six distinct balls 1..N of the game.
bool canDrawColumn(const AppState& state);

} // namespace velmorix
