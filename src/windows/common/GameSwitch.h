#pragma once

#include "core/Game.h"

#include <string>

namespace velmorix {

struct AppContext;

// Moves the program to `game`: the data files become those of the game's
// folder (created on first use) and the program-wide state starts afresh, as a
// new start would. The other windows must be closed first. Returns why the
// game cannot be entered (its folder is untouched then), or an empty text.
std::string enterGame(AppContext& context, const Game& game);

// At start: the game of the data folder's own marker, else the game played
// last when its folder can be used. Returns a text to show, or an empty one;
// `fatal` is set when the data folder itself cannot be used.
std::string enterStartGame(AppContext& context, bool& fatal);

} // namespace velmorix
