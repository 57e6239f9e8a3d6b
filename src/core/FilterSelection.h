#pragma once

#include "Game.h"

#include <array>
#include <cstdint>
#include <vector>

namespace velmorix {

// Every filter choice of the filters window, as the program keeps it. The
// flags use the stored convention: -1 true, 0 false. The stored form is the 85
// records of VELMORIX.FLT (toRecords / fromRecords), then 7 records for each
// decade past the fifth of a larger game.
struct FilterSelection {
    int16_t RepeatBanLevel = 0;
    int16_t MathRelLevel = 0;
    std::array<int16_t, 23> MathRelPlus{};
    int16_t MathRelDouble = 0;
    int16_t MathRelTriple = 0;
    int16_t MathRelOff = 0; // not stored
    int16_t ForbiddenPairsOn = 0;
    int16_t ChaosOn = 0;
    int16_t OtherFiltersOn = 0; // not stored
    int16_t OddEvenBan = 0;
    int16_t HalfSplitBan = 0;
    int16_t LastDigitMax3 = 0;
    int16_t DecadesMin3 = 0;
    int16_t LastTwoWeeksLink = 0;
    int16_t LastWeekMax2 = 0;
    int16_t LastWeekSpanBan = 0;
    int16_t GapPatternBan = 0;
    int16_t SumRepeatBan = 0;
    int16_t PrimeRequired = 0;
    int16_t DecadeShapeBan = 0;
    int16_t DiffRepeatMax2 = 0;
    int16_t ResultsMin3Link = 0;
    int16_t SextetLimit = 0;
    int16_t PlayedLimit = 0;
    int16_t ResultLimit = 0;
    int16_t DecadeFilterOn = 0;
    // DecadeRule[d][c]: a column may hold exactly c balls of decade d (c 0..6);
    // element 7 is the evaluator's working storage. A game uses its first D rows.
    std::array<std::array<int16_t, 8>, kMaxDecades> DecadeRule{};
    int16_t DecadeHitOn = 0;
    int16_t DecadeHitCount = 0;          // not stored
    std::array<int16_t, 4> SumRule{};    // on, least, greatest, working storage
    std::array<int16_t, 13> LastWeeks{}; // 1..12 used; not stored

    static constexpr int RecordCount = 85;
    using Records = std::array<int16_t, RecordCount>;

    // Record n of the file is element n-1.
    Records toRecords() const;
    void fromRecords(const Records& r);

    // The records of a game: the 85, then DecadeRule[d][0..6] of every decade
    // d = 5..D-1 (85 + 7(D - 5) records).
    static int recordCount(const Game& game) { return RecordCount + 7 * (game.decades() - 5); }
    std::vector<int16_t> toRecords(const Game& game) const;
    // Needs recordCount(game) records.
    void fromRecords(const std::vector<int16_t>& r, const Game& game);

    // The thirteen "other filter" flags in control order (Check2 index 0..12).
    int16_t& otherFlag(int index);
    int16_t otherFlag(int index) const;

    // The values the program starts with.
    static FilterSelection startup();

    bool operator==(const FilterSelection&) const = default;
};

} // namespace velmorix
