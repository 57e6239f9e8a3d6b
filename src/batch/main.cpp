#include "BatchCommand.h"

#include "analysis/ChaosReport.h"
#include "analysis/HitsCommand.h"
#include "analysis/ResultsImport.h"
#include "analysis/WriteListCommand.h"
#include "core/Clock.h"
#include "core/SystemFile.h"

#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    velmorix::sysfile::useBinaryStandardStreams();
    const std::vector<std::string> args = velmorix::sysfile::utf8Arguments(argc, argv);
    if (!args.empty() && args[0] == "write-list") {
        const velmorix::SystemClock clock;
        const auto outcome = velmorix::runWriteList(velmorix::DataDir(std::filesystem::current_path()), clock,
                                                    {args.begin() + 1, args.end()});
        for (const auto& message : outcome.messages)
            std::cerr << message << '\n';
        return outcome.exitCode;
    }
    if (!args.empty() && args[0] == "chaos-report") {
        const velmorix::SystemClock clock;
        const auto outcome = velmorix::chaosReportCommand(velmorix::DataDir(std::filesystem::current_path()),
                                                          clock, {args.begin() + 1, args.end()});
        for (const auto& message : outcome.messages)
            std::cerr << message << '\n';
        return outcome.exitCode;
    }
    if (!args.empty() && args[0] == "import") {
        const auto outcome = velmorix::resultsimport::runCommand(
            velmorix::DataDir(std::filesystem::current_path()), {args.begin() + 1, args.end()});
        std::cerr << outcome.message;
        return outcome.exitCode;
    }
    if (!args.empty() && args[0] == "hits") {
        const auto outcome = velmorix::hits::runCommand(velmorix::DataDir(std::filesystem::current_path()),
                                                        {args.begin() + 1, args.end()});
        std::cout << outcome.out << std::flush;
        std::cerr << outcome.err;
        return outcome.exitCode;
    }
    return velmorix::runBatch(args, std::filesystem::current_path(), std::cin, std::cout, std::cerr,
                              velmorix::sysfile::standardErrorIsTerminal());
}
