#pragma once

#include "core/AppState.h"
#include "core/ColumnRecord.h"
#include "core/DataDir.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace velmorix {

class Random;

// The Kuantum test of the quantum limits: a column passes when the sum of its
// balls' ranks lies in GKMIN..GKMAX and, with GB0, both of its rank-group
// counts lie in their ranges (the top and bottom parts with GB1, the first and
// last 12 ranks without).
class QuantumColumnTest {
public:
    // The ranking in `settings` ranks the balls 1..B of `game`.
    explicit QuantumColumnTest(const QuantumSettings& settings, const Game& game = Game());

    // Sum of the ranks of the column's balls; a ball not ranked (outside 1..B)
    // adds nothing and a repeated ball counts once, so any record has a value.
    int kuantum(const std::array<int16_t, 6>& balls) const;
    // The Kuantum of a passing column; nothing for a failing or damaged one.
    std::optional<int> passes(const std::array<int16_t, 6>& balls) const;

private:
    Game m_game;
    std::array<int, kMaxBalls + 1> m_rankOf{};
    int m_min, m_max;
    bool m_groups;
    int m_topEnd, m_bottomFrom;
    int m_topMin, m_topMax, m_bottomMin, m_bottomMax;
};

struct QuantumRandomRun {
    int32_t written = 0;
    int32_t tries = 0;
};

// A new VELMORIX.LST of up to `target` random columns that pass the test,
// drawing at most `maxTries` times; each written ascending with Tag = its
// Kuantum. An existing list is first copied to VELMORIX.OLD. Repeats are not
// looked for. `progress` gets (written, tries) before every draw.
QuantumRandomRun buildRandomQuantumList(const DataDir& dir, const QuantumSettings& settings, int32_t target,
                                        int32_t maxTries, Random& random,
                                        const std::function<void(int32_t, int32_t)>& progress = {},
                                        const Game& game = Game());

// Keeps the columns of VELMORIX.LST that pass, in their order, sorted, with
// Tag = their Kuantum; the old list stays in VELMORIX.OLD. An empty list leaves
// no list. `progress` gets (record, written). Returns the columns kept.
int32_t eliminateByQuantum(const DataDir& dir, const QuantumSettings& settings,
                           const std::function<void(int32_t, int32_t)>& progress = {},
                           const Game& game = Game());

// The quantum list window's thinning: copies the list to VELMORIX.OLD, then
// keeps the columns whose Kuantum (in the ranking of `settings`) satisfies
// `survives`, each with Tag = its Kuantum; damaged columns go. When nothing
// survives the list is removed. `judging` gets (remaining, record), `writing`
// (written, remaining).
struct KuantumEliminationProgress {
    std::function<void(int32_t remaining, int32_t record)> judging;
    std::function<void(int32_t written, int32_t remaining)> writing;
};
int32_t eliminateByKuantum(const DataDir& dir, const QuantumSettings& settings,
                           const std::function<bool(int)>& survives,
                           const KuantumEliminationProgress& progress = {}, const Game& game = Game());

} // namespace velmorix
