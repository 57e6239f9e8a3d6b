#pragma once

#include <array>
#include <cstdint>

namespace velmorix {

// Every filter choice of the filters window, as the program keeps it. The
// flags use the stored convention: -1 true, 0 false. The stored form is the 85
// records of VELMORIX.FLT (toRecords / fromRecords).
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
    // element 7 is the evaluator's working storage.
    std::array<std::array<int16_t, 8>, 5> DecadeRule{};
    int16_t DecadeHitOn = 0;
    int16_t DecadeHitCount = 0;          // not stored
    std::array<int16_t, 4> SumRule{};    // on, least, greatest, working storage
    std::array<int16_t, 13> LastWeeks{}; // 1..12 used; not stored

    static constexpr int RecordCount = 85;
    using Records = std::array<int16_t, RecordCount>;

    // Record n of the file is element n-1.
    Records toRecords() const;
    void fromRecords(const Records& r);

    // The thirteen "other filter" flags in control order (Check2 index 0..12).
    int16_t& otherFlag(int index);
    int16_t otherFlag(int index) const;

    // The values the program starts with.
    static FilterSelection startup();

    bool operator==(const FilterSelection&) const = default;
};

} // namespace velmorix
