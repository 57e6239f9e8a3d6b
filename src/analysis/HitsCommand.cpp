#include "HitsCommand.h"

#include "HitScan.h"

#include "core/FileError.h"
#include "core/Numbers.h"

namespace velmorix::hits {

CommandOutcome runCommand(const DataDir& dir, const std::vector<std::string>& args, const Game& game) {
    CommandOutcome result;
    if (args.size() != 6) {
        result.err = "Kullanım: velmorix-batch hits B1 B2 B3 B4 B5 B6\n";
        result.exitCode = 2;
        return result;
    }
    std::array<int64_t, 6> balls{};
    for (std::size_t i = 0; i < balls.size(); ++i)
        balls[i] = ValWhole(args[i]);
    if (const auto bad = firstInvalidCell(balls, game)) {
        result.err = invalidCellMessage(*bad) + "\n";
        result.exitCode = 1;
        return result;
    }
    try {
        // No played column: the scan ends without a report, as in the window.
        result.out = scanPlayedColumns(dir, balls, {}, game).report;
    } catch (const FileError& e) {
        result.err = terminalLines(e.userText());
        result.exitCode = 1;
    }
    return result;
}

} // namespace velmorix::hits
