#include "BatchCommand.h"

#include "analysis/ChaosReport.h"
#include "analysis/HitsCommand.h"
#include "analysis/ResultsImport.h"
#include "analysis/WriteListCommand.h"
#include "core/Clock.h"
#include "core/GameFolder.h"
#include "core/SystemFile.h"

#include <filesystem>
#include <iostream>
#include <string_view>

namespace {

using velmorix::DataDir;
using Args = std::vector<std::string>;

struct Subcommand {
    std::string_view name;
    // `game` is the folder's game, read from its marker.
    velmorix::CommandOutcome (*run)(const DataDir& dir, const velmorix::Game& game, const Args& args);
};

const Subcommand Subcommands[] = {
    {"write-list",
     [](const DataDir& dir, const velmorix::Game&, const Args& args) {
         return velmorix::runWriteList(dir, velmorix::SystemClock(), args);
     }},
    {"chaos-report",
     [](const DataDir& dir, const velmorix::Game& game, const Args& args) {
         return velmorix::chaosReportCommand(dir, velmorix::SystemClock(), args, game);
     }},
    {"import", [](const DataDir& dir, const velmorix::Game& game,
                  const Args& args) { return velmorix::resultsimport::runCommand(dir, args, game); }},
    {"hits", [](const DataDir& dir, const velmorix::Game& game,
                const Args& args) { return velmorix::hits::runCommand(dir, args, game); }},
};

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    velmorix::sysfile::useBinaryStandardStreams();
    const Args args = velmorix::sysfile::utf8Arguments(argc, argv);
    for (const Subcommand& command : Subcommands) {
        if (args.empty() || args[0] != command.name)
            continue;
        const DataDir dir(std::filesystem::current_path());
        // A damaged marker stops everything before any other file is opened.
        const velmorix::FolderGame folder = velmorix::readFolderGame(dir);
        if (folder.damaged) {
            std::cerr << velmorix::damagedMarkerText() << '\n';
            return 1;
        }
        const velmorix::CommandOutcome outcome =
            command.run(dir, folder.game, Args(args.begin() + 1, args.end()));
        std::cout << outcome.out << std::flush;
        std::cerr << outcome.err;
        return outcome.exitCode;
    }
    // The engine's own commands: build, filter, evaluate.
    return velmorix::runBatch(args, std::filesystem::current_path(), std::cin, std::cout, std::cerr,
                              velmorix::sysfile::standardErrorIsTerminal());
}
