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

// What a subcommand leaves: its report for standard output, its messages for
// standard error, and the exit code.
struct Outcome {
    std::string out;
    std::string err;
    int exitCode = 0;
};

template <class MessagesOutcome> Outcome fromMessages(const MessagesOutcome& o) {
    Outcome outcome{{}, {}, o.exitCode};
    for (const auto& message : o.messages)
        outcome.err += message + '\n';
    return outcome;
}

struct Subcommand {
    std::string_view name;
    Outcome (*run)(const DataDir& dir, const Args& args);
};

const Subcommand Subcommands[] = {
    {"write-list",
     [](const DataDir& dir, const Args& args) {
         const velmorix::SystemClock clock;
         return fromMessages(velmorix::runWriteList(dir, clock, args));
     }},
    {"chaos-report",
     [](const DataDir& dir, const Args& args) {
         const velmorix::SystemClock clock;
         return fromMessages(velmorix::chaosReportCommand(dir, clock, args));
     }},
    {"import",
     [](const DataDir& dir, const Args& args) {
         auto o = velmorix::resultsimport::runCommand(dir, args);
         return Outcome{{}, std::move(o.message), o.exitCode};
     }},
    {"hits",
     [](const DataDir& dir, const Args& args) {
         auto o = velmorix::hits::runCommand(dir, args);
         return Outcome{std::move(o.out), std::move(o.err), o.exitCode};
     }},
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
        if (velmorix::readFolderGame(dir).damaged) {
            std::cerr << velmorix::damagedMarkerText() << '\n';
            return 1;
        }
        const Outcome outcome = command.run(dir, Args(args.begin() + 1, args.end()));
        std::cout << outcome.out << std::flush;
        std::cerr << outcome.err;
        return outcome.exitCode;
    }
    // The engine's own commands: build, filter, evaluate.
    return velmorix::runBatch(args, std::filesystem::current_path(), std::cin, std::cout, std::cerr,
                              velmorix::sysfile::standardErrorIsTerminal());
}
