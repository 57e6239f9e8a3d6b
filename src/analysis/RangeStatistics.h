#pragma once

#include "RepetitionCounts.h"
#include "core/AppState.h"
#include "core/ColumnRecord.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velmorix {

// How similar (balls in common) each result of a range is to the results
// before it. Figures with nothing to compare stay 0.
struct SimilarityFigures {
    int32_t lastWithPrevious = 0;                 // Label36
    int32_t lastWithSecondPrevious = 0;           // Label37
    int32_t lastHighest = 0;                      // Label38: the last result with any earlier one
    int32_t highest = 0;                          // Label41: any two results of the range
    int64_t previousTotal = 0, previousCount = 0; // Label39: mean with the previous result
    int64_t secondTotal = 0, secondCount = 0;     // Label40: mean with the one before it

    // Label36..Label41 in order.
    std::array<std::string, 6> texts() const;
};

// The figures of the statistics window for one range of columns.
struct RangeStatistics {
    RepetitionCounts counts;
    StatisticsFigures figures;
    std::optional<SimilarityFigures> similarity; // results only

    std::string sumHighText() const;
    std::string sumLowText() const;
    std::string sumMeanText() const; // without blanks
    std::string groupHighText(int g) const;
    std::string groupLowText(int g) const;
    std::string groupMeanText(int g) const;
    // Label36..Label41: the figures, or "-" when the range is not results.
    std::array<std::string, 6> similarityTexts() const;
};

// Columns of one range in file order, over the game's balls and decades.
// Columns with a ball outside 1..N or a repeated ball are not counted; they
// share no ball with any other column.
RangeStatistics computeRangeStatistics(const std::vector<ColumnRecord>& range, bool withSimilarity,
                                       const Game& game = Game());

SimilarityFigures computeSimilarity(const std::vector<ColumnRecord>& range, const Game& game = Game());

// Balls two columns have in common; 0 when either is not a valid column.
int similarity(const std::array<int16_t, 6>& a, const std::array<int16_t, 6>& b, const Game& game = Game());

} // namespace velmorix
