#include "SubsetIndex.h"

#include <algorithm>

namespace velmorix {

namespace {
// Above this many subsets the marks are kept as a sorted list of ranks.
constexpr uint32_t DenseLimit = uint32_t{1} << 26;
// Up to this many (k-1)-subsets (4 MB of masks) the completions are kept.
constexpr uint32_t CompletionLimit = uint32_t{1} << 18;
} // namespace

int literalShared(const std::array<int16_t, 6>& record, ColumnMask columnMask) {
    int shared = 0;
    for (int16_t v : record)
        if (v >= 1 && v <= kMaxBalls && ((columnMask >> v) & 1u))
            ++shared;
    return shared;
}

SubsetIndex::SubsetIndex(int k, int balls)
    : m_k(k), m_balls(balls), m_sparse(k > 0 && subsets::subsetCount(k, balls) > DenseLimit),
      m_bits(m_sparse ? subsets::SubsetBits() : subsets::SubsetBits(k, balls)),
      m_places(subsets::placeSubsets(k)) {
    if (k >= 1 && k <= 6 && subsets::subsetCount(k - 1, balls) <= CompletionLimit) {
        m_complete.assign(subsets::subsetCount(k - 1, balls), 0);
        m_fivePlaces = subsets::placeSubsets(k - 1, 5);
    }
}

void SubsetIndex::add(const std::array<int16_t, 6>& balls) {
    if (m_k <= 0)
        return;
    const auto column = SortedColumn::from(balls, m_balls);
    if (!column) {
        m_oddRecords.push_back(balls);
        return;
    }
    for (int s = 0; s < m_places.count; ++s) {
        const auto& p = m_places.places[static_cast<std::size_t>(s)];
        uint32_t r = 0;
        for (int t = 0; t < m_k; ++t)
            r += subsets::rankTerm(column->b[p[static_cast<std::size_t>(t)]], t + 1);
        if (!m_complete.empty())
            for (int out = 0; out < m_k; ++out) {
                uint32_t rest = 0;
                for (int t = 0, place = 1; t < m_k; ++t)
                    if (t != out)
                        rest += subsets::rankTerm(column->b[p[static_cast<std::size_t>(t)]], place++);
                m_complete[rest] |= ballBit(column->b[p[static_cast<std::size_t>(out)]]);
            }
        if (m_sparse) {
            const auto at = std::lower_bound(m_ranks.begin(), m_ranks.end(), r);
            if (at == m_ranks.end() || *at != r)
                m_ranks.insert(at, r);
        } else {
            m_bits.set(r);
        }
    }
}

bool SubsetIndex::markedSparse(uint32_t rank) const {
    return std::binary_search(m_ranks.begin(), m_ranks.end(), rank);
}

bool SubsetIndex::sharesWith(const SortedColumn& column) const {
    if (m_k <= 0)
        return false;
    // The rank terms of every ball at every place, then each subset is a sum.
    // All six places of a ball's row, whatever k is: a copy of fixed length
    // stays in registers, where one of k entries became a library call.
    uint32_t term[6][6];
    for (int i = 0; i < 6; ++i) {
        const auto& row =
            subsets::binomial.c[static_cast<std::size_t>(column.b[static_cast<std::size_t>(i)] - 1)];
        for (std::size_t t = 0; t < 6; ++t)
            term[i][t] = row[t + 1];
    }
    for (int s = 0; s < m_places.count; ++s) {
        const auto& p = m_places.places[static_cast<std::size_t>(s)];
        uint32_t r = 0;
        for (int t = 0; t < m_k; ++t)
            r += term[p[static_cast<std::size_t>(t)]][t];
        if (marked(r))
            return true;
    }
    for (const auto& record : m_oddRecords)
        if (literalShared(record, column.mask) >= m_k)
            return true;
    return false;
}

ColumnMask SubsetIndex::sixthBallsSharing(const int* five, ColumnMask fiveMask) const {
    ColumnMask sharing = 0;
    for (int s = 0; s < m_fivePlaces.count; ++s) {
        const auto& p = m_fivePlaces.places[static_cast<std::size_t>(s)];
        uint32_t r = 0;
        for (int t = 0; t < m_k - 1; ++t)
            r += subsets::rankTerm(five[p[static_cast<std::size_t>(t)]], t + 1);
        sharing |= m_complete[r];
    }
    // A ball of the five that completes a marked subset: the five share k
    // balls with a record by themselves.
    if (sharing & fiveMask)
        return ~ColumnMask{0};
    for (const auto& record : m_oddRecords) {
        // The sixth ball adds each of its places in the record.
        const int shared = literalShared(record, fiveMask);
        if (shared >= m_k)
            return ~ColumnMask{0};
        for (int16_t v : record)
            if (v >= 1 && v <= m_balls &&
                shared + static_cast<int>(std::count(record.begin(), record.end(), v)) >= m_k)
                sharing |= ballBit(v);
    }
    return sharing;
}

} // namespace velmorix
