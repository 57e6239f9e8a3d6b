#pragma once

#include "SortedColumn.h"

#include "core/Game.h"

#include <array>
#include <cstdint>
#include <vector>

namespace velmorix::chaos {

inline constexpr int RuleCount = 11;

// The eleven default chaos rules ("Varsayılan Kaos Filtreleri") of one game,
// numbered 1..11 as the filters use them. The thresholds of the 6/49 rules are
// moved to the game's balls.
class Rules {
public:
    explicit Rules(const Game& game);
    // The rules of a game, made once per game.
    static const Rules& of(const Game& game);

    // True when the column breaks the rule.
    bool ruleFails(int rule, const SortedColumn& column) const;
    // Every rule in order; true when none fails (ChaosTest).
    bool passes(const SortedColumn& column) const;
    // Every rule but rule 2 (a ball of the fixed set): the arbitrary grouping
    // window's chaos test.
    bool passesWithoutRule2(const SortedColumn& column) const;
    // For five distinct balls, the mask of the balls x (not among them) for which
    // the six balls pass every rule: the enumeration checks a whole last position
    // at once. Only the balls of `allowed` are looked at.
    ColumnMask passingSixthBalls(ColumnMask fiveBalls, ColumnMask allowed) const;

    // Rule 2's set: the primes up to N, with 1 and 12, without 13 and 43.
    ColumnMask rule2Set() const { return m_rule2Set; }
    // Rule 1: the smallest ball at most lowMax(), the largest at least highMin().
    int lowMax() const { return m_lowMax; }
    int highMin() const { return m_highMin; }

private:
    bool fails(int rule, const SortedColumn& c) const;
    bool geometricTriple(const SortedColumn& c, int factor) const;
    template <class M> ColumnMask sixthBallsIn(ColumnMask fiveBalls, ColumnMask allowed) const;

    const GameMasks& m_masks;
    int m_balls;
    int m_lowMax;  // 17
    int m_highMin; // 26
    int m_diffMax; // 16: rule 4
    int m_nearMax; // 5: rule 10
    int m_farMin;  // 10
    int m_farMax;  // 19
    ColumnMask m_rule2Set = 0;
    ColumnMask m_lowSet = 0;  // 1..lowMax
    ColumnMask m_highSet = 0; // highMin..N
    // By pair a < b (a * (N + 1) + b), the third balls of the doubling and
    // tripling chains of three that hold both, 0 where none.
    std::vector<std::array<uint8_t, 2>> m_third;
};

// The 6/49 rules, for the callers that judge 6/49 columns.
bool ruleFails(int rule, const SortedColumn& column);
bool passes(const SortedColumn& column);
bool passesWithoutRule2(const SortedColumn& column);
ColumnMask passingSixthBalls(ColumnMask fiveBalls);

} // namespace velmorix::chaos
