#pragma once

#include "core/DataDir.h"
#include "core/Game.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace velmorix {

// The arbitrary grouping as GRUPLAR.CFG keeps it: the group 1..10 of every
// ball 1..N (0 = none, entry 0 unused; sized for the largest game) and the
// limits of groups 1..10 as typed.
struct GroupingConfig {
    std::array<int16_t, kMaxBalls + 1> GroupOf{};
    std::array<int16_t, 10> GroupMin{};
    std::array<int16_t, 10> GroupMax{};

    bool operator==(const GroupingConfig&) const = default;
};

// GRUPLAR.CFG: "GRPCFG 1.0", then GroupOf(0..N), GroupMin, GroupMax as
// little-endian 16-bit integers; exactly 150 bytes for 49 balls, two more for
// every further ball.
inline constexpr int64_t GroupingFileSize = 150;
int64_t groupingFileSize(const Game& game);

std::vector<unsigned char> encodeGroupingConfig(const GroupingConfig& config, const Game& game = Game());
// Nothing unless the bytes are exactly one record of the game with the magic.
// A group number outside 0..10 reads as 0, so a damaged file never names a
// group that does not exist.
std::optional<GroupingConfig> decodeGroupingConfig(const std::vector<unsigned char>& bytes,
                                                   const Game& game = Game());

// The file exists and has the length of one record (the load asks only then).
bool groupingFilePresent(const DataDir& dir, const Game& game = Game());
// Throws FileError; the old file stays when the save fails.
void saveGroupingConfig(const DataDir& dir, const GroupingConfig& config, const Game& game = Game());
std::optional<GroupingConfig> loadGroupingConfig(const DataDir& dir, const Game& game = Game());

} // namespace velmorix
