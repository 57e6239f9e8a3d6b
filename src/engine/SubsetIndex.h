#pragma once

#include "SortedColumn.h"
#include "SubsetRank.h"

#include <array>
#include <cstdint>
#include <vector>

namespace velmorix {

// Answers "does some record share at least k balls with this column?" without
// scanning the records: every k-subset of every record is marked in a bitset
// indexed by its rank, and a column shares k balls with a record exactly when
// one of its own k-subsets is marked. The cost per column does not depend on
// the number of records. Where the bitset would be large (six of 90 balls:
// 78 MB) the marked ranks are kept sorted instead.
//
// A record with a repeated ball or a ball outside 1..N (hand-made files) is
// kept aside and compared the literal way: each of its six balls that is in
// the column counts, repeats included.
class SubsetIndex {
public:
    SubsetIndex() = default;
    explicit SubsetIndex(int k, int balls = 49);

    int k() const { return m_k; }
    bool enabled() const { return m_k > 0; }

    void add(const std::array<int16_t, 6>& balls);

    bool sharesWith(const SortedColumn& column) const;

    // For an enumeration, which fixes five balls and tries every sixth: true
    // when sixthBallsSharing answers, that is when the table of completions
    // below is small enough to keep.
    bool answersPerFive() const { return !m_complete.empty(); }
    // The balls x for which the five (ascending) and x share at least k balls
    // with a record; every ball when the five alone do.
    ColumnMask sixthBallsSharing(const int* five, ColumnMask fiveMask) const;

private:
    // The dense test inline: it runs for every subset of every candidate.
    bool marked(uint32_t rank) const { return m_sparse ? markedSparse(rank) : m_bits.test(rank); }
    bool markedSparse(uint32_t rank) const;

    int m_k = 0;
    int m_balls = 49;
    bool m_sparse = false;
    subsets::SubsetBits m_bits;
    std::vector<uint32_t> m_ranks; // sparse: the marked ranks, ascending
    subsets::PlaceSubsets m_places;
    std::vector<std::array<int16_t, 6>> m_oddRecords;
    // By the rank of a (k-1)-subset, the balls that make a marked k-subset of
    // it: ten look-ups answer a five-ball prefix, where each candidate took 15.
    std::vector<ColumnMask> m_complete;
    subsets::PlaceSubsets m_fivePlaces; // the (k-1)-subsets of five places
};

// Balls of a record that are in the column, counted the literal way.
int literalShared(const std::array<int16_t, 6>& record, ColumnMask columnMask);

} // namespace velmorix
