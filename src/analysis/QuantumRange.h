#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace velmorix {

// Why the results first..last cannot feed a quantum analysis (the quantum and
// the following-balls windows share the limits), or empty when they can.
std::string quantumRangeRefusal(std::size_t resultCount, int64_t first, int64_t last);

} // namespace velmorix
