#pragma once

#include "SubsetRank.h"

#include <array>
#include <cstdint>
#include <vector>

namespace velmorix {

// The repetition ban ("Tekrar Yasakları") in one pass: records are offered in
// list order; a record is dropped when it shares at least `level` balls with
// an earlier record that was kept. That is exactly the result of comparing
// every later record with every earlier unmarked one, but in linear time: a
// kept record marks all of its level-subsets, and a later record is dropped
// when one of its own level-subsets is marked.
//
// Shared balls are counted the literal way: each ball of the later record
// that equals some ball of the earlier one counts, repeats included. Records
// with a repeated or out-of-range ball only reach the ban when a list is
// filtered; say so at construction (`oddRecords`), and the ban also marks the
// smaller subsets it then needs, and compares such records with each other
// directly.
class RepetitionBan {
public:
    // `balls`: the game's greatest ball N; a ball outside 1..N makes a record odd.
    RepetitionBan(int level, bool oddRecords, int balls = 49);

    // True when the record is kept.
    bool offer(const std::array<int16_t, 6>& balls);

    int32_t kept() const { return m_kept; }

private:
    bool droppedValid(const int* ascending) const;
    bool droppedOdd(const std::array<int16_t, 6>& balls) const;
    void markValid(const int* ascending);
    void markDistinct(const int* ascending, int count);

    int m_level;
    bool m_odd;
    int m_balls;
    int32_t m_kept = 0;
    std::array<subsets::SubsetBits, 7> m_bits; // by subset size
    subsets::PlaceSubsets m_places;
    std::vector<std::array<int16_t, 6>> m_keptOdd;
};

} // namespace velmorix
