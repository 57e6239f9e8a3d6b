#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "SystemFile.h"

namespace velmorix {

// A file-system step that a test may make fail (disks fill up, folders turn
// read-only, renames are refused; root ignores permissions, so tests need this).
enum class FileStep { Create, Write, Sync, Rename, Remove };

// Returns 0 to let the step run, or an errno value to make it fail. For Write,
// `offset` is the byte position the write would reach.
using FaultHook = std::function<int(FileStep step, const std::string& name, int64_t offset)>;

// The folder that holds every data file; files are opened by their bare names
// (UTF-8). A file copied from another system may differ in letter case
// (`velmorix.dat`); it is found and kept under its own name, while a file with
// the exact name always wins.
class DataDir {
public:
    explicit DataDir(std::filesystem::path root);

    const std::filesystem::path& root() const { return m_root; }
    std::filesystem::path path(std::string_view name) const {
        return m_root / sysfile::fromUtf8(storedName(name));
    }
    // The name the file has in the folder: `name`, or when no entry has that
    // name, the only one that differs from it just in letter case.
    std::string storedName(std::string_view name) const;

    bool exists(std::string_view name) const;
    // Length in bytes, or -1 when the file is missing.
    int64_t fileSize(std::string_view name) const;
    // Removes the file; a missing file is no error. Throws FileError.
    void remove(std::string_view name) const;
    // Renames `from` over `to`. Throws FileError naming `errorName`.
    void rename(std::string_view from, std::string_view to, std::string_view errorName) const;
    // Identity and change times; `exists` is false for a missing file.
    sysfile::Stamp stamp(std::string_view name) const { return sysfile::stampOf(path(name)); }

    void setFaultHook(FaultHook hook) { m_faults = std::make_shared<FaultHook>(std::move(hook)); }
    // 0, or the errno a test wants this step to fail with.
    int injectedFault(FileStep step, const std::string& name, int64_t offset = 0) const;

private:
    std::filesystem::path m_root;
    std::shared_ptr<FaultHook> m_faults;
};

} // namespace velmorix
