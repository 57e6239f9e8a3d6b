#pragma once

#include "core/DataDir.h"

namespace velmorix {

// VELMORIX.OLD keeps the combination list as it was before its last change
// (a build, an elimination, a deleted column). Swapping the two takes that
// change back, and swapping again redoes it.
enum class ListSwap {
    Swapped,    // both existed and changed places
    Restored,   // there was no list: the previous one became the list
    NoPrevious, // VELMORIX.OLD is missing: nothing changed
};

// Three renames through VELMORIX.SWP (list -> SWP, OLD -> list, SWP -> OLD),
// so no byte is copied and no file is ever half written. When a rename fails
// the ones already done are undone, VELMORIX.SWP is gone and both files are as
// they were; the FileError then names the list. Only when undoing fails too
// does VELMORIX.SWP stay, holding the list, and the error says so.
ListSwap swapWithPreviousList(const DataDir& dir);

inline constexpr const char* SwapTemp = "VELMORIX.SWP";

} // namespace velmorix
