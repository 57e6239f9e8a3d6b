#pragma once

#include "SortedColumn.h"

namespace velmorix::chaos {

inline constexpr int RuleCount = 11;

// The eleven default chaos rules ("Varsayılan Kaos Filtreleri"), numbered 1..11
// as the filters use them. True when the column breaks the rule.
bool ruleFails(int rule, const SortedColumn& column);

// Every rule in order; true when none fails (ChaosTest).
bool passes(const SortedColumn& column);

// Every rule but rule 2 (a ball of the fixed set): the arbitrary grouping
// window's chaos test.
bool passesWithoutRule2(const SortedColumn& column);

// For five distinct balls, the mask of the balls x (not among them) for which
// the six balls pass every rule: the enumeration checks a whole last position
// at once.
uint64_t passingSixthBalls(uint64_t fiveBalls);

// The balls of rule 2's fixed set.
inline constexpr uint64_t Rule2Set = [] {
    uint64_t m = 0;
    for (int v : {1, 2, 3, 5, 7, 11, 12, 17, 19, 23, 29, 31, 37, 41, 47})
        m |= uint64_t{1} << v;
    return m;
}();

} // namespace velmorix::chaos
