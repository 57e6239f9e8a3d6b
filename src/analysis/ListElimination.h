#pragma once

#include "ListEntryParsing.h"

#include "core/ColumnRecord.h"
#include "core/DataDir.h"

#include <cstdint>
#include <functional>
#include <string>

namespace velmorix {

// Whether a list column survives a thinning command. A column with a ball
// outside 1..N of the game or a repeated ball survives none of them.
using ColumnTest = std::function<bool(const ColumnRecord&)>;

ColumnTest holdsNoneOf(ColumnMask balls, const Game& game = Game());      // unwanted numbers
ColumnTest holdsAnyOf(ColumnMask balls, const Game& game = Game());       // wanted numbers
ColumnTest holdsAtMostOneOf(ColumnMask balls, const Game& game = Game()); // unwanted pair
ColumnTest holdsAnyPair(const PairMarks& pairs, const Game& game = Game());

// The automatic pair-differences rule: of the 15 differences between the
// column's balls at least two are at most 5 and at least one lies in 10..19
// (for 6/49; the game's scaled limits otherwise).
bool passesPairDifferences(const ColumnRecord& column, const Game& game = Game());

struct EliminationProgress {
    // Phase 1: columns still in the list, and the column being judged.
    std::function<void(int32_t remaining, int32_t position)> judging;
    // Phase 2: columns written so far, of `remaining`.
    std::function<void(int32_t written, int32_t remaining)> writing;
};

// Thins a list in two phases: the list is first copied to VELMORIX.OLD, then
// every column is judged; the survivors replace the list in their order, each
// with Tag KeepMark (through VELMORIX.TMP). When nothing survives the list is
// removed. Returns the number of surviving columns.
int32_t eliminateWithBackup(const DataDir& dir, const std::string& listName, const ColumnTest& survives,
                            const EliminationProgress& progress = {});

} // namespace velmorix
