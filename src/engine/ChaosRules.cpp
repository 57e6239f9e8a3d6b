#include "ChaosRules.h"

namespace velmorix::chaos {

namespace {

using namespace ballmasks;

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
        if (moreThanTwo(c.mask & (c.mask >> d)))
            return true;
    return false;
}
bool rule5(const SortedColumn& c) {
    return c.b[0] < 13 && hasGeometricTriple(c, 2);
}
bool rule6(const SortedColumn& c) {
    return c.b[0] < 6 && hasGeometricTriple(c, 3);
}
// Six balls: "all high last digits" is "no low one", and so on.
bool rule7(const SortedColumn& c) {
    return (c.mask & HighLastDigit) == 0 || (c.mask & ~HighLastDigit) == 0;
}
bool rule8(const SortedColumn& c) {
    for (uint64_t d : Decade)
        if (moreThanTwo((c.mask & d) & ((c.mask & d) - 1)))
            return true;
    return false;
}
bool rule9(const SortedColumn& c) {
    int used = 0;
    for (uint64_t d : Decade)
        used += (c.mask & d) != 0;
    return used < 3;
}
bool rule10(const SortedColumn& c) {
    const uint64_t m = c.mask;
    bool one = false, two = false;
    for (int d = 1; d <= 5 && !two; ++d) {
        const uint64_t x = m & (m >> d);
        two = moreThanOne(x) || (one && x != 0);
        one = one || x != 0;
    }
    if (!two)
        return true;
    for (int d = 10; d <= 19; ++d)
        if (m & (m >> d))
            return false;
    return true;
}
bool rule11(const SortedColumn& c) {
    return (c.mask & Even) == 0 || (c.mask & Odd) == 0;
}

using Rule = bool (*)(const SortedColumn&);
constexpr Rule Rules[RuleCount] = {rule1, rule2, rule3, rule4,  rule5, rule6,
                                   rule7, rule8, rule9, rule10, rule11};

// Mask of the balls x with x + s in `m` (s may be negative).
uint64_t shifted(uint64_t m, int s) {
    return (s >= 0 ? m >> s : m << -s) & All;
}

// The balls x that complete three balls y, y*f, y*f*f with two of them in `five`.
// `failed` is set when the five already hold such a chain.
uint64_t geometricCompletions(uint64_t five, int factor, bool& failed) {
    uint64_t bad = 0;
    for (int y = 1; y * factor * factor <= 49; ++y) {
        const uint64_t chain =
            (uint64_t{1} << y) | (uint64_t{1} << (y * factor)) | (uint64_t{1} << (y * factor * factor));
        const uint64_t missing = chain & ~five;
        if (missing == 0)
            failed = true;
        else if (!moreThanOne(missing))
            bad |= missing;
    }
    return bad;
}

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

uint64_t passingSixthBalls(uint64_t p) {
    uint64_t ok = All & ~p;
    // Rule 1: smallest ball at most 17, largest at least 26.
    const int low = __builtin_ctzll(p);
    const int high = 63 - __builtin_clzll(p);
    if (low > 17)
        ok &= range(1, 17);
    if (high < 26)
        ok &= range(26, 49);
    // Rule 2: a ball of the fixed set.
    if ((p & Rule2Set) == 0)
        ok &= Rule2Set;
    // Rule 3: no three balls in steps of 1 or 2; x may start, split or end a chain.
    for (int d = 1; d <= 2; ++d) {
        if (p & (p >> d) & (p >> (2 * d)))
            return 0;
        ok &= ~((shifted(p, d) & shifted(p, 2 * d)) | (shifted(p, -d) & shifted(p, d)) |
                (shifted(p, -d) & shifted(p, -2 * d)));
    }
    // Rule 4: no difference 1..16 three times.
    for (int d = 1; d <= 16; ++d) {
        const uint64_t pairs = p & (p >> d);
        if (moreThanTwo(pairs))
            return 0;
        if (moreThanOne(pairs))
            ok &= ~(shifted(p, -d) | shifted(p, d));
        else if (pairs)
            ok &= ~(shifted(p, -d) & shifted(p, d));
    }
    // Rules 5 and 6: no doubling or tripling chain of three (its first ball is
    // then below 13 or 6).
    bool failed = false;
    ok &= ~geometricCompletions(p, 2, failed);
    ok &= ~geometricCompletions(p, 3, failed);
    if (failed)
        return 0;
    // Rule 7: last digits neither all above 4 nor all below 5.
    if ((p & HighLastDigit) == 0)
        ok &= HighLastDigit;
    if ((p & ~HighLastDigit) == 0)
        ok &= ~HighLastDigit;
    // Rules 8 and 9: at most 3 balls a decade, at least 3 decades.
    int used = 0;
    uint64_t unused = 0;
    for (uint64_t d : Decade) {
        const uint64_t in = p & d;
        if (moreThanTwo(in & (in - 1)))
            return 0;
        if (moreThanTwo(in))
            ok &= ~d;
        used += in != 0;
        if (in == 0)
            unused |= d;
    }
    if (used < 2)
        return 0;
    if (used == 2)
        ok &= unused;
    // Rule 10: at least two differences of at most 5 and one of 10..19.
    bool one = false, two = false;
    for (int d = 1; d <= 5; ++d) {
        const uint64_t x = p & (p >> d);
        two = two || moreThanOne(x) || (one && x != 0);
        one = one || x != 0;
    }
    if (!two) {
        uint64_t near1 = 0, near2 = 0; // x with at least one / two balls within 5
        for (int d = -5; d <= 5; ++d) {
            if (d == 0)
                continue;
            const uint64_t t = shifted(p, d);
            near2 |= near1 & t;
            near1 |= t;
        }
        ok &= one ? near1 : near2;
    }
    bool tens = false;
    uint64_t tensWith = 0;
    for (int d = 10; d <= 19; ++d) {
        tens = tens || (p & (p >> d)) != 0;
        tensWith |= shifted(p, d) | shifted(p, -d);
    }
    if (!tens)
        ok &= tensWith;
    // Rule 11: neither all even nor all odd.
    if ((p & Even) == 0)
        ok &= Even;
    if ((p & Odd) == 0)
        ok &= Odd;
    return ok;
}

} // namespace velmorix::chaos
