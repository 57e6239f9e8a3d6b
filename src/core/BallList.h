#pragma once

#include "Game.h"
#include "Program.h"

#include <array>
#include <cstdint>

namespace velmorix {

// A count-prefixed list of balls with 1-based access: element 0 of the
// established arrays is the count, elements 1..count the balls.
template <int Capacity> class BallList {
public:
    static constexpr int capacity = Capacity;

    int16_t count() const { return m_items[0]; }
    void setCount(int n) { m_items[0] = static_cast<int16_t>(n); }
    bool empty() const { return m_items[0] < 1; }

    // 1-based; index 0 is the count, as in the stored arrays.
    int16_t& operator[](int i) { return m_items[static_cast<std::size_t>(i)]; }
    int16_t operator[](int i) const { return m_items[static_cast<std::size_t>(i)]; }

    void clear() { m_items.fill(0); }
    bool push(int ball) {
        if (m_items[0] >= Capacity)
            return false;
        ++m_items[0];
        m_items[static_cast<std::size_t>(m_items[0])] = static_cast<int16_t>(ball);
        return true;
    }
    bool contains(int ball) const {
        for (int i = 1; i <= count(); ++i)
            if (m_items[static_cast<std::size_t>(i)] == ball)
                return true;
        return false;
    }

    bool operator==(const BallList&) const = default;

private:
    std::array<int16_t, Capacity + 1> m_items{};
};

using BagList = BallList<kMaxBalls>; // room for the largest game's balls
using BankoList = BallList<5>;

} // namespace velmorix
