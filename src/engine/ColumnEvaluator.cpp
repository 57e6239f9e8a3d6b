#include "ColumnEvaluator.h"

#include "ChaosRules.h"

#include <algorithm>

namespace velmorix {

namespace {

constexpr uint64_t bit(int ball) {
    return uint64_t{1} << ball;
}

// Mask of x, x*f, x*f^2, ..., x*f^(links) when every member is a ball; else 0.
uint64_t geometricChain(int x, int factor, int links) {
    uint64_t m = bit(x);
    int v = x;
    for (int t = 0; t < links; ++t) {
        v *= factor;
        if (v > 49)
            return 0;
        m |= bit(v);
    }
    return m;
}

uint64_t maskOf(const int16_t* balls, int count) {
    uint64_t m = 0;
    for (int i = 0; i < count; ++i)
        if (balls[i] >= 1 && balls[i] <= 49)
            m |= bit(balls[i]);
    return m;
}

bool differenceRepeats(uint64_t m) {
    for (int d = 1; d <= 16; ++d)
        if (ballCount(m & (m >> d)) > 2)
            return true;
    return false;
}

std::array<int, 5> decadeCounts(uint64_t m) {
    std::array<int, 5> c{};
    for (std::size_t d = 0; d < 5; ++d)
        c[d] = ballCount(m & ballmasks::Decade[d]);
    return c;
}

} // namespace

ColumnEvaluator::ColumnEvaluator(const FilterSelection& s, const RunContext& ctx) : m_ctx(ctx) {
    m_sumOn = s.SumRule[0] != 0;
    m_sumLeast = s.SumRule[1];
    m_sumGreatest = s.SumRule[2];

    m_decadeOn = s.DecadeFilterOn != 0;
    for (std::size_t d = 0; d < 5; ++d)
        for (std::size_t c = 0; c <= 6; ++c)
            if (s.DecadeRule[d][c] != 0)
                m_decadeAllowed[d] |= static_cast<uint8_t>(1u << c);
    m_decadeHitOn = m_decadeOn && s.DecadeHitOn != 0;
    m_decadeHitCount = s.DecadeHitCount;

    m_pairsOn = s.ForbiddenPairsOn != 0;

    m_mathOn = s.MathRelOff == 0;
    m_chaosOn = s.MathRelOff != 0 && s.ChaosOn != 0;
    if (m_mathOn) {
        // A chain of L + 2 balls can only exist when it fits in six balls and in 1..49.
        for (int k = 0; k < 23; ++k) {
            const int level = s.MathRelPlus[static_cast<std::size_t>(k)];
            const int step = k + 1;
            if (level > 0 && level + 2 <= 6 && (level + 1) * step <= 48)
                m_plus.push_back({step, level + 1});
        }
        for (int x = 1; x <= 49; ++x) {
            if (s.MathRelDouble > 0 && s.MathRelDouble + 2 <= 6)
                m_doubleChain[static_cast<std::size_t>(x)] = geometricChain(x, 2, s.MathRelDouble + 1);
            if (s.MathRelTriple > 0 && s.MathRelTriple + 2 <= 6)
                m_tripleChain[static_cast<std::size_t>(x)] = geometricChain(x, 3, s.MathRelTriple + 1);
            for (uint64_t chain :
                 {m_doubleChain[static_cast<std::size_t>(x)], m_tripleChain[static_cast<std::size_t>(x)]})
                if (chain)
                    m_geometricChains.push_back(chain);
        }
    }

    m_resultSimilarity = s.ResultLimit >= 0 && ctx.resultCount > 0;
    m_playedSimilarity = s.PlayedLimit >= 0 && ctx.playedCount > 0;
    m_sextetSimilarity = s.SextetLimit >= 0 && ctx.sextetCount > 0;

    m_otherOn = s.OtherFiltersOn != 0;
    m_partA = s.ChaosOn == 0;
    m_oddEven = s.OddEvenBan != 0;
    m_halfSplit = s.HalfSplitBan != 0;
    m_lastDigit = s.LastDigitMax3 != 0;
    m_decadesMin3 = s.DecadesMin3 != 0;
    m_decadeShape = s.DecadeShapeBan != 0;
    m_diffRepeat = s.DiffRepeatMax2 != 0;
    m_lastTwoWeeks = s.LastTwoWeeksLink != 0;
    m_lastWeek = s.LastWeekMax2 != 0;
    m_span = s.LastWeekSpanBan;
    m_gapPattern = s.GapPatternBan != 0;
    m_sumRepeat = s.SumRepeatBan != 0;
    m_resultsMin3 = s.ResultsMin3Link != 0;
    m_lastWeeksMask = maskOf(&s.LastWeeks[1], 12);
    m_lastWeekMask = maskOf(&s.LastWeeks[7], 6);
}

bool ColumnEvaluator::mathRelationsPass(const SortedColumn& c) const {
    const uint64_t m = c.mask;
    if (m_pairsOn)
        for (int b : c.b)
            if (m_ctx.pairMask[static_cast<std::size_t>(b)] & m)
                return false;
    if (m_mathOn) {
        for (const Relation& r : m_plus) {
            uint64_t starts = m;
            for (int t = 1; t <= r.links && starts; ++t)
                starts &= m >> (t * r.step);
            if (starts)
                return false;
        }
        // A chain of three or more starts at one of the four smallest balls.
        for (int i = 0; i < 4; ++i) {
            const auto x = static_cast<std::size_t>(c.b[static_cast<std::size_t>(i)]);
            const uint64_t d = m_doubleChain[x];
            const uint64_t t = m_tripleChain[x];
            if ((d && (m & d) == d) || (t && (m & t) == t))
                return false;
        }
    } else if (m_chaosOn && !chaos::passes(c)) {
        return false;
    }
    return true;
}

bool ColumnEvaluator::otherFiltersPass(const SortedColumn& c) const {
    const uint64_t m = c.mask;
    if (m_partA) {
        if (m_oddEven) {
            const int even = ballCount(m & ballmasks::Even);
            if (even == 0 || even == 6)
                return false;
        }
        if (m_halfSplit) {
            const int high = ballCount(m & ballmasks::AboveHalf);
            if (high == 0 || high == 6)
                return false;
        }
        if (m_lastDigit) {
            constexpr uint64_t tens = bit(10) | bit(20) | bit(30) | bit(40);
            for (int i = 0; i < 3; ++i)
                if (ballCount(m & (tens << c.b[static_cast<std::size_t>(i)])) > 2)
                    return false;
        }
        if (m_decadesMin3 || m_decadeShape) {
            const std::array<int, 5> counts = decadeCounts(m);
            if (m_decadesMin3) {
                int used = 0;
                for (int n : counts)
                    used += n > 0;
                if (used < 3)
                    return false;
            }
            if (m_decadeShape && !m_ctx.decadeShapes.empty()) {
                const auto code = static_cast<std::size_t>(decadeShapeCode(counts));
                if ((m_ctx.decadeShapes[code / 64] >> (code % 64)) & 1u)
                    return false;
            }
        }
        if (m_diffRepeat && differenceRepeats(m))
            return false;
    }
    if (m_lastTwoWeeks && (m & m_lastWeeksMask) == 0)
        return false;
    if (m_lastWeek && ballCount(m & m_lastWeekMask) > 2)
        return false;
    if (m_span > 0 && c.b[5] - c.b[0] == m_span)
        return false;
    if (m_gapPattern && m_ctx.gapPatterns.k() == 5) {
        const int offsets[5] = {c.b[1] - c.b[0], c.b[2] - c.b[0], c.b[3] - c.b[0], c.b[4] - c.b[0],
                                c.b[5] - c.b[0]};
        if (m_ctx.gapPatterns.test(subsets::rank(offsets, 5)))
            return false;
    }
    if (m_sumRepeat && m_ctx.resultSums.test(static_cast<std::size_t>(c.sum())))
        return false;
    if (m_resultsMin3 && !m_ctx.resultsShareThree.sharesWith(c))
        return false;
    return true;
}

bool ColumnEvaluator::sumAndDecadesPass(const SortedColumn& c) const {
    if (m_sumOn) {
        const int sum = c.sum();
        if (sum < m_sumLeast || sum > m_sumGreatest)
            return false;
    }
    if (m_decadeOn) {
        bool hit = false;
        for (std::size_t d = 0; d < 5; ++d) {
            const int n = ballCount(c.mask & ballmasks::Decade[d]);
            if (!((m_decadeAllowed[d] >> n) & 1u))
                return false;
            hit = hit || n == m_decadeHitCount;
        }
        if (m_decadeHitOn && !hit)
            return false;
    }
    return true;
}

bool ColumnEvaluator::passes(const SortedColumn& c) const {
    return sumAndDecadesPass(c) && mathRelationsPass(c) && passesRest(c);
}

bool ColumnEvaluator::passesRest(const SortedColumn& c) const {
    if (m_resultSimilarity && m_ctx.resultSimilarity.sharesWith(c))
        return false;
    if (m_playedSimilarity && m_ctx.playedSimilarity.sharesWith(c))
        return false;
    if (m_sextetSimilarity && m_ctx.sextetSimilarity.sharesWith(c))
        return false;
    return !m_otherOn || otherFiltersPass(c);
}

namespace {

// Mask of the balls x with x + s in `m` (s may be negative).
uint64_t shifted(uint64_t m, int s) {
    return (s >= 0 ? m >> s : m << -s) & ballmasks::All;
}

uint64_t ballRange(int first, int last) {
    first = std::max(first, 1);
    last = std::min(last, 49);
    if (first > last)
        return 0;
    return ((uint64_t{2} << last) - 1) & ~((uint64_t{1} << first) - 1);
}

} // namespace

uint64_t ColumnEvaluator::sixthBalls(uint64_t p) const {
    uint64_t ok = ballmasks::All & ~p;
    if (m_sumOn) {
        int sum = 0;
        for (uint64_t m = p; m; m &= m - 1)
            sum += __builtin_ctzll(m);
        ok &= ballRange(m_sumLeast - sum, m_sumGreatest - sum);
    }
    if (m_decadeOn) {
        std::array<int, 5> counts{};
        for (std::size_t d = 0; d < 5; ++d)
            counts[d] = ballCount(p & ballmasks::Decade[d]);
        uint64_t allowed = 0;
        for (std::size_t e = 0; e < 5; ++e) { // x in decade e
            bool fits = true, hit = false;
            for (std::size_t d = 0; d < 5; ++d) {
                const int n = counts[d] + (d == e ? 1 : 0);
                fits = fits && ((m_decadeAllowed[d] >> n) & 1u);
                hit = hit || n == m_decadeHitCount;
            }
            if (fits && (hit || !m_decadeHitOn))
                allowed |= ballmasks::Decade[e];
        }
        ok &= allowed;
    }
    if (m_pairsOn) {
        for (uint64_t m = p; m; m &= m - 1) {
            const uint64_t beside = m_ctx.pairMask[static_cast<std::size_t>(__builtin_ctzll(m))];
            if (beside & p)
                return 0;
            ok &= ~beside;
        }
    }
    if (m_mathOn) {
        // A chain of links + 1 balls: none among the five, and x at no place of one.
        for (const Relation& r : m_plus) {
            if (r.links == 2) { // three balls, the usual length: x may start, split or end a chain
                const int d = r.step;
                const uint64_t up = p >> d, up2 = p >> (2 * d), down = (p << d) & ballmasks::All,
                               down2 = (p << (2 * d)) & ballmasks::All;
                if (p & up & up2)
                    return 0;
                ok &= ~((up & up2) | (down & up) | (down & down2));
                continue;
            }
            uint64_t starts = p;
            for (int t = 1; t <= r.links; ++t)
                starts &= p >> (t * r.step);
            if (starts)
                return 0;
            for (int j = 0; j <= r.links; ++j) {
                uint64_t completes = ballmasks::All;
                for (int i = 0; i <= r.links; ++i)
                    if (i != j)
                        completes &= shifted(p, (i - j) * r.step);
                ok &= ~completes;
            }
        }
        for (uint64_t chain : m_geometricChains) {
            const uint64_t missing = chain & ~p;
            if (missing == 0)
                return 0;
            if (!moreThanOne(missing))
                ok &= ~missing;
        }
    } else if (m_chaosOn) {
        ok &= chaos::passingSixthBalls(p);
    }
    return ok;
}

bool ColumnEvaluator::evaluate(ColumnRecord& record) const {
    const auto column = SortedColumn::from(record.Ball);
    if (!column || !passes(*column))
        return false;
    for (std::size_t i = 0; i < 6; ++i)
        record.Ball[i] = static_cast<int16_t>(column->b[i]);
    return true;
}

} // namespace velmorix
