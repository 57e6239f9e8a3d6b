#include "BatchCommand.h"

#include <filesystem>
#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return velmorix::runBatch(args, std::filesystem::current_path(), std::cin, std::cout, std::cerr,
                              ::isatty(STDERR_FILENO) == 1);
}
