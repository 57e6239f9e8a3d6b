#pragma once

#include "SortedColumn.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace velmorix {

// The candidate columns of a build in its order, shared by the build and the
// live count so both see the same candidates: the bankers with the first
// slots-1 free positions as a prefix walked in lexicographic order, the last
// position left to the caller as a mask of the pool balls after the prefix.
// Inline because it runs once per prefix of a whole enumeration; it holds no
// heap memory, so a worker may start one per slice of the candidates.
class CandidateWalk {
public:
    // Needs 1 <= slots <= count; pool holds `count` free balls, ascending.
    CandidateWalk(const int* pool, int count, int slots, ColumnMask fixed)
        : m_pool(pool), m_n(count), m_slots(slots), m_fixed(slots - 1) {
        m_from[at(m_n)] = 0;
        for (int i = m_n - 1; i >= 0; --i)
            m_from[at(i)] = m_from[at(i + 1)] | ballBit(m_pool[i]);
        m_prefix[0] = fixed;
        for (int t = 0; t < m_fixed; ++t) {
            m_idx[at(t)] = t;
            m_prefix[at(t + 1)] = m_prefix[at(t)] | ballBit(m_pool[t]);
        }
    }
    CandidateWalk(const std::vector<int>& pool, int slots, ColumnMask bankers)
        : CandidateWalk(pool.data(), static_cast<int>(pool.size()), slots, bankers) {}

    // Pool index from which the last position may take its ball.
    int lastFrom() const { return m_fixed == 0 ? 0 : m_idx[at(m_fixed - 1)] + 1; }
    // The bankers and the balls of the prefix.
    ColumnMask five() const { return m_prefix[at(m_fixed)]; }
    // The pool balls the last position may take.
    ColumnMask lastBalls() const { return m_from[at(lastFrom())]; }
    // Candidates of the current prefix.
    int lastCount() const { return m_n - lastFrom(); }

    // Moves to the next prefix: the last fixed position that can still move.
    // False when there is none.
    bool next() {
        int t = m_fixed - 1;
        while (t >= 0 && m_idx[at(t)] == m_n - m_slots + t)
            --t;
        if (t < 0)
            return false;
        ++m_idx[at(t)];
        for (int u = t; u < m_fixed; ++u) {
            if (u > t)
                m_idx[at(u)] = m_idx[at(u - 1)] + 1;
            m_prefix[at(u + 1)] = m_prefix[at(u)] | ballBit(m_pool[m_idx[at(u)]]);
        }
        return true;
    }

private:
    static std::size_t at(int i) { return static_cast<std::size_t>(i); }

    const int* m_pool;
    int m_n;
    int m_slots;
    int m_fixed;
    std::array<ColumnMask, kMaxBalls + 2> m_from{}; // pool balls from index i on
    std::array<int, 6> m_idx{};
    std::array<ColumnMask, 6> m_prefix{};
};

} // namespace velmorix
