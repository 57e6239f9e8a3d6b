#include "GameChaos.h"

#include "engine/ChaosRules.h"
#include "engine/SortedColumn.h"

namespace velmorix::chaos {

namespace {

// The engine's rules judge a column as a 64-bit mask with the 6/49 limits; a
// ball beyond that mask cannot be judged there and the column fails.
// TODO(game): hand `game` to the engine's rules once they take it.
std::optional<SortedColumn> engineColumn(const Game& /*game*/, ColumnMask column) {
    if ((column >> 64) != 0 || ballCount(column) != 6)
        return std::nullopt;
    return SortedColumn::fromMask(static_cast<uint64_t>(column));
}

} // namespace

bool ruleFailsFor(const Game& game, int rule, ColumnMask column) {
    const std::optional<SortedColumn> c = engineColumn(game, column);
    return !c || ruleFails(rule, *c);
}

bool passesWithoutRule2For(const Game& game, ColumnMask column) {
    const std::optional<SortedColumn> c = engineColumn(game, column);
    return c && passesWithoutRule2(*c);
}

} // namespace velmorix::chaos
