#include "Clock.h"

#include "SystemFile.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace velmorix {

namespace {
std::tm localNow() {
    const std::time_t t = std::time(nullptr);
    return sysfile::localTime(t);
}
} // namespace

std::string SystemClock::timeText() const {
    const std::tm tm = localNow();
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", tm.tm_hour, tm.tm_min, tm.tm_sec);
    return buf;
}

CalendarDate SystemClock::today() const {
    const std::tm tm = localNow();
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday};
}

uint64_t SystemClock::seed() const {
    return static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
           static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

} // namespace velmorix
