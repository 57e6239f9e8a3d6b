#pragma once

#include "core/AppState.h"
#include "core/DataDir.h"

#include <array>
#include <cstdint>

namespace velmorix {

// VELMORIX.YS2: 16-bit little-endian records a * (N + 1) + b, one per forbidden
// pair of the game's balls 1..N.
inline constexpr int32_t MaxPairRecords = 1176; // every pair of 49 balls

// Record count of VELMORIX.YS2 (length / 2, halves to even); -1 when missing.
int32_t pairRecordCount(const DataDir& dir);

// The code of the pair a, b in the game's file, and back: a = Int(code / (N + 1)),
// b = code - (N + 1)a; only two balls 1..N make a pair.
int32_t pairCode(int a, int b, const Game& game);
bool decodePair(int16_t code, const Game& game, int& a, int& b);

// Forbidden pairs for a filter run, in a table of the run's own: both
// orientations of every decodable record are 1, everything else 0. False, with
// an empty table, when the file is missing or holds no records or more than
// C(N, 2); the file itself is never touched.
bool loadRunPairs(const DataDir& dir, PairTable& pairs, const Game& game = Game());

// Every decodable pair of the file, however long it is (the pairs editor and
// adding to the pairs must keep what the player has). False when the file
// holds records but not one of them is a pair: it is not a pairs file.
bool loadEveryPair(const DataDir& dir, PairTable& pairs, const Game& game = Game());

// Adds one column to pair repetition counts: each of its 15 pairs counts in
// both orientations. A column with a ball outside 1..N or a repeated ball
// counts nothing.
void countPairs(PairTable& counts, const std::array<int16_t, 6>& balls, const Game& game = Game());

// Writes every pair a < b whose count reaches `minCount` to VELMORIX.YS2, in
// ascending order, and returns how many were written. With `addToExisting` the
// pairs of a readable file (1..C(N, 2) records) are kept: they are first raised
// to `minCount` in `counts`. Throws FileError; the old file stays on failure.
int32_t writePairsFromCounts(const DataDir& dir, PairTable& counts, int16_t minCount, bool addToExisting,
                             const Game& game = Game());

} // namespace velmorix
