#include "DataDir.h"

#include "FileError.h"

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>

namespace velmorix {

DataDir::DataDir(std::filesystem::path root) : m_root(std::move(root)) {}

bool DataDir::exists(std::string_view name) const {
    struct stat st {};
    return ::stat(path(name).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

int64_t DataDir::fileSize(std::string_view name) const {
    struct stat st {};
    if (::stat(path(name).c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return -1;
    return static_cast<int64_t>(st.st_size);
}

int DataDir::injectedFault(FileStep step, const std::string& name, int64_t offset) const {
    return m_faults ? (*m_faults)(step, name, offset) : 0;
}

void DataDir::remove(std::string_view name) const {
    const std::string n(name);
    if (int err = injectedFault(FileStep::Remove, n))
        throw FileError(n, "silinemedi", err);
    if (::remove(path(name).c_str()) != 0 && errno != ENOENT)
        throw FileError(n, "silinemedi", errno);
}

void DataDir::rename(std::string_view from, std::string_view to, std::string_view errorName) const {
    const std::string f(from);
    if (int err = injectedFault(FileStep::Rename, f))
        throw FileError(std::string(errorName), "yerine konamadı (" + f + ")", err);
    if (::rename(path(from).c_str(), path(to).c_str()) != 0)
        throw FileError(std::string(errorName), "yerine konamadı (" + f + ")", errno);
}

} // namespace velmorix
