#pragma once

#include "ChaosRules.h"
#include "RunContext.h"
#include "SortedColumn.h"

#include "core/ColumnRecord.h"
#include "core/FilterSelection.h"

#include <array>
#include <cstdint>
#include <vector>

namespace velmorix {

// EvaluateColumn: whether a column passes every filter of a selection, with the
// data of a prepared run. The selection is taken as it is at construction (the
// one prepareRunContext left behind); the context must outlive the evaluator.
//
// Every check is a few mask operations or bitset look-ups, so the evaluator
// never reads a file or allocates; the order of the checks is free because a
// column's answer does not depend on it.
class ColumnEvaluator {
public:
    ColumnEvaluator(const FilterSelection& selection, const RunContext& context);

    bool passes(const SortedColumn& column) const;

    // The column of a record, its balls in any order. A ball outside 1..N or a
    // repeated ball fails it; on a pass the balls are written back ascending
    // (the Tag is left alone).
    bool evaluate(ColumnRecord& record) const;

    // For enumeration: given five distinct balls, the mask of the balls x for
    // which the six balls pass the sum, decade, pair, relation and chaos
    // filters, and the similarity tests whose index answers for five balls.
    // The rest (the other similarity tests, other filters) is passesRest,
    // needed only when hasRest().
    // Only the balls of `allowed` are looked at (the rest is 0).
    ColumnMask sixthBalls(ColumnMask fiveBalls, ColumnMask allowed = ~ColumnMask{0}) const;
    bool hasRest() const { return !m_similarPerColumn.empty() || m_otherOn; }
    bool passesRest(const SortedColumn& column) const;

    // The thirteen other filters alone (OtherFiltersTest).
    bool otherFiltersPass(const SortedColumn& column) const;
    // The forbidden pairs, math relations and chaos filters alone.
    bool mathRelationsPass(const SortedColumn& column) const;
    // Sum limits and the decade table.
    bool sumAndDecadesPass(const SortedColumn& column) const;

private:
    struct Relation {
        int step = 0;  // difference d
        int links = 0; // L + 1 further balls make the chain
    };

    const RunContext& m_ctx;
    const GameMasks& m_masks;
    const chaos::Rules& m_chaos;
    int m_balls = 49;
    int m_diffMax = 16; // the repeated-difference ban looks at differences 1..m_diffMax

    bool m_sumOn = false;
    int m_sumLeast = 0;
    int m_sumGreatest = 0;

    bool m_decadeOn = false;
    std::array<uint8_t, kMaxDecades> m_decadeAllowed{}; // bit c: c balls of the decade allowed
    bool m_decadeHitOn = false;
    int m_decadeHitCount = 0;

    bool m_pairsOn = false;

    bool m_mathOn = false;
    std::vector<Relation> m_plus;
    std::array<ColumnMask, kMaxBalls + 1> m_doubleChain{}; // chain mask starting at a ball, 0 when none
    std::array<ColumnMask, kMaxBalls + 1> m_tripleChain{};
    std::vector<ColumnMask> m_geometricChains; // every doubling and tripling chain

    bool m_chaosOn = false;

    // The similarity tests in force (results, played columns, sextets): those
    // answered once per five balls of an enumeration, and those per column.
    std::vector<const SubsetIndex*> m_similarPerFive;
    std::vector<const SubsetIndex*> m_similarPerColumn;

    bool m_otherOn = false;
    bool m_partA = false;
    bool m_oddEven = false, m_halfSplit = false, m_lastDigit = false, m_decadesMin3 = false;
    bool m_decadeShape = false, m_diffRepeat = false;
    bool m_lastTwoWeeks = false, m_lastWeek = false, m_gapPattern = false, m_sumRepeat = false;
    bool m_resultsMin3 = false;
    int m_span = 0;
    ColumnMask m_lastWeeksMask = 0; // LastWeeks 1..12
    ColumnMask m_lastWeekMask = 0;  // LastWeeks 7..12
};

} // namespace velmorix
