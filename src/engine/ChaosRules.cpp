#include "ChaosRules.h"

namespace velmorix::chaos {

namespace {

int pairsWithDifference(uint64_t m, int d) {
    return __builtin_popcountll(m & (m >> d));
}

bool hasBall(uint64_t m, int v) {
    return v <= 49 && ((m >> v) & 1u);
}

// A ball x among the four smallest with x*f and x*f*f also in the column. The
// chain's first ball is always one of the four smallest, so every ball is tried.
bool hasGeometricTriple(const SortedColumn& c, int factor) {
    for (int i = 0; i < 4; ++i) {
        const int x = c.b[static_cast<std::size_t>(i)];
        if (hasBall(c.mask, x * factor) && hasBall(c.mask, x * factor * factor))
            return true;
    }
    return false;
}

bool rule1(const SortedColumn& c) {
    return !(c.b[0] <= 17 && c.b[5] >= 26);
}
bool rule2(const SortedColumn& c) {
    return (c.mask & Rule2Set) == 0;
}
bool rule3(const SortedColumn& c) {
    const uint64_t m = c.mask;
    return (m & (m >> 1) & (m >> 2)) != 0 || (m & (m >> 2) & (m >> 4)) != 0;
}
bool rule4(const SortedColumn& c) {
    for (int d = 1; d <= 16; ++d)
        if (pairsWithDifference(c.mask, d) > 2)
            return true;
    return false;
}
bool rule5(const SortedColumn& c) {
    return c.b[0] < 13 && hasGeometricTriple(c, 2);
}
bool rule6(const SortedColumn& c) {
    return c.b[0] < 6 && hasGeometricTriple(c, 3);
}
bool rule7(const SortedColumn& c) {
    const int high = __builtin_popcountll(c.mask & ballmasks::HighLastDigit);
    return high == 0 || high == 6;
}
bool rule8(const SortedColumn& c) {
    for (uint64_t d : ballmasks::Decade)
        if (__builtin_popcountll(c.mask & d) > 3)
            return true;
    return false;
}
bool rule9(const SortedColumn& c) {
    int used = 0;
    for (uint64_t d : ballmasks::Decade)
        used += (c.mask & d) != 0;
    return used < 3;
}
bool rule10(const SortedColumn& c) {
    int small = 0;
    for (int d = 1; d <= 5; ++d)
        small += pairsWithDifference(c.mask, d);
    if (small < 2)
        return true;
    for (int d = 10; d <= 19; ++d)
        if (pairsWithDifference(c.mask, d) > 0)
            return false;
    return true;
}
bool rule11(const SortedColumn& c) {
    const int even = __builtin_popcountll(c.mask & ballmasks::Even);
    return even == 0 || even == 6;
}

using Rule = bool (*)(const SortedColumn&);
constexpr Rule Rules[RuleCount] = {rule1, rule2, rule3, rule4,  rule5, rule6,
                                   rule7, rule8, rule9, rule10, rule11};

} // namespace

bool ruleFails(int rule, const SortedColumn& column) {
    return rule >= 1 && rule <= RuleCount && Rules[rule - 1](column);
}

bool passes(const SortedColumn& column) {
    for (Rule r : Rules)
        if (r(column))
            return false;
    return true;
}

bool passesWithoutRule2(const SortedColumn& column) {
    for (int i = 0; i < RuleCount; ++i)
        if (i != 1 && Rules[i](column))
            return false;
    return true;
}

} // namespace velmorix::chaos
