#include "FaultInjection.h"

#include "core/ColumnFile.h"
#include "core/ListUndo.h"

#include <cerrno>

namespace velmorix::test {

std::string describe(const FileCall& call) {
    static const char* const steps[] = {"Create", "Write", "Sync", "Rename", "Remove"};
    const std::string at = call.step == FileStep::Write ? " @" + std::to_string(call.offset) : "";
    return steps[static_cast<int>(call.step)] + (" " + call.name) + at;
}

namespace {

// The errno a failing step gets: a read-only folder refuses to create, a full
// device refuses to write, a failing disk refuses to sync, a folder that
// cannot be changed refuses renames and removals.
int faultErrno(FileStep step) {
    static const int errors[] = {EROFS, ENOSPC, EIO, EACCES, EBUSY};
    return errors[static_cast<int>(step)];
}

} // namespace

void FileSteps::install(DataDir& dir) {
    dir.setFaultHook([this](FileStep step, const std::string& name, int64_t offset) {
        m_calls.push_back({step, name, offset});
        return m_calls.size() - 1 == m_failing ? faultErrno(step) : 0;
    });
}

FolderSnapshot snapshot(const TempDataDir& data) {
    FolderSnapshot s;
    for (const auto& name : data.fileNames())
        s[name] = data.readBytes(name);
    return s;
}

const std::set<std::string>& namedTemporaries() {
    static const std::set<std::string> names = {
        files::OldList,       files::Temp,         files::ListDelete,    files::RandomDelete,
        files::ResultsDelete, files::PlayedDelete, files::SextetsDelete, files::ZeroDelete,
        files::ResultsCopy,   files::UndoList,     files::UndoName,      files::UndoPending,
        files::UndoSwap};
    return names;
}

const std::set<std::string>& dataFileNames() {
    static const std::set<std::string> names = {
        files::List,  files::Random,    files::Played, files::Sextets, files::Results, files::Zero,
        files::Balls, files::Selection, files::Pairs,  files::Groups,  files::Text};
    return names;
}

std::vector<std::string> folderDamage(const FolderSnapshot& before, const FolderSnapshot& after) {
    std::vector<std::string> damage;
    const auto free = [](const std::string& name) { return namedTemporaries().count(name) != 0; };
    for (const auto& [name, bytes] : before) {
        if (free(name))
            continue;
        const auto it = after.find(name);
        if (it == after.end())
            damage.push_back(name + " is gone");
        else if (it->second != bytes)
            damage.push_back(name + " changed (" + std::to_string(bytes.size()) + " -> " +
                             std::to_string(it->second.size()) + " bytes)");
    }
    for (const auto& [name, bytes] : after)
        if (before.count(name) == 0 && !free(name))
            damage.push_back(name + " appeared (" + std::to_string(bytes.size()) + " bytes)");
    return damage;
}

} // namespace velmorix::test
