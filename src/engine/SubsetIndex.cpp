#include "SubsetIndex.h"

namespace velmorix {

int literalShared(const std::array<int16_t, 6>& record, uint64_t columnMask) {
    int shared = 0;
    for (int16_t v : record)
        if (v >= 1 && v <= 49 && ((columnMask >> v) & 1u))
            ++shared;
    return shared;
}

SubsetIndex::SubsetIndex(int k) : m_k(k), m_bits(k), m_places(subsets::placeSubsets(k)) {}

void SubsetIndex::add(const std::array<int16_t, 6>& balls) {
    if (m_k <= 0)
        return;
    const auto column = SortedColumn::from(balls);
    if (!column) {
        m_oddRecords.push_back(balls);
        return;
    }
    for (int s = 0; s < m_places.count; ++s) {
        const auto& p = m_places.places[static_cast<std::size_t>(s)];
        uint32_t r = 0;
        for (int t = 0; t < m_k; ++t)
            r += subsets::rankTerm(column->b[p[static_cast<std::size_t>(t)]], t + 1);
        m_bits.set(r);
    }
}

bool SubsetIndex::sharesWith(const SortedColumn& column) const {
    if (m_k <= 0)
        return false;
    // The rank terms of every ball at every place, then each subset is a sum.
    uint32_t term[6][6];
    for (int i = 0; i < 6; ++i)
        for (int t = 0; t < m_k; ++t)
            term[i][t] = subsets::rankTerm(column.b[static_cast<std::size_t>(i)], t + 1);
    for (int s = 0; s < m_places.count; ++s) {
        const auto& p = m_places.places[static_cast<std::size_t>(s)];
        uint32_t r = 0;
        for (int t = 0; t < m_k; ++t)
            r += term[p[static_cast<std::size_t>(t)]][t];
        if (m_bits.test(r))
            return true;
    }
    for (const auto& record : m_oddRecords)
        if (literalShared(record, column.mask) >= m_k)
            return true;
    return false;
}

} // namespace velmorix
