#include "HitsCommand.h"

#include "HitScan.h"

#include "core/FileError.h"
#include "core/Numbers.h"

namespace velmorix::hits {

namespace {

// Message boxes break lines with a carriage return; a terminal wants line feeds.
std::string plainLines(std::string text) {
    for (char& c : text)
        if (c == '\r')
            c = '\n';
    return text;
}

} // namespace

CommandOutput runCommand(const DataDir& dir, const std::vector<std::string>& args, const Game& game) {
    CommandOutput result;
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
        result.err = plainLines(e.userText()) + "\n";
        result.exitCode = 1;
    }
    return result;
}

} // namespace velmorix::hits
