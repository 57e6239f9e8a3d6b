#include "DataDir.h"

#include "FileError.h"

#include <cerrno>
#include <system_error>

namespace velmorix {

DataDir::DataDir(std::filesystem::path root) : m_root(std::move(root)) {}

#ifndef _WIN32
namespace {
bool sameIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}
} // namespace
#endif

std::string DataDir::storedName(std::string_view name) const {
#ifdef _WIN32
    // Windows matches names without regard to letter case itself.
    return std::string(name);
#else
    std::error_code ec;
    if (std::filesystem::exists(std::filesystem::symlink_status(m_root / std::string(name), ec)))
        return std::string(name);
    std::string found;
    int matches = 0;
    for (auto it = std::filesystem::directory_iterator(m_root, ec);
         !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        if (sameIgnoringAsciiCase(entry, name)) {
            found = entry;
            ++matches;
        }
    }
    return matches == 1 ? found : std::string(name);
#endif
}

bool DataDir::exists(std::string_view name) const {
    return fileSize(name) >= 0;
}

int64_t DataDir::fileSize(std::string_view name) const {
    return sysfile::regularFileSize(path(name));
}

int DataDir::injectedFault(FileStep step, const std::string& name, int64_t offset) const {
    return m_faults ? (*m_faults)(step, name, offset) : 0;
}

void DataDir::remove(std::string_view name) const {
    const std::string n(name);
    if (int err = injectedFault(FileStep::Remove, n))
        throw FileError(n, "silinemedi", err);
    const int err = sysfile::remove(path(name));
    if (err != 0 && err != ENOENT)
        throw FileError(n, "silinemedi", err);
}

void DataDir::rename(std::string_view from, std::string_view to, std::string_view errorName) const {
    const std::string f(from);
    if (int err = injectedFault(FileStep::Rename, f))
        throw FileError(std::string(errorName), "yerine konamadı (" + f + ")", err);
    if (int err = sysfile::replace(path(from), path(to)))
        throw FileError(std::string(errorName), "yerine konamadı (" + f + ")", err);
}

} // namespace velmorix
