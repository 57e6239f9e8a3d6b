#pragma once

#include "core/BallMask.h"

namespace velmorix::chaos {

// The filters' default chaos rules for a valid column of the game: the one
// place the analyses reach the engine's rules, so the game is passed on here.
bool ruleFailsFor(const Game& game, int rule, ColumnMask column);
bool passesWithoutRule2For(const Game& game, ColumnMask column);

} // namespace velmorix::chaos
