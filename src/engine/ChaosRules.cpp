#include "ChaosRules.h"

#include <algorithm>
#include <array>

namespace velmorix::chaos {

namespace {

bool isPrime(int v) {
    if (v < 2)
        return false;
    for (int d = 2; d * d <= v; ++d)
        if (v % d == 0)
            return false;
    return true;
}

} // namespace

Rules::Rules(const Game& game)
    : m_masks(GameMasks::of(game)), m_balls(game.balls()), m_lowMax(game.scaled(17)),
      m_highMin(game.scaled(26)), m_diffMax(game.scaled(16)), m_nearMax(game.scaled(5)),
      m_farMin(game.scaled(10)), m_farMax(game.scaled(19)) {
    for (int v = 1; v <= m_balls; ++v)
        if ((isPrime(v) || v == 1 || v == 12) && v != 13 && v != 43)
            m_rule2Set |= ballBit(v);
    // A pair lies in at most two chains: 2 and 4 in 1, 2, 4 and in 2, 4, 8.
    m_third.assign(static_cast<std::size_t>((m_balls + 1) * (m_balls + 1)), {0, 0});
    for (int factor : {2, 3})
        for (int y = 1; y * factor * factor <= m_balls; ++y) {
            const int chain[3] = {y, y * factor, y * factor * factor};
            for (int out = 0; out < 3; ++out) {
                const int a = chain[out == 0 ? 1 : 0], b = chain[out == 2 ? 1 : 2];
                auto& thirds = m_third[static_cast<std::size_t>(a * (m_balls + 1) + b)];
                thirds[thirds[0] == 0 ? 0 : 1] = static_cast<uint8_t>(chain[out]);
            }
        }
    m_lowSet = ballRange(1, m_lowMax);
    m_highSet = ballRange(m_highMin, m_balls);
}

namespace {

Rules rulesOf(const Game& game) {
    return Rules(game);
}

} // namespace

const Rules& Rules::of(const Game& game) {
    return perGame<Rules, rulesOf>(game);
}

// A ball x among the four smallest with x*f and x*f*f also in the column. The
// chain's first ball is always one of the four smallest, so every ball is tried.
bool Rules::geometricTriple(const SortedColumn& c, int factor) const {
    auto has = [&](int v) { return v <= m_balls && ((c.mask >> v) & 1u); };
    for (int i = 0; i < 4; ++i) {
        const int x = c.b[static_cast<std::size_t>(i)];
        if (has(x * factor) && has(x * factor * factor))
            return true;
    }
    return false;
}

bool Rules::fails(int rule, const SortedColumn& c) const {
    const ColumnMask m = c.mask;
    switch (rule) {
    case 1:
        return !(c.b[0] <= m_lowMax && c.b[5] >= m_highMin);
    case 2:
        return (m & m_rule2Set) == 0;
    case 3:
        return (m & (m >> 1) & (m >> 2)) != 0 || (m & (m >> 2) & (m >> 4)) != 0;
    case 4:
        for (int d = 1; d <= m_diffMax; ++d)
            if (moreThanTwo(m & (m >> d)))
                return true;
        return false;
    case 5: // a doubling chain can only start low enough for x*4 to be a ball
        return 4 * c.b[0] <= m_balls && geometricTriple(c, 2);
    case 6:
        return 9 * c.b[0] <= m_balls && geometricTriple(c, 3);
    case 7: // six balls: "all high last digits" is "no low one", and so on
        return (m & m_masks.highLastDigit) == 0 || (m & ~m_masks.highLastDigit) == 0;
    case 8:
        for (int d = 0; d < m_masks.decades; ++d) {
            const ColumnMask in = m & m_masks.decade[static_cast<std::size_t>(d)];
            if (moreThanTwo(in & (in - 1)))
                return true;
        }
        return false;
    case 9: {
        int used = 0;
        for (int d = 0; d < m_masks.decades; ++d)
            used += (m & m_masks.decade[static_cast<std::size_t>(d)]) != 0;
        return used < 3;
    }
    case 10: {
        bool one = false, two = false;
        for (int d = 1; d <= m_nearMax && !two; ++d) {
            const ColumnMask x = m & (m >> d);
            two = moreThanOne(x) || (one && x != 0);
            one = one || x != 0;
        }
        if (!two)
            return true;
        for (int d = m_farMin; d <= m_farMax; ++d)
            if (m & (m >> d))
                return false;
        return true;
    }
    case 11:
        return (m & m_masks.even) == 0 || (m & m_masks.odd) == 0;
    default:
        return false;
    }
}

bool Rules::ruleFails(int rule, const SortedColumn& column) const {
    return rule >= 1 && rule <= RuleCount && fails(rule, column);
}

bool Rules::passes(const SortedColumn& column) const {
    for (int r = 1; r <= RuleCount; ++r)
        if (fails(r, column))
            return false;
    return true;
}

bool Rules::passesWithoutRule2(const SortedColumn& column) const {
    for (int r = 1; r <= RuleCount; ++r)
        if (r != 2 && fails(r, column))
            return false;
    return true;
}

namespace {

// The union of m shifted by 0 .. width-1 places, down (x + i in m) or up
// (x - i in m): a few shifts, however wide the window.
template <class M> M spread(M m, int width, bool up = false) {
    int covered = 1;
    for (; 2 * covered <= width; covered *= 2)
        m |= up ? m << covered : m >> covered;
    if (covered < width)
        m |= up ? m << (width - covered) : m >> (width - covered);
    return m;
}

} // namespace

// The five-ball pass runs once per prefix of every enumeration, so it works on
// the narrowest word that holds the game's balls: one 64-bit register up to
// ball 63 (6/49, 6/60), the 128-bit mask above.
ColumnMask Rules::passingSixthBalls(ColumnMask p, ColumnMask allowed) const {
    return m_balls < 64 ? sixthBallsIn<uint64_t>(p, allowed) : sixthBallsIn<ColumnMask>(p, allowed);
}

template <class M> ColumnMask Rules::sixthBallsIn(ColumnMask fiveBalls, ColumnMask allowed) const {
    const GameMasks& g = m_masks;
    const auto word = [](ColumnMask m) { return static_cast<M>(m); };
    const M all = word(g.all);
    const M p = word(fiveBalls);
    const auto shifted = [all](M m, int s) -> M { return (s >= 0 ? m >> s : m << -s) & all; };
    // The cheap rules first: most five-ball prefixes have no sixth ball left
    // after a few of them.
    M ok = word(allowed) & all & ~p;
    // Rule 1: smallest ball at most lowMax, largest at least highMin.
    if (lowestBall(p) > m_lowMax)
        ok &= word(m_lowSet);
    if (highestBall(p) < m_highMin)
        ok &= word(m_highSet);
    // Rule 2: a ball of the set.
    if ((p & word(m_rule2Set)) == 0)
        ok &= word(m_rule2Set);
    // Rule 11: neither all even nor all odd.
    if ((p & word(g.even)) == 0)
        ok &= word(g.even);
    if ((p & word(g.odd)) == 0)
        ok &= word(g.odd);
    // Rule 7: last digits neither all above 4 nor all below 5.
    const M high = word(g.highLastDigit);
    if ((p & high) == 0)
        ok &= high;
    if ((p & ~high & all) == 0)
        ok &= ~high;
    if (ok == 0)
        return 0;
    // Rules 8 and 9: at most 3 balls a decade, at least 3 decades.
    int used = 0;
    M unused = 0;
    for (int d = 0; d < g.decades; ++d) {
        const M dm = word(g.decade[static_cast<std::size_t>(d)]);
        const M in = p & dm;
        if (moreThanTwo(in & (in - 1)))
            return 0;
        if (moreThanTwo(in))
            ok &= ~dm;
        used += in != 0;
        if (in == 0)
            unused |= dm;
    }
    if (used < 2)
        return 0;
    if (used == 2)
        ok &= unused;
    // Rule 3: no three balls in steps of 1 or 2; x may start, split or end a chain.
    for (int d = 1; d <= 2; ++d) {
        const M up = shifted(p, d), down = shifted(p, -d);
        if (p & up & shifted(p, 2 * d))
            return 0;
        ok &= ~((up & shifted(p, 2 * d)) | (down & up) | (down & shifted(p, -2 * d)));
    }
    if (ok == 0)
        return 0;
    // The ten pairs of the five balls decide rules 4, 5, 6 and 10.
    int balls[5];
    ascendingBalls(p, balls, 5);
    int near = 0;
    bool far = false;
    // Rule 4 counts the differences 1..diffMax (below 64 in every game): the
    // sets of those seen once, twice and three times.
    uint64_t once = 0, twice = 0, thrice = 0;
    for (int i = 0; i < 5; ++i)
        for (int j = i + 1; j < 5; ++j) {
            // Rules 5 and 6: no doubling or tripling chain of three (its first
            // ball is then low enough for the rule to look): x may not be the
            // third ball of a pair's chain.
            for (uint8_t x : m_third[static_cast<std::size_t>(balls[i] * (m_balls + 1) + balls[j])]) {
                if (x == 0)
                    break;
                if ((p >> x) & 1u)
                    return 0;
                ok &= ~(M{1} << x);
            }
            const int d = balls[j] - balls[i];
            near += d <= m_nearMax ? 1 : 0;
            far = far || (d >= m_farMin && d <= m_farMax);
            if (d <= m_diffMax) {
                const uint64_t bit = uint64_t{1} << d;
                thrice |= twice & bit;
                twice |= once & bit;
                once |= bit;
            }
        }
    if (ok == 0 || thrice != 0)
        return 0;
    // Rule 10: at least two differences of at most nearMax and one of farMin..farMax.
    // above(a, b): the x with a ball at x + a .. x + b; below: at x - b .. x - a.
    const auto above = [&](int a, int b) { return spread<M>(p >> a, b - a + 1); };
    const auto below = [&](int a, int b) { return (spread<M>(p, b - a + 1, true) << a) & all; };
    if (near < 2) {
        // With no near pair among the five, two balls near x lie on either side of it.
        const M up = above(1, m_nearMax), down = below(1, m_nearMax);
        ok &= near == 1 ? (up | down) : (up & down);
        if (ok == 0)
            return 0;
    }
    if (!far) {
        ok &= above(m_farMin, m_farMax) | below(m_farMin, m_farMax);
        if (ok == 0)
            return 0;
    }
    // Rule 4: a sixth ball adds at most two pairs of a difference: none to one
    // already there twice, not both to one there once.
    for (uint64_t seen = once; seen != 0; seen &= seen - 1) {
        const int d = __builtin_ctzll(seen);
        if ((twice >> d) & 1u)
            ok &= ~(shifted(p, -d) | shifted(p, d));
        else
            ok &= ~(shifted(p, -d) & shifted(p, d));
    }
    return ColumnMask{ok};
}

bool ruleFails(int rule, const SortedColumn& column) {
    return Rules::of(Game()).ruleFails(rule, column);
}
bool passes(const SortedColumn& column) {
    return Rules::of(Game()).passes(column);
}
bool passesWithoutRule2(const SortedColumn& column) {
    return Rules::of(Game()).passesWithoutRule2(column);
}
ColumnMask passingSixthBalls(ColumnMask fiveBalls) {
    return Rules::of(Game()).passingSixthBalls(fiveBalls, ~ColumnMask{0});
}

} // namespace velmorix::chaos
