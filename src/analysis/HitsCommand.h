#pragma once

#include "core/DataDir.h"
#include "core/Game.h"

#include <string>
#include <vector>

namespace velmorix::hits {

// What `velmorix-batch hits B1 B2 B3 B4 B5 B6` prints and returns.
struct CommandOutput {
    std::string out; // the report, exactly as the hit evaluation window holds it
    std::string err;
    int exitCode = 0; // 0 done, 1 refused or failed, 2 usage error
};

// `args` are the six balls after the word "hits", read as the window reads its
// cells, as balls of `game`. The played columns of `dir` are scanned; nothing
// is written.
CommandOutput runCommand(const DataDir& dir, const std::vector<std::string>& args, const Game& game = Game());

} // namespace velmorix::hits
