#pragma once

#include "core/Numbers.h"

#include <QString>
#include <cstdint>
#include <string>

namespace velmorix {

// The logic below the windows writes its texts as UTF-8 strings.
inline QString qtext(const std::string& s) {
    return QString::fromStdString(s);
}

// A number written the same in every locale.
inline QString qnumber(int64_t v) {
    return QString::fromStdString(Str(v));
}

} // namespace velmorix
