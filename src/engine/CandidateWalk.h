#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace velmorix {

// The candidate columns of a build in its order, shared by the build and the
// live count so both see the same candidates: the bankers with the first
// slots-1 free positions as a prefix walked in lexicographic order, the last
// position left to the caller as a mask of the pool balls after the prefix.
// Inline because it runs once per prefix of a whole enumeration.
class CandidateWalk {
public:
    // Needs 1 <= slots <= pool.size(); pool holds the free balls, ascending.
    CandidateWalk(const std::vector<int>& pool, int slots, uint64_t bankers)
        : m_pool(pool), m_n(static_cast<int>(pool.size())), m_slots(slots), m_fixed(slots - 1),
          m_from(pool.size() + 1, 0) {
        for (int i = m_n - 1; i >= 0; --i)
            m_from[at(i)] = m_from[at(i + 1)] | uint64_t{1} << m_pool[at(i)];
        m_prefix[0] = bankers;
        for (int t = 0; t < m_fixed; ++t) {
            m_idx[at(t)] = t;
            m_prefix[at(t + 1)] = m_prefix[at(t)] | uint64_t{1} << m_pool[at(t)];
        }
    }

    // Pool index from which the last position may take its ball.
    int lastFrom() const { return m_fixed == 0 ? 0 : m_idx[at(m_fixed - 1)] + 1; }
    // The bankers and the balls of the prefix.
    uint64_t five() const { return m_prefix[at(m_fixed)]; }
    // The pool balls the last position may take.
    uint64_t lastBalls() const { return m_from[at(lastFrom())]; }

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
            m_prefix[at(u + 1)] = m_prefix[at(u)] | uint64_t{1} << m_pool[at(m_idx[at(u)])];
        }
        return true;
    }

private:
    static std::size_t at(int i) { return static_cast<std::size_t>(i); }

    const std::vector<int>& m_pool;
    int m_n;
    int m_slots;
    int m_fixed;
    std::vector<uint64_t> m_from; // pool balls from index i on
    std::array<int, 6> m_idx{};
    std::array<uint64_t, 6> m_prefix{};
};

} // namespace velmorix
