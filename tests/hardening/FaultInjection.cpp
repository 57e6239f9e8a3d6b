#include "FaultInjection.h"

#include "core/ColumnFile.h"
#include "core/ListUndo.h"

#include <cerrno>
#include <memory>

namespace velmorix::test {

std::string describe(const FileCall& call) {
    static const char* const steps[] = {"Create", "Write", "Sync", "Rename", "Remove"};
    std::string s = std::string(steps[static_cast<int>(call.step)]) + " " + call.name;
    if (call.step == FileStep::Write)
        s += " @" + std::to_string(call.offset);
    return s;
}

int faultErrno(FileStep step) {
    switch (step) {
    case FileStep::Create:
        return EROFS;
    case FileStep::Write:
        return ENOSPC;
    case FileStep::Sync:
        return EIO;
    case FileStep::Rename:
        return EACCES;
    case FileStep::Remove:
        return EBUSY;
    }
    return EIO;
}

void StepRecorder::install(DataDir& dir) {
    dir.setFaultHook([this](FileStep step, const std::string& name, int64_t offset) {
        m_calls.push_back({step, name, offset});
        return 0;
    });
}

void StepFailure::install(DataDir& dir) {
    dir.setFaultHook([this](FileStep step, const std::string& name, int64_t offset) {
        if (m_seen++ != m_index)
            return 0;
        m_failed = FileCall{step, name, offset};
        return faultErrno(step);
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

std::string targetOf(const std::string& name) {
    const std::string suffix = ".new";
    if (name.size() > suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
        return name.substr(0, name.size() - suffix.size());
    return name;
}

std::vector<std::string> folderDamage(const FolderSnapshot& before, const FolderSnapshot& after,
                                      const std::set<std::string>& mayChange) {
    std::vector<std::string> damage;
    const auto free = [&](const std::string& name) {
        return namedTemporaries().count(name) != 0 || mayChange.count(name) != 0;
    };
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
