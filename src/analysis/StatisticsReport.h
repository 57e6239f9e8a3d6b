#pragma once

#include "RangeStatistics.h"
#include "core/Clock.h"
#include "core/ColumnRecord.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velmorix {

// What a range of the statistics window was taken from.
enum class StatisticsSource { Results, List, Played };

// The source code of ResultsDialogSubMode: 0 results, 1 combination list,
// anything else the played columns.
StatisticsSource statisticsSource(int subMode);
const char* statisticsSourceFile(StatisticsSource source);

// The current date and time as the reports print them: "06.12.2026 12:34:56".
std::string reportDateTime(const Clock& clock);

// A message box's text (lines broken by carriage returns) and title.
struct ReportMessage {
    std::string text;
    std::string title;
};

// "Değerlendirilecek herhangi bir ... yok !" for an empty source.
std::string nothingToEvaluateText(StatisticsSource source);

std::string statisticsCaption(StatisticsSource source, int first, int last);
std::string statisticsHelpText(StatisticsSource source);

// Print-outs: every line in order, empty lines included; balls and decades of
// the game the statistics were counted for.
std::vector<std::string> ballCountPrintout(StatisticsSource source, int columns, const RangeStatistics& stats,
                                           const std::string& dateTime);
std::vector<std::string> pairCountPrintout(StatisticsSource source, int columns, const RangeStatistics& stats,
                                           const std::string& dateTime);
std::vector<std::string> figuresPrintout(StatisticsSource source, int first, int last,
                                         const RangeStatistics& stats, const std::string& dateTime);

// The results of a range whose sums lie strictly between the range's lowest
// and highest sums.
struct ExtremeFreeSums {
    int32_t count = 0;
    int64_t total = 0;
    int32_t low = 0;
    int32_t high = 0;
};
ExtremeFreeSums sumsWithoutExtremes(const std::vector<ColumnRecord>& range, int sumLow, int sumHigh,
                                    const Game& game = Game());
// Nothing when no result was counted.
std::optional<ReportMessage> extremeFreeSumsMessage(const ExtremeFreeSums& sums, const StatisticsFigures& f,
                                                    int first, int last);

// The played columns compared with the last result and the one before it.
struct PlayedSimilarity {
    int highestWithLast = 0;
    int32_t firstColumnWithLast = 0;
    int highestWithSecondLast = 0;
    int32_t firstColumnWithSecondLast = 0;
};
// `secondLast` is missing when there is only one result; its figures stay 0.
PlayedSimilarity comparePlayedWithResults(const std::vector<ColumnRecord>& played, const ColumnRecord& last,
                                          const std::optional<ColumnRecord>& secondLast,
                                          const Game& game = Game());
ReportMessage playedSimilarityMessage(const PlayedSimilarity& s);

} // namespace velmorix
