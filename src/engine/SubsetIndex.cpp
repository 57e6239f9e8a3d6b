#include "SubsetIndex.h"

#include <algorithm>

namespace velmorix {

namespace {
// Above this many subsets the marks are kept as a sorted list of ranks.
constexpr uint32_t DenseLimit = uint32_t{1} << 26;
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
      m_places(subsets::placeSubsets(k)) {}

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

} // namespace velmorix
