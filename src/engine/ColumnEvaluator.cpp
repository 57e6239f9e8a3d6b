#include "ColumnEvaluator.h"

#include "ChaosRules.h"

#include <algorithm>

namespace velmorix {

namespace {

// Mask of x, x*f, x*f^2, ..., x*f^(links) when every member is a ball; else 0.
ColumnMask geometricChain(int x, int factor, int links, int balls) {
    ColumnMask m = ballBit(x);
    int v = x;
    for (int t = 0; t < links; ++t) {
        v *= factor;
        if (v > balls)
            return 0;
        m |= ballBit(v);
    }
    return m;
}

ColumnMask maskOf(const int16_t* balls, int count, int highest) {
    ColumnMask m = 0;
    for (int i = 0; i < count; ++i)
        if (balls[i] >= 1 && balls[i] <= highest)
            m |= ballBit(balls[i]);
    return m;
}

bool differenceRepeats(ColumnMask m, int diffMax) {
    for (int d = 1; d <= diffMax; ++d)
        if (ballCount(m & (m >> d)) > 2)
            return true;
    return false;
}

} // namespace

ColumnEvaluator::ColumnEvaluator(const FilterSelection& s, const RunContext& ctx)
    : m_ctx(ctx), m_masks(GameMasks::of(ctx.game)), m_chaos(chaos::Rules::of(ctx.game)),
      m_balls(ctx.game.balls()), m_diffMax(ctx.game.scaled(16)) {
    m_sumOn = s.SumRule[0] != 0;
    m_sumLeast = s.SumRule[1];
    m_sumGreatest = s.SumRule[2];

    m_decadeOn = s.DecadeFilterOn != 0;
    for (std::size_t d = 0; d < static_cast<std::size_t>(m_masks.decades); ++d)
        for (std::size_t c = 0; c <= 6; ++c)
            if (s.DecadeRule[d][c] != 0)
                m_decadeAllowed[d] |= static_cast<uint8_t>(1u << c);
    m_decadeHitOn = m_decadeOn && s.DecadeHitOn != 0;
    m_decadeHitCount = s.DecadeHitCount;
    // Bounds or a table that no column can break cost nothing per candidate.
    if (m_sumLeast <= Game::kMinSum && m_sumGreatest >= ctx.game.maxSum())
        m_sumOn = false;
    if (!m_decadeHitOn && std::all_of(m_decadeAllowed.begin(), m_decadeAllowed.begin() + m_masks.decades,
                                      [](uint8_t allowed) { return allowed == 0x7F; }))
        m_decadeOn = false;

    m_pairsOn = s.ForbiddenPairsOn != 0;

    m_mathOn = s.MathRelOff == 0;
    m_chaosOn = s.MathRelOff != 0 && s.ChaosOn != 0;
    if (m_mathOn) {
        // A chain of L + 2 balls can only exist when it fits in six balls and in 1..N.
        for (int k = 0; k < 23; ++k) {
            const int level = s.MathRelPlus[static_cast<std::size_t>(k)];
            const int step = k + 1;
            if (level > 0 && level + 2 <= 6 && (level + 1) * step <= m_balls - 1)
                m_plus.push_back({step, level + 1});
        }
        for (int x = 1; x <= m_balls; ++x) {
            if (s.MathRelDouble > 0 && s.MathRelDouble + 2 <= 6)
                m_doubleChain[static_cast<std::size_t>(x)] =
                    geometricChain(x, 2, s.MathRelDouble + 1, m_balls);
            if (s.MathRelTriple > 0 && s.MathRelTriple + 2 <= 6)
                m_tripleChain[static_cast<std::size_t>(x)] =
                    geometricChain(x, 3, s.MathRelTriple + 1, m_balls);
            for (ColumnMask chain :
                 {m_doubleChain[static_cast<std::size_t>(x)], m_tripleChain[static_cast<std::size_t>(x)]})
                if (chain)
                    m_geometricChains.push_back(chain);
        }
    }

    const auto similarity = [this](bool on, const SubsetIndex& index) {
        if (on && index.enabled())
            (index.answersPerFive() ? m_similarPerFive : m_similarPerColumn).push_back(&index);
    };
    similarity(s.ResultLimit >= 0 && ctx.resultCount > 0, ctx.resultSimilarity);
    similarity(s.PlayedLimit >= 0 && ctx.playedCount > 0, ctx.playedSimilarity);
    similarity(s.SextetLimit >= 0 && ctx.sextetCount > 0, ctx.sextetSimilarity);

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
    m_lastWeeksMask = maskOf(&s.LastWeeks[1], 12, m_balls);
    m_lastWeekMask = maskOf(&s.LastWeeks[7], 6, m_balls);
}

bool ColumnEvaluator::mathRelationsPass(const SortedColumn& c) const {
    const ColumnMask m = c.mask;
    if (m_pairsOn)
        for (int b : c.b)
            if (m_ctx.pairMask[static_cast<std::size_t>(b)] & m)
                return false;
    if (m_mathOn) {
        for (const Relation& r : m_plus) {
            ColumnMask starts = m;
            for (int t = 1; t <= r.links && starts; ++t)
                starts &= m >> (t * r.step);
            if (starts)
                return false;
        }
        // A chain of three or more starts at one of the four smallest balls.
        for (int i = 0; i < 4; ++i) {
            const auto x = static_cast<std::size_t>(c.b[static_cast<std::size_t>(i)]);
            const ColumnMask d = m_doubleChain[x];
            const ColumnMask t = m_tripleChain[x];
            if ((d && (m & d) == d) || (t && (m & t) == t))
                return false;
        }
    } else if (m_chaosOn && !m_chaos.passes(c)) {
        return false;
    }
    return true;
}

bool ColumnEvaluator::otherFiltersPass(const SortedColumn& c) const {
    const ColumnMask m = c.mask;
    if (m_partA) {
        if (m_oddEven) {
            const int even = ballCount(m & m_masks.even);
            if (even == 0 || even == 6)
                return false;
        }
        if (m_halfSplit) {
            const int high = ballCount(m & m_masks.aboveHalf);
            if (high == 0 || high == 6)
                return false;
        }
        if (m_lastDigit) {
            for (int i = 0; i < 3; ++i)
                if (ballCount(m & (m_masks.tens << c.b[static_cast<std::size_t>(i)])) > 2)
                    return false;
        }
        if (m_decadesMin3 || m_decadeShape) {
            DecadeCounts counts{};
            int used = 0;
            for (int d = 0; d < m_masks.decades; ++d) {
                const int n = ballCount(m & m_masks.decade[static_cast<std::size_t>(d)]);
                counts[static_cast<std::size_t>(d)] = n;
                used += n > 0;
            }
            if (m_decadesMin3 && used < 3)
                return false;
            if (m_decadeShape && !m_ctx.decadeShapes.empty() &&
                m_ctx.hasDecadeShape(decadeShapeCode(counts, m_masks.decades)))
                return false;
        }
        if (m_diffRepeat && differenceRepeats(m, m_diffMax))
            return false;
    }
    if (m_lastTwoWeeks && (m & m_lastWeeksMask) == 0)
        return false;
    if (m_lastWeek && ballCount(m & m_lastWeekMask) > 2)
        return false;
    if (m_span > 0 && c.b[5] - c.b[0] == m_span)
        return false;
    if (m_gapPattern && m_ctx.gapPatterns.k() == 5) {
        // Offsets rank as five balls 1..N-1.
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
        for (std::size_t d = 0; d < static_cast<std::size_t>(m_masks.decades); ++d) {
            const int n = ballCount(c.mask & m_masks.decade[d]);
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
    for (const SubsetIndex* index : m_similarPerFive)
        if (index->sharesWith(c))
            return false;
    return sumAndDecadesPass(c) && mathRelationsPass(c) && passesRest(c);
}

bool ColumnEvaluator::passesRest(const SortedColumn& c) const {
    for (const SubsetIndex* index : m_similarPerColumn)
        if (index->sharesWith(c))
            return false;
    return !m_otherOn || otherFiltersPass(c);
}

ColumnMask ColumnEvaluator::sixthBalls(ColumnMask p, ColumnMask allowed) const {
    const ColumnMask all = m_masks.all;
    auto shifted = [all](ColumnMask m, int s) { return (s >= 0 ? m >> s : m << -s) & all; };
    ColumnMask ok = allowed & all & ~p;
    if (m_sumOn) {
        int sum = 0;
        for (ColumnMask m = p; m; m &= m - 1)
            sum += lowestBall(m);
        const int first = std::max(m_sumLeast - sum, 1);
        const int last = std::min(m_sumGreatest - sum, m_balls);
        if (first > last)
            return 0;
        ok &= ((ColumnMask{2} << last) - 1) & ~((ColumnMask{1} << first) - 1);
    }
    if (m_decadeOn) {
        const auto decades = static_cast<std::size_t>(m_masks.decades);
        std::array<int, kMaxDecades> counts{};
        for (std::size_t d = 0; d < decades; ++d)
            counts[d] = ballCount(p & m_masks.decade[d]);
        ColumnMask fitting = 0;
        for (std::size_t e = 0; e < decades; ++e) { // x in decade e
            bool fits = true, hit = false;
            for (std::size_t d = 0; d < decades; ++d) {
                const int n = counts[d] + (d == e ? 1 : 0);
                fits = fits && ((m_decadeAllowed[d] >> n) & 1u);
                hit = hit || n == m_decadeHitCount;
            }
            if (fits && (hit || !m_decadeHitOn))
                fitting |= m_masks.decade[e];
        }
        ok &= fitting;
    }
    if (ok == 0)
        return 0;
    if (m_pairsOn) {
        for (ColumnMask m = p; m; m &= m - 1) {
            const ColumnMask beside = m_ctx.pairMask[static_cast<std::size_t>(lowestBall(m))];
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
                const ColumnMask up = p >> d, up2 = p >> (2 * d), down = (p << d) & all,
                                 down2 = (p << (2 * d)) & all;
                if (p & up & up2)
                    return 0;
                ok &= ~((up & up2) | (down & up) | (down & down2));
                continue;
            }
            ColumnMask starts = p;
            for (int t = 1; t <= r.links; ++t)
                starts &= p >> (t * r.step);
            if (starts)
                return 0;
            for (int j = 0; j <= r.links; ++j) {
                ColumnMask completes = all;
                for (int i = 0; i <= r.links; ++i)
                    if (i != j)
                        completes &= shifted(p, (i - j) * r.step);
                ok &= ~completes;
            }
        }
        for (ColumnMask chain : m_geometricChains) {
            const ColumnMask missing = chain & ~p;
            if (missing == 0)
                return 0;
            if (!moreThanOne(missing))
                ok &= ~missing;
        }
    } else if (m_chaosOn) {
        ok = m_chaos.passingSixthBalls(p, ok);
    }
    if (ok != 0 && !m_similarPerFive.empty()) {
        int five[5];
        ascendingBalls(p, five, 5);
        for (const SubsetIndex* index : m_similarPerFive)
            ok &= ~index->sixthBallsSharing(five, p);
    }
    return ok;
}

bool ColumnEvaluator::evaluate(ColumnRecord& record) const {
    const auto column = SortedColumn::from(record.Ball, m_balls);
    if (!column || !passes(*column))
        return false;
    for (std::size_t i = 0; i < 6; ++i)
        record.Ball[i] = static_cast<int16_t>(column->b[i]);
    return true;
}

} // namespace velmorix
