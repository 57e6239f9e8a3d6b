#pragma once

#include "core/DataDir.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace velmorix {

// The arbitrary grouping as GRUPLAR.CFG keeps it: the group 1..10 of every
// ball (0 = none, entry 0 unused) and the limits of groups 1..10 as typed.
struct GroupingConfig {
    std::array<int16_t, 50> GroupOf{};
    std::array<int16_t, 10> GroupMin{};
    std::array<int16_t, 10> GroupMax{};

    bool operator==(const GroupingConfig&) const = default;
};

// GRUPLAR.CFG: "GRPCFG 1.0", then GroupOf(0..49), GroupMin, GroupMax as
// little-endian 16-bit integers; exactly 150 bytes.
inline constexpr int64_t GroupingFileSize = 150;

std::vector<unsigned char> encodeGroupingConfig(const GroupingConfig& config);
// Nothing unless the bytes are exactly one record with the magic. A group
// number outside 0..10 reads as 0, so a damaged file never names a group that
// does not exist.
std::optional<GroupingConfig> decodeGroupingConfig(const std::vector<unsigned char>& bytes);

// The file exists and has the length of one record (the load asks only then).
bool groupingFilePresent(const DataDir& dir);
// Throws FileError; the old file stays when the save fails.
void saveGroupingConfig(const DataDir& dir, const GroupingConfig& config);
std::optional<GroupingConfig> loadGroupingConfig(const DataDir& dir);

} // namespace velmorix
