#include "RunData.h"

#include "core/ColumnFile.h"
#include "core/FileError.h"

#include <cerrno>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <vector>

namespace velmorix {

namespace {

// The files a filter run reads, in the order of the stamps.
constexpr std::array<const char*, 4> RunFiles{files::Results, files::Played, files::Sextets, files::Pairs};

std::filesystem::path makeScratchFolder() {
    std::error_code ec;
    std::filesystem::path base = std::filesystem::temp_directory_path(ec);
    if (ec)
        base = "/tmp";
    std::string pattern = (base / "velmorix-run-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (::mkdtemp(name.data()) == nullptr)
        throw FileError(pattern, "geçici klasör oluşturulamadı", errno);
    return std::filesystem::path(name.data());
}

} // namespace

RunData::Stamps RunData::stampsOf(const DataDir& source) {
    Stamps stamps{};
    for (std::size_t i = 0; i < RunFiles.size(); ++i) {
        struct stat st {};
        if (::stat(source.path(RunFiles[i]).c_str(), &st) != 0 || !S_ISREG(st.st_mode))
            continue;
        stamps[i] = {true, static_cast<uint64_t>(st.st_ino), static_cast<int64_t>(st.st_size),
                     static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
                     static_cast<int64_t>(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec};
    }
    return stamps;
}

std::shared_ptr<const RunData> RunData::take(const DataDir& source) {
    std::shared_ptr<RunData> data(new RunData(DataDir(makeScratchFolder())));
    data->m_source = source.root();
    // Stamped before copying: a file replaced meanwhile shows up as changed next time.
    data->m_stamps = stampsOf(source);
    for (std::size_t i = 0; i < RunFiles.size(); ++i) {
        const std::string name = RunFiles[i];
        if (!data->m_stamps[i].exists)
            continue;
        std::error_code ec;
        std::filesystem::copy_file(source.path(name), data->m_dir.path(name), ec);
        if (ec == std::errc::no_such_file_or_directory)
            continue; // gone since it was stamped: a missing file
        if (ec)
            throw FileError(name, "okunamadı", ec.value());
        const bool pairs = name == files::Pairs;
        if (!pairs && recordCountForLength(data->m_dir.fileSize(name)) < 1)
            std::filesystem::remove(data->m_dir.path(name), ec);
    }
    return data;
}

RunData::~RunData() {
    std::error_code ec;
    std::filesystem::remove_all(m_dir.root(), ec);
}

bool RunData::current(const DataDir& source) const {
    return source.root() == m_source && stampsOf(source) == m_stamps;
}

RunContext RunData::prepare(FilterSelection& selection) const {
    return prepareRunContext(selection, m_dir);
}

} // namespace velmorix
