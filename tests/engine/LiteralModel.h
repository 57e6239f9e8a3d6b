#pragma once

#include "core/AppState.h"
#include "core/ColumnRecord.h"
#include "core/DataDir.h"
#include "core/FilterSelection.h"

#include <array>
#include <cstdint>
#include <vector>

// The filters written the plain way, rule by rule and record by record, as the
// oracle for the fast engine. Slow on purpose: only for small runs.
namespace velmorix::literal {

struct Context {
    PairTable PairMatrix;
    std::vector<ColumnRecord> results; // ResCount records
    std::vector<ColumnRecord> played;
    std::vector<ColumnRecord> sextets;
};

// The preparation of a filter run (pairs, sextets, played, results, LastWeeks,
// the span, switching filters off, deleting empty data files).
Context prepare(FilterSelection& selection, const DataDir& dir);

// EvaluateColumn on ColRec; `CurColumn` is the work area (1..6).
bool evaluateColumn(const FilterSelection& selection, const Context& ctx, ColumnRecord& ColRec);

// ChaosTest on CurColumn 1..6, ascending.
bool chaosTest(const std::array<int, 7>& CurColumn);
bool chaosRuleFails(int rule, const std::array<int, 7>& CurColumn);

struct BuildOutcome {
    int32_t total = 0;
    int32_t examined = 0;
    bool built = false;
};

// BuildNewList answered Yes, written straight: a list in memory, the pairwise
// repetition ban, VELMORIX.OLD and VELMORIX.LST written at the end.
BuildOutcome build(AppState& state, const DataDir& dir);

// FilterExistingList with the bag question answered `useBag`. False when the
// list is empty or missing.
bool filter(AppState& state, const DataDir& dir, bool useBag);

} // namespace velmorix::literal
