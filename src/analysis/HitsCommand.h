#pragma once

#include "core/CommandOutcome.h"
#include "core/DataDir.h"
#include "core/Game.h"

#include <string>
#include <vector>

namespace velmorix::hits {

// `velmorix-batch hits B1 B2 B3 B4 B5 B6`: the report, exactly as the hit
// evaluation window holds it. `args` are the six balls after the word "hits",
// read as the window reads its cells, as balls of `game`. The played columns
// of `dir` are scanned; nothing is written.
CommandOutcome runCommand(const DataDir& dir, const std::vector<std::string>& args,
                          const Game& game = Game());

} // namespace velmorix::hits
