#pragma once

#include "core/Numbers.h"

#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

namespace velmorix {

// The logic below the windows writes its texts as UTF-8 strings.
inline QString qtext(const std::string& s) {
    return QString::fromStdString(s);
}

// A number written the same in every locale.
inline QString qnumber(int64_t v) {
    return QString::fromStdString(Str(v));
}

// The Turkish suffix "le/la/yle/yla" ("with") that follows a number read aloud
// ("25'le", "46'yla", "60'la"), without the apostrophe.
std::string_view instrumentalSuffix(int64_t number);

} // namespace velmorix
