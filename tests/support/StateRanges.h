#pragma once

#include "core/AppState.h"

#include <string>
#include <vector>

namespace velmorix::test {

// What must hold of the program-wide state between two commands, whatever the
// files and the answers were: balls are balls, counts fit their arrays, the
// dialog protocol holds one of its codes. Returns one line per broken rule.
std::vector<std::string> stateRangeProblems(const AppState& state);

// The same for a filter selection as a run reads it back from the controls.
std::vector<std::string> selectionRangeProblems(const FilterSelection& selection);

} // namespace velmorix::test
