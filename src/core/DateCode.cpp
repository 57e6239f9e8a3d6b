#include "DateCode.h"

namespace velmorix {

int32_t encodeDateCode(int year, int month, int day) {
    return year * 1000 + month * 50 + day;
}

std::optional<CalendarDate> decodeDateCode(int32_t tag) {
    if (tag < encodeDateCode(DateCodeFirstYear, 1, 1) || tag > encodeDateCode(DateCodeLastYear, 12, 31))
        return std::nullopt;
    const int year = tag / 1000;
    const int month = (tag - year * 1000) / 50;
    const int day = tag - (month + year * 20) * 50;
    return CalendarDate{year, month, day};
}

} // namespace velmorix
