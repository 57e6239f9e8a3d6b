#pragma once

#include "core/BallMask.h"

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
// matched the game's lowest prize level or more wins a prize (three balls for
// 6/49).
namespace hits {

// Called now and then while a scan runs: phase 1 counts, phases 2.. list one
// level each; `column` is the record in progress (from 1).
using Progress = std::function<void(int phase, int32_t column)>;

// The first of the six typed values (cells 1..6) that is not a ball 1..N.
std::optional<int> firstInvalidCell(const std::array<int64_t, 6>& values, const Game& game = Game());
// " 3. hücredeki top numarası GEÇERSİZ !... Düzeltin..." for cell 3.
std::string invalidCellMessage(int cell);

// The result's distinct balls as a mask (a result typed as 5,5,5,5,5,5 is one ball).
ColumnMask resultMask(const std::array<int64_t, 6>& values, const Game& game = Game());

// Hits of every column: how many result balls it holds. A hand-made column
// with a ball outside 1..N or a repeated ball scores 0.
std::vector<uint8_t> countHits(ColumnMask resultMask, const std::vector<ColumnRecord>& played,
                               const Game& game = Game());

// The report text: the prize levels from the highest down to the game's
// lowest, one line per winning column, and the total; or the "no prize" line.
// Lines end in CR LF.
std::string reportText(const std::vector<ColumnRecord>& played, const std::vector<uint8_t>& hitCounts,
                       const Progress& progress = {}, const Game& game = Game());

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
                       const Progress& progress = {}, const Game& game = Game());

} // namespace hits
} // namespace velmorix
