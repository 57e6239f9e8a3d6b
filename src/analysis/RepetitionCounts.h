#pragma once

#include "core/AppState.h"
#include "core/ColumnRecord.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace velmorix {

// How often each ball and each pair of balls of the game occurs in a run of
// columns. A column with a ball outside 1..N or a repeated ball counts nothing.
struct RepetitionCounts {
    Game game;
    std::array<int32_t, kMaxBalls + 1> ball{}; // index = ball, 0 unused
    PairTable pair;                            // both orientations

    void add(const std::array<int16_t, 6>& balls);
    // Counts every record of `records`.
    static RepetitionCounts of(const std::vector<ColumnRecord>& records, const Game& game = Game());

    int32_t highestBallCount() const;
};

// A ball in the three-character form of the count lists: " 05", " 12".
std::string ballText(int ball);

// The single ball lines, most drawn first and in ascending ball order within
// one count; balls never drawn come last with " :  Yok...".
std::vector<std::string> ballCountLines(const RepetitionCounts& counts);

// A pair line with its count (a < b).
struct PairCountLine {
    int a = 0;
    int b = 0;
    int32_t count = 0;
    std::string text;
};

// Every pair a < b, most drawn first, then by a and b; pairs never drawn
// together come last with " :  Yok...".
std::vector<PairCountLine> pairCountLines(const RepetitionCounts& counts);

} // namespace velmorix
