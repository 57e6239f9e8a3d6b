#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace velmorix {

// velmorix-batch: the filter engine without windows, on the data files of
// `folder`, as a fresh run of the program would do it. `args` are the
// arguments after the program name. Returns the exit code: 0 done, 1 refused
// or failed, 2 usage error.
int runBatch(const std::vector<std::string>& args, const std::filesystem::path& folder, std::istream& in,
             std::ostream& out, std::ostream& err, bool errIsTerminal);

} // namespace velmorix
