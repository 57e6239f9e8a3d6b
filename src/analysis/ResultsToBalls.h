#pragma once

#include "core/BallList.h"
#include "core/DataDir.h"
#include "core/Game.h"

#include <array>
#include <cstdint>

namespace velmorix {

// How many past results hold each ball 1..N of the game (index = ball, 0
// unused), and how many results there are. A hand-made record with a ball
// outside 1..N or a repeated ball counts nothing.
struct DrawCounts {
    Game game;
    std::array<int32_t, kMaxBalls + 1> ball{};
    int32_t results = 0;
};
DrawCounts countDraws(const DataDir& dir, const Game& game = Game());

// The bag the filters window makes from the results: the least drawn balls,
// as the bag window's automatic choice of them makes it.
BagList bagFromDraws(const DrawCounts& counts);

// The bankers it makes: the balls of the smallest count that occurs, ascending,
// at most one of them when the bag holds fewer than 35 balls, else two.
BankoList bankersFromDraws(const DrawCounts& counts, int bagSize);

} // namespace velmorix
