#pragma once

#include "core/Clock.h"
#include "core/ColumnRecord.h"
#include "core/CommandOutcome.h"
#include "core/DataDir.h"
#include "core/Game.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace velmorix {

// The chaos test of results: every result of a range against the ten chaos
// conditions, reported in VELMORIX.TXT.
namespace chaosreport {

inline constexpr int TestCount = 10;

// The report's line for test 1..10, naming the game's limits.
std::string testTitle(int test, const Game& game = Game());
// True when the column breaks test 1..10. A column with a ball outside 1..N
// or a repeated ball breaks every test.
bool failsTest(int test, const std::array<int16_t, 6>& balls, const Game& game = Game());

// The share of failures, cut (not rounded) to a tenth of a per cent: " 37.5".
std::string failureShare(int32_t failures, int32_t tested);

// Progress for the window caption ("TEST 3  BYTE= 1200").
using Progress = std::function<void(const std::string& caption)>;

// The whole report in Windows-1254 bytes for `range`, the results first..last.
std::string build(const std::vector<ColumnRecord>& range, int first, int last, const std::string& dateTime,
                  const Progress& progress = {}, const Game& game = Game());

} // namespace chaosreport

struct ChaosRun {
    enum class Outcome {
        Written,       // VELMORIX.TXT holds the report
        NoResults,     // the results file holds no record
        TooFewResults, // the range holds fewer than two results
        OutsideFile,   // the range ends past the last result
    };
    Outcome outcome = Outcome::Written;
    int64_t bytes = 0;
    int32_t count = 0; // results in the file
};

// Runs the chaos test of results first..last on a working copy of
// VELMORIX.RES (VELMORIX.RED), which is removed on every path, errors
// included. VELMORIX.TXT is replaced only by a complete report. Throws FileError.
ChaosRun runChaosReport(const DataDir& dir, int32_t first, int32_t last, const std::string& dateTime,
                        const chaosreport::Progress& progress = {}, const Game& game = Game());

std::string chaosWrittenText(int64_t bytes);
inline constexpr const char* ChaosTooFewText = "Bu işlem için en az 2 sonuç gerekir...";

// velmorix-batch chaos-report FIRST LAST.
CommandOutcome chaosReportCommand(const DataDir& dir, const Clock& clock,
                                  const std::vector<std::string>& args, const Game& game = Game());

} // namespace velmorix
