#pragma once

#include "core/ColumnRecord.h"
#include "core/DataDir.h"
#include "core/Game.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmorix {

// The start and end boxes of the results range dialog, read and judged
// against a file of `count` records.
struct RangeCheck {
    enum class Problem {
        None,
        StartTooLarge,  // 32768 or more: the box gets "1" back, no message
        StartInvalid,   // outside 1..count
        EndTooLarge,    // 32768 or more: the box gets the count back, no message
        EndInvalid,     // outside 1..count
        EndBeforeStart, // end smaller than start
    };
    Problem problem = Problem::None;
    int16_t first = 0;
    int16_t last = 0;
    std::string message;  // the "! HATA !" text; empty for the two silent cases
    std::string boxReset; // the text the box gets back in the silent cases

    bool ok() const { return problem == Problem::None; }
    bool inStartBox() const { return problem == Problem::StartTooLarge || problem == Problem::StartInvalid; }
};
RangeCheck checkRange(std::string_view startText, std::string_view endText, int32_t count);

// The minimum repetition count of forbidden pairs made in the dialog: the
// count, or the "! HATA !" text when it lies outside 1..`columns`.
struct MinCountCheck {
    int64_t value = 0;
    std::string message;
    bool ok() const { return message.empty(); }
};
MinCountCheck checkMinPairCount(std::string_view text, int32_t columns);

// Records first..last of VELMORIX.RES (the caller has checked the range).
std::vector<ColumnRecord> readResultRange(const DataDir& dir, int32_t first, int32_t last);

// Saves the results as the combination list; an existing list is kept as
// VELMORIX.OLD first. Returns the records written. Throws FileError.
int32_t saveResultsAsList(const DataDir& dir, const std::vector<ColumnRecord>& results);

// Replaces the forbidden sextets with the results. Returns the records written.
int32_t saveResultsAsSextets(const DataDir& dir, const std::vector<ColumnRecord>& results);

// Adds every result that is not already a forbidden sextet (same six balls in
// any order). Nothing is added to a missing or empty file. Returns the count added.
int32_t addResultsToSextets(const DataDir& dir, const std::vector<ColumnRecord>& results,
                            const Game& game = Game());

// VELMORIX.FLT has the game's length (170 bytes for 6/49), so the sum limits
// can go into it.
bool sumLimitsCanBeSaved(const DataDir& dir, const Game& game = Game());
// Writes the least and greatest sum as records 83 and 84 of VELMORIX.FLT and
// leaves every other byte as it is. False when the file does not have the
// game's length.
bool saveSumLimits(const DataDir& dir, int16_t least, int16_t greatest, const Game& game = Game());

} // namespace velmorix
