#pragma once

#include <array>
#include <cstdint>

namespace velmorix {

// Tag of kept list records, of results saved without a date, and the results
// dialog's "operation done" answer.
inline constexpr int32_t KeepMark = 653;

// The 16-byte record of every column list file: Tag (int32) and six int16 balls,
// little-endian, no padding.
struct ColumnRecord {
    int32_t Tag = 0;
    std::array<int16_t, 6> Ball{}; // Ball[0] is the file's "Ball 1"

    static constexpr std::size_t Size = 16;

    void encode(unsigned char* out) const;
    static ColumnRecord decode(const unsigned char* in);

    bool operator==(const ColumnRecord&) const = default;
};

// True when all six balls lie in 1..49 and no ball repeats. Hand-made files may
// break this; such a record must never be used as an array index.
bool isValidColumn(const std::array<int16_t, 6>& balls);

// 64-bit mask with bit b set for ball b; 0 when the column is not valid.
uint64_t columnMask(const std::array<int16_t, 6>& balls);

} // namespace velmorix
