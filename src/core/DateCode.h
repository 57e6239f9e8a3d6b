#pragma once

#include "Clock.h"

#include <cstdint>
#include <optional>

namespace velmorix {

// A draw date in a result's Tag: year * 1000 + month * 50 + day.
// Years 2003..2099 are valid (older files only used 2003..2009).
inline constexpr int DateCodeFirstYear = 2003;
inline constexpr int DateCodeLastYear = 2099;

int32_t encodeDateCode(int year, int month, int day);
// The date of a code, or nothing when the code lies outside the valid range
// (KeepMark and other tags show as no date).
std::optional<CalendarDate> decodeDateCode(int32_t tag);

} // namespace velmorix
