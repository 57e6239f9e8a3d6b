#pragma once

#include "RunMessages.h"

#include "core/AppState.h"
#include "core/Clock.h"
#include "core/DataDir.h"
#include "core/FileError.h"

#include <optional>
#include <vector>

namespace velmorix {

enum class FilterOutcome {
    NothingToFilter, // no records: `message` says so, nothing changed
    Filtered,
    Failed, // a file error; VELMORIX.LST is as it was, `error` names the file
};

struct FilterResult {
    FilterOutcome outcome = FilterOutcome::NothingToFilter;
    bool listNotBuilt = true; // ListNotBuilt: false once records were found and filtered
    int32_t listCount = 0;    // records before
    int32_t passed = 0;       // records evaluated and passed
    int32_t kept = 0;         // records of VELMORIX.LST at the end
    StatusLabels labels;
    std::optional<Message> message; // the box the operation itself shows (with a beep)
    std::optional<FileError> error;
};

// FilterExistingList, "Listeye Uygula": runs the filters over VELMORIX.LST and
// keeps the survivors. First it may drop the records that do not fit the bag
// and bankers (one question through `callbacks.confirm`, title "! DİKKAT !"),
// then evaluates every record whose Tag is not negative, applies the
// repetition ban (levels 2 to 6) and writes the survivors through
// VELMORIX.TMP. Surviving records keep their stored Tag and ball order;
// records already marked -1 are removed without being evaluated. Nothing is
// written until the end, so a failure leaves the list intact.
//
// The caller asks its own question and reads the selection first. Changes the
// selection as a build does, and RecNo; CurColumn is left alone.
FilterResult FilterExistingList(AppState& state, const DataDir& dir, const Clock& clock,
                                const RunCallbacks& callbacks);

// What the caller shows once the run has returned: the count of the list
// (`fromMenu` chooses the wording), or the file error.
std::vector<Message> filterReport(const FilterResult& result, bool fromMenu);

} // namespace velmorix
