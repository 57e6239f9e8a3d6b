#pragma once

#include "RunMessages.h"

#include <chrono>
#include <cstdint>

namespace velmorix {

// Passes progress on at most about twenty times a second. The hot loops call
// due() for every step; only a step that is due pays for reading the clock,
// and only a report that is sent pays for composing its text.
class ProgressThrottle {
public:
    explicit ProgressThrottle(const std::function<void(const ProgressReport&)>& sink,
                              std::chrono::milliseconds interval = std::chrono::milliseconds(50))
        : m_sink(sink), m_interval(interval) {}

    bool active() const { return static_cast<bool>(m_sink); }

    // True when a report should be sent now.
    bool due() { return (++m_calls & 1023u) == 0 && dueNow(); }

    // The same for steps that come rarely (a slice of candidates): every call
    // reads the clock.
    bool dueNow() {
        if (!m_sink)
            return false;
        const auto now = std::chrono::steady_clock::now();
        if (now - m_last < m_interval)
            return false;
        m_last = now;
        return true;
    }

    // Sends unconditionally (first and last texts of a phase).
    void send(int phase, int64_t done, int64_t total, std::string title) {
        if (!m_sink)
            return;
        m_last = std::chrono::steady_clock::now();
        m_sink(ProgressReport{phase, done, total, std::move(title)});
    }

private:
    const std::function<void(const ProgressReport&)>& m_sink;
    std::chrono::milliseconds m_interval;
    std::chrono::steady_clock::time_point m_last{};
    uint32_t m_calls = 0;
};

} // namespace velmorix
