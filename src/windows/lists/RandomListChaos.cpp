#include "RandomListChaos.h"

#include "engine/ChaosRules.h"
#include "engine/SortedColumn.h"

namespace velmorix {

ChaosRule randomListChaosRule() {
    return [](const std::array<int16_t, 6>& sortedBalls) {
        const auto column = SortedColumn::from(sortedBalls);
        return column && chaos::passes(*column);
    };
}

} // namespace velmorix
