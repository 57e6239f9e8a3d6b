#pragma once

#include "core/DataDir.h"
#include "core/Game.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace velmorix {

// Forbidden pairs from the played columns: every pair of balls that stands
// together in at least `sameGroupMin` played columns (both balls in one decade
// 1-9, 10-19, ... of the game) or `crossGroupMin` columns (different decades)
// is written to VELMORIX.YS2 (code a × (N + 1) + b), the inside-decade pairs
// first, each part in ascending order. With `add` every decodable pair of VELMORIX.YS2 is kept;
// a file with no pair in it writes nothing and gives nullopt. Damaged played
// columns count nothing. `progress` gets (column, columns).
// Returns the pairs written; throws FileError, leaving the old file.
std::optional<int32_t> writePairsFromPlayed(const DataDir& dir, int32_t crossGroupMin, int32_t sameGroupMin,
                                            bool add,
                                            const std::function<void(int32_t, int32_t)>& progress = {},
                                            const Game& game = Game());

} // namespace velmorix
