#pragma once

#include <cstdint>
#include <string>

namespace velmorix {

struct CalendarDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

// Date, time of day and a seed source; a seam so tests are deterministic.
class Clock {
public:
    virtual ~Clock() = default;
    // Time of day as "hh:mm:ss".
    virtual std::string timeText() const = 0;
    virtual CalendarDate today() const = 0;
    // A value that changes from call to call, to seed the random source.
    virtual uint64_t seed() const = 0;
};

class SystemClock final : public Clock {
public:
    std::string timeText() const override;
    CalendarDate today() const override;
    uint64_t seed() const override;
};

// A clock that always tells the same time (tests).
class FixedClock final : public Clock {
public:
    FixedClock(std::string time = "12:34:56", CalendarDate date = {2026, 12, 6}, uint64_t seed = 42)
        : m_time(std::move(time)), m_date(date), m_seed(seed) {}
    std::string timeText() const override { return m_time; }
    CalendarDate today() const override { return m_date; }
    uint64_t seed() const override { return m_seed; }
    void setTime(std::string t) { m_time = std::move(t); }

private:
    std::string m_time;
    CalendarDate m_date;
    uint64_t m_seed;
};

} // namespace velmorix
