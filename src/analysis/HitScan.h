#pragma once

#include "core/ColumnRecord.h"
#include "core/DataDir.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velmorix {

// Checking the played columns against one draw result: every column that
// matched three balls or more wins a prize.
namespace hits {

inline constexpr int PrizeLevel = 3;

// Called now and then while a scan runs: phase 1 counts, phases 2.. list one
// level each; `column` is the record in progress (from 1).
using Progress = std::function<void(int phase, int32_t column)>;

// The first of the six typed values (cells 1..6) that is not a ball 1..49.
std::optional<int> firstInvalidCell(const std::array<int64_t, 6>& values);
// " 3. hücredeki top numarası GEÇERSİZ !... Düzeltin..." for cell 3.
std::string invalidCellMessage(int cell);

// The result's distinct balls as a mask (a result typed as 5,5,5,5,5,5 is one ball).
uint64_t resultMask(const std::array<int64_t, 6>& values);

// Hits of every column: how many result balls it holds. A hand-made column
// with a ball outside 1..49 or a repeated ball scores 0.
std::vector<uint8_t> countHits(uint64_t resultMask, const std::vector<ColumnRecord>& played);

// The report text: the prize levels from the highest down, one line per
// winning column, and the total; or the "no prize" line. Lines end in CR LF.
std::string reportText(const std::vector<ColumnRecord>& played, const std::vector<uint8_t>& hitCounts,
                       const Progress& progress = {});

struct Scan {
    bool scanned = false; // false when there was no played column to check
    int32_t columns = 0;
    int32_t prizeColumns = 0;
    std::string report;
};

// Reads VELMORIX.OKL and scans it against the result. The file is only read:
// the hit counts live in memory, the played columns keep their Tag. The values
// must be valid balls (see firstInvalidCell). Throws FileError.
Scan scanPlayedColumns(const DataDir& dir, const std::array<int64_t, 6>& result,
                       const Progress& progress = {});

} // namespace hits
} // namespace velmorix
