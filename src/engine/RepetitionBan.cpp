#include "RepetitionBan.h"

#include "SortedColumn.h"

#include <algorithm>
#include <stdexcept>

namespace velmorix {

namespace {

// The distinct balls 1..N of a record, ascending, each with how often it occurs.
int distinctBalls(const std::array<int16_t, 6>& balls, int highest, int* ascending, int* repeats) {
    int n = 0;
    for (int v = 1; v <= highest; ++v) {
        const auto times = static_cast<int>(std::count(balls.begin(), balls.end(), v));
        if (times > 0) {
            ascending[n] = v;
            repeats[n] = times;
            ++n;
        }
    }
    return n;
}

// Shared balls counted as the pairwise pass counts them: each ball of `later`
// found among the balls of `earlier`.
int literalShared(const std::array<int16_t, 6>& earlier, const std::array<int16_t, 6>& later) {
    int n = 0;
    for (int16_t v : later)
        if (std::find(earlier.begin(), earlier.end(), v) != earlier.end())
            ++n;
    return n;
}

uint32_t rankOfChoice(const int* ascending, unsigned choice) {
    uint32_t r = 0;
    int place = 1;
    for (int i = 0; choice; ++i, choice >>= 1)
        if (choice & 1u)
            r += subsets::rankTerm(ascending[i], place++);
    return r;
}

} // namespace

RepetitionBan::RepetitionBan(int level, bool oddRecords, int balls)
    : m_level(level), m_odd(oddRecords), m_balls(balls) {
    if (m_level < 1 || m_level > 6)
        return;
    m_places = subsets::placeSubsets(m_level);
    for (int t = m_odd ? 1 : m_level; t <= m_level; ++t)
        m_bits[static_cast<std::size_t>(t)] = subsets::SubsetBits(t, m_balls);
}

bool RepetitionBan::droppedValid(const int* b) const {
    const auto& bits = m_bits[static_cast<std::size_t>(m_level)];
    for (int s = 0; s < m_places.count; ++s) {
        const auto& p = m_places.places[static_cast<std::size_t>(s)];
        uint32_t r = 0;
        for (int t = 0; t < m_level; ++t)
            r += subsets::rankTerm(b[p[static_cast<std::size_t>(t)]], t + 1);
        if (bits.test(r))
            return true;
    }
    return false;
}

bool RepetitionBan::droppedOdd(const std::array<int16_t, 6>& balls) const {
    for (const auto& earlier : m_keptOdd)
        if (literalShared(earlier, balls) >= m_level)
            return true;
    // Against the other kept records only the balls 1..N can be shared; any
    // choice of them that adds up to `level` with its repeats, and that some
    // kept record holds, drops the record.
    int ascending[6], repeats[6];
    const int n = distinctBalls(balls, m_balls, ascending, repeats);
    for (unsigned choice = 1; choice < (1u << n); ++choice) {
        const int size = __builtin_popcount(choice);
        if (size > m_level)
            continue;
        int shared = 0;
        for (int i = 0; i < n; ++i)
            if (choice & (1u << i))
                shared += repeats[i];
        if (shared >= m_level && m_bits[static_cast<std::size_t>(size)].test(rankOfChoice(ascending, choice)))
            return true;
    }
    return false;
}

void RepetitionBan::markDistinct(const int* ascending, int n) {
    const int smallest = m_odd ? 1 : m_level;
    for (unsigned choice = 1; choice < (1u << n); ++choice) {
        const int size = __builtin_popcount(choice);
        if (size >= smallest && size <= m_level)
            m_bits[static_cast<std::size_t>(size)].set(rankOfChoice(ascending, choice));
    }
}

void RepetitionBan::markValid(const int* b) {
    if (m_odd) {
        markDistinct(b, 6);
        return;
    }
    auto& bits = m_bits[static_cast<std::size_t>(m_level)];
    for (int s = 0; s < m_places.count; ++s) {
        const auto& p = m_places.places[static_cast<std::size_t>(s)];
        uint32_t r = 0;
        for (int t = 0; t < m_level; ++t)
            r += subsets::rankTerm(b[p[static_cast<std::size_t>(t)]], t + 1);
        bits.set(r);
    }
}

bool RepetitionBan::offer(const std::array<int16_t, 6>& balls) {
    // Out of the subset range: a level above 6 never drops (at most six balls
    // are shared); a level of 0 or less drops everything after the first kept.
    if (m_level > 6) {
        ++m_kept;
        return true;
    }
    if (m_level < 1) {
        if (m_kept > 0)
            return false;
        ++m_kept;
        return true;
    }
    const auto column = SortedColumn::from(balls, m_balls);
    if (column) {
        if (droppedValid(column->b.data()))
            return false;
        markValid(column->b.data());
    } else {
        if (!m_odd)
            throw std::logic_error("RepetitionBan: an odd record needs oddRecords");
        if (droppedOdd(balls))
            return false;
        int ascending[6], repeats[6];
        markDistinct(ascending, distinctBalls(balls, m_balls, ascending, repeats));
        m_keptOdd.push_back(balls);
    }
    ++m_kept;
    return true;
}

} // namespace velmorix
