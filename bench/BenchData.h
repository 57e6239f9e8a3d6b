#pragma once

#include "core/AppState.h"
#include "core/DataDir.h"

#include <cstdint>
#include <filesystem>

// Data folders of the benchmark workloads.
namespace velmorix::bench {

// Bag of balls 1..n, no bankers.
void setBag(AppState& state, int n);

// The first `count` records of the column file `source` as `name` in `dir`.
void copyFirstRecords(const std::filesystem::path& source, const DataDir& dir, const char* name,
                      int32_t count);

} // namespace velmorix::bench
