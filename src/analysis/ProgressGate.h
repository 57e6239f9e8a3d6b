#pragma once

#include <chrono>
#include <cstdint>

namespace velmorix {

// Lets progress through at most about twenty times a second. Loops ask for
// every step; a step that is not due costs a counter, so the text of a
// progress display is composed only when it is shown.
class ProgressGate {
public:
    // The last step of a phase is always due: its count is what stays shown.
    bool due(bool lastStep = false) {
        if (lastStep)
            return true;
        if ((++m_calls & 255u) != 0)
            return false;
        const auto now = std::chrono::steady_clock::now();
        if (now - m_last < std::chrono::milliseconds(50))
            return false;
        m_last = now;
        return true;
    }

private:
    uint32_t m_calls = 0;
    std::chrono::steady_clock::time_point m_last{};
};

} // namespace velmorix
