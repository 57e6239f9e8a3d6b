#pragma once

#include "core/DataDir.h"
#include "support/TempDataDir.h"

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace velmorix::test {

// One file-system step the program took, as the fault hook saw it.
struct FileCall {
    FileStep step;
    std::string name;
    int64_t offset = 0;
};
std::string describe(const FileCall& call);

// Notes every file-system step the program takes and makes step number
// `failing` (0-based, in the order the steps come) fail; a Write that fails
// has written half its data first (a device filling up).
class FileSteps {
public:
    explicit FileSteps(std::size_t failing = SIZE_MAX) : m_failing(failing) {}
    void install(DataDir& dir);
    const std::vector<FileCall>& calls() const { return m_calls; }
    // The step that failed, once it came.
    std::optional<FileCall> failed() const {
        return m_calls.size() > m_failing ? std::optional(m_calls[m_failing]) : std::nullopt;
    }

private:
    std::size_t m_failing;
    std::vector<FileCall> m_calls;
};

// Every file of a data folder with its bytes.
using FolderSnapshot = std::map<std::string, std::vector<unsigned char>>;
FolderSnapshot snapshot(const TempDataDir& data);

// The names the program uses for its scratch copies; they may remain.
const std::set<std::string>& namedTemporaries();
// The data files of the program.
const std::set<std::string>& dataFileNames();

// What differs between a folder before and after a failed operation, apart from
// the named temporaries (the old list among them: a backup of the list as it
// was). One line per difference; empty when none.
std::vector<std::string> folderDamage(const FolderSnapshot& before, const FolderSnapshot& after);

} // namespace velmorix::test
