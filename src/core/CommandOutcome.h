#pragma once

#include <algorithm>
#include <string>

namespace velmorix {

// What a command of velmorix-batch leaves: its report for standard output, its
// messages for standard error (every line ends with '\n') and the exit code:
// 0 done, 1 refused or failed, 2 usage error.
struct CommandOutcome {
    std::string out;
    std::string err;
    int exitCode = 0;
};

// A message box's text as terminal lines: the box breaks lines with a carriage
// return, a terminal with a line feed.
inline std::string terminalLines(std::string text) {
    std::replace(text.begin(), text.end(), '\r', '\n');
    return text + '\n';
}

// An outcome that is one message on standard error.
inline CommandOutcome messageOutcome(int exitCode, std::string text) {
    return {{}, terminalLines(std::move(text)), exitCode};
}

} // namespace velmorix
