#pragma once

#include "RunMessages.h"

#include "core/AppState.h"
#include "core/Clock.h"
#include "core/DataDir.h"
#include "core/FileError.h"

#include <optional>
#include <vector>

namespace velmorix {

enum class BuildOutcome {
    NothingToList,     // C(n, r) = 0: `message` says so, no file touched
    SingleCombination, // C(n, r) = 1: `message` lists the six balls, no file touched
    Declined,          // the question was answered No: no file touched
    Built,
    Failed, // a file error ended the build; `error` names the file
};

struct BuildResult {
    BuildOutcome outcome = BuildOutcome::Declined;
    int16_t buildStep = 0;    // BuildStep: the stage reached
    bool listNotBuilt = true; // ListNotBuilt
    int32_t freeBalls = 0;    // n
    int32_t freeSlots = 0;    // r
    int32_t totalCombinations = 0;
    int32_t examined = 0;           // candidates evaluated
    int32_t kept = 0;               // records of VELMORIX.LST at the end
    StatusLabels labels;            // as they stand at the end
    std::optional<Message> message; // the box the build itself shows (with a beep)
    std::optional<FileError> error;
};

// BuildNewList, "Yeni Liste Yap": enumerates every column of the bankers and
// the free bag balls in order, keeps those that pass the filters in
// VELMORIX.LST, then applies the repetition ban (levels 2 to 5). The previous
// list is copied to VELMORIX.OLD first and stays in place until the new one is
// complete, so a failed build leaves it intact.
//
// The caller reads the selection from the controls first. The build uses and
// changes `state`: the selection (filters switched off for lack of data, the
// span of the last result), FreeBallCount, FreeSlotCount, TotalCombinations
// and RecNo; CurColumn is left alone. The question goes to `callbacks.confirm`;
// labels and progress titles are reported as they change.
BuildResult BuildNewList(AppState& state, const DataDir& dir, const Clock& clock,
                         const RunCallbacks& callbacks);

// Room for a new list: the worst case (every candidate kept, 16 bytes each)
// against the free space of the data folder's disk, in MB (1,048,576 bytes).
struct ListSpace {
    int64_t worstMb = 0;
    int64_t freeMb = 0;
    bool fits = true; // the worst case fits, or the free space is unknown
};
ListSpace listSpace(const AppState& state, const DataDir& dir);
// "Liste en çok N MB tutabilir, diskte M MB boş yer var." + CR + "Yine de
// başlamak istiyormusunuz ?", title "! DİKKAT !": asked before a build whose
// worst case does not fit.
Question listSpaceQuestion(const ListSpace& space);

// What the caller shows once the build has returned (after its closing beep):
// the count of the new list, or the file error and the "Kademe" message.
std::vector<Message> buildReport(const BuildResult& result);

// The error box of a file error, naming the file.
Message fileErrorMessage(const FileError& error);

} // namespace velmorix
