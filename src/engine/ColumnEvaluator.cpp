#include "ColumnEvaluator.h"

#include "ChaosRules.h"

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
        if (__builtin_popcountll(m & (m >> d)) > 2)
            return true;
    return false;
}

std::array<int, 5> decadeCounts(uint64_t m) {
    std::array<int, 5> c{};
    for (std::size_t d = 0; d < 5; ++d)
        c[d] = __builtin_popcountll(m & ballmasks::Decade[d]);
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
            const int even = __builtin_popcountll(m & ballmasks::Even);
            if (even == 0 || even == 6)
                return false;
        }
        if (m_halfSplit) {
            const int high = __builtin_popcountll(m & ballmasks::AboveHalf);
            if (high == 0 || high == 6)
                return false;
        }
        if (m_lastDigit) {
            constexpr uint64_t tens = bit(10) | bit(20) | bit(30) | bit(40);
            for (int i = 0; i < 3; ++i)
                if (__builtin_popcountll(m & (tens << c.b[static_cast<std::size_t>(i)])) > 2)
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
    if (m_lastWeek && __builtin_popcountll(m & m_lastWeekMask) > 2)
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

bool ColumnEvaluator::passes(const SortedColumn& c) const {
    if (m_sumOn) {
        const int sum = c.sum();
        if (sum < m_sumLeast || sum > m_sumGreatest)
            return false;
    }
    if (m_decadeOn) {
        bool hit = false;
        for (std::size_t d = 0; d < 5; ++d) {
            const int n = __builtin_popcountll(c.mask & ballmasks::Decade[d]);
            if (!((m_decadeAllowed[d] >> n) & 1u))
                return false;
            hit = hit || n == m_decadeHitCount;
        }
        if (m_decadeHitOn && !hit)
            return false;
    }
    if (!mathRelationsPass(c))
        return false;
    if (m_resultSimilarity && m_ctx.resultSimilarity.sharesWith(c))
        return false;
    if (m_playedSimilarity && m_ctx.playedSimilarity.sharesWith(c))
        return false;
    if (m_sextetSimilarity && m_ctx.sextetSimilarity.sharesWith(c))
        return false;
    return !m_otherOn || otherFiltersPass(c);
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
