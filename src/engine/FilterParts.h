#pragma once

#include "RunContext.h"

#include "core/FilterSelection.h"

#include <string>
#include <vector>

namespace velmorix {

// The filters of a selection one by one, in the order EvaluateColumn applies
// them. A column passes the whole selection exactly when it passes every part
// on its own, so each part can be counted or blamed separately by running the
// evaluator with a selection that holds that part alone.
enum class FilterPart {
    Sums,
    Decades, // the decade table with its required count
    ForbiddenPairs,
    MathRelations,
    Chaos,
    Results,
    Played,
    Sextets,
    OddEven, // the other filters, each alone
    HalfSplit,
    LastDigit,
    DecadesMin3,
    DecadeShape,
    DiffRepeat,
    LastTwoWeeks,
    LastWeek,
    LastWeekSpan,
    GapPattern,
    SumRepeat,
    ResultsMin3,
    RepetitionBan, // judges a list, not a column: never one of selectionParts
};

struct SelectionPart {
    FilterPart part;
    std::string name;          // Turkish, as the filters window calls it
    FilterSelection selection; // this part alone
};

// The parts that take effect with a prepared selection and its run context
// (the selection prepareRunContext left behind, MathRelOff already set for
// chaos).
std::vector<SelectionPart> selectionParts(const FilterSelection& prepared, const RunContext& context);

// "25'le sınırlı 6'lılar yasak" with the game's half ("46'yla" for 6/90).
std::string halfSplitCaption(const Game& game);

// The name of the repetition ban of `level` (2..5) for the same lists.
std::string repetitionBanName(int level);

} // namespace velmorix
