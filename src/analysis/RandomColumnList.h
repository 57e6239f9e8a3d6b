#pragma once

#include "core/BallList.h"
#include "core/DataDir.h"
#include "core/Game.h"
#include "core/Random.h"

#include <array>
#include <cstdint>
#include <functional>

namespace velmorix {

// The random column list holds at most this many columns.
inline constexpr int32_t RandomListLimit = 32767;

// A random column: the bankers, then balls drawn one by one from the bag (from
// every ball 1..N of the game when the bag is empty) without repeats;
// ascending. The caller makes sure bag and bankers hold six distinct balls
// (canDrawColumn).
std::array<int16_t, 6> drawRandomColumn(const BagList& bag, const BankoList& bankers, Random& random,
                                        const Game& game = Game());

// Replaces VELMORIX.RND with `count` new columns, record k with Tag k.
// `progress` gets each record number as it is drawn.
void writeNewRandomList(const DataDir& dir, const BagList& bag, const BankoList& bankers, Random& random,
                        int32_t count, const std::function<void(int32_t record)>& progress = {},
                        const Game& game = Game());

// Appends `count` columns to VELMORIX.RND, record r with Tag r. `progress`
// gets the record number and its place among the new ones. Returns the number
// of records the list held before.
int32_t appendRandomList(const DataDir& dir, const BagList& bag, const BankoList& bankers, Random& random,
                         int32_t count,
                         const std::function<void(int32_t record, int32_t added)>& progress = {},
                         const Game& game = Game());

// Sorted balls of a column that passes or fails the default chaos filters.
using ChaosRule = std::function<bool(const std::array<int16_t, 6>& sortedBalls)>;
// The default chaos filters as the random list window applies them (F7).
ChaosRule randomListChaosRule();

struct ChaosPassProgress {
    std::function<void(int32_t record, int32_t kept)> judging;
    std::function<void(int32_t written, int32_t kept)> writing;
};

// Thins VELMORIX.RND by the chaos filters. Every column is judged on its
// sorted balls and marked (Tag KeepMark when it passes, 0 when not); the
// marked list stays behind as VELMORIX.TMP. The passing columns, balls as
// stored and Tag KeepMark, become the new VELMORIX.RND; when none passes the
// list is removed. Returns the number of passing columns.
int32_t eliminateRandomListByChaos(const DataDir& dir, const ChaosRule& passes,
                                   const ChaosPassProgress& progress = {}, const Game& game = Game());

} // namespace velmorix
