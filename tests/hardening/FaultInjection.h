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

// The errno a failing step gets: a read-only folder refuses to create, a full
// device refuses to write, a failing disk refuses to sync, a folder that
// cannot be changed refuses renames and removals.
int faultErrno(FileStep step);

// Lets every step run and notes it.
class StepRecorder {
public:
    void install(DataDir& dir);
    const std::vector<FileCall>& calls() const { return m_calls; }

private:
    std::vector<FileCall> m_calls;
};

// Makes step number `index` (0-based, in the order the steps come) fail; a
// Write that fails has written half its data first (a device filling up).
class StepFailure {
public:
    explicit StepFailure(std::size_t index) : m_index(index) {}
    void install(DataDir& dir);
    // The step that failed, once it came.
    const std::optional<FileCall>& failed() const { return m_failed; }

private:
    std::size_t m_index;
    std::size_t m_seen = 0;
    std::optional<FileCall> m_failed;
};

// Every file of a data folder with its bytes.
using FolderSnapshot = std::map<std::string, std::vector<unsigned char>>;
FolderSnapshot snapshot(const TempDataDir& data);

// The names the program uses for its scratch copies; they may remain.
const std::set<std::string>& namedTemporaries();
// The data files of the program.
const std::set<std::string>& dataFileNames();

// The file a failing step is about: a temporary "X.new" stands for X.
std::string targetOf(const std::string& name);

// What differs between a folder before and after a failed operation, apart from
// what may change: the old list (a backup of the list as it was), the named
// temporaries, and `mayChange`. One line per difference; empty when none.
std::vector<std::string> folderDamage(const FolderSnapshot& before, const FolderSnapshot& after,
                                      const std::set<std::string>& mayChange = {});

} // namespace velmorix::test
