#include "RandomColumns.h"

#include <algorithm>

namespace velmorix::test {

int pick(Rng& rng, int lo, int hi) {
    return std::uniform_int_distribution<int>(lo, hi)(rng);
}

bool chance(Rng& rng, double p) {
    return std::uniform_real_distribution<double>(0, 1)(rng) < p;
}

std::array<int16_t, 6> randomColumn(Rng& rng, int highest) {
    std::array<int16_t, 6> b{};
    for (std::size_t i = 0; i < 6; ++i) {
        int16_t v;
        do
            v = static_cast<int16_t>(pick(rng, 1, highest));
        while (std::find(b.begin(), b.begin() + static_cast<std::ptrdiff_t>(i), v) !=
               b.begin() + static_cast<std::ptrdiff_t>(i));
        b[i] = v;
    }
    std::sort(b.begin(), b.end());
    return b;
}

} // namespace velmorix::test
