#pragma once

#include "core/AppState.h"
#include "core/DataDir.h"

#include <cstdint>

// Data folders and selections of the benchmark workloads, made with fixed seeds.
namespace velmorix::bench {

// Bag of balls 1..n, no bankers.
void setBag(AppState& state, int n);

// Workload 2: chaos off, math relations on three balls with every relation
// ticked, sums 100..200, the decade table on.
FilterSelection relationsSelection();

// Workload 3: chaos on, similarity with results (4 balls), played columns (4)
// and sextets (5), forbidden pairs, all thirteen other filters.
FilterSelection heavySelection();

// 2,000 results, 5,000 played columns, 5,000 sextets and 50 forbidden pairs.
void writeHeavyData(const DataDir& dir);

// A list of `count` random sorted columns (streamed to disk).
void writeRandomList(const DataDir& dir, int32_t count);

} // namespace velmorix::bench
