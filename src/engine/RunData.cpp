#include "RunData.h"

#include "core/ColumnFile.h"
#include "core/FileError.h"

#include <string>

namespace velmorix {

namespace {

// The files a filter run reads, in the order of the stamps.
constexpr std::array<const char*, 4> RunFiles{files::Results, files::Played, files::Sextets, files::Pairs};

std::filesystem::path makeScratchFolder() {
    int err = 0;
    std::filesystem::path folder = sysfile::makeTempFolder("velmorix-run", err);
    if (folder.empty())
        throw FileError("velmorix-run", "geçici klasör oluşturulamadı", err);
    return folder;
}

} // namespace

RunData::Stamps RunData::stampsOf(const DataDir& source) {
    Stamps stamps{};
    for (std::size_t i = 0; i < RunFiles.size(); ++i)
        stamps[i] = source.stamp(RunFiles[i]);
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
        if (!copyFileInto(source, name, data->m_dir))
            continue; // gone since it was stamped: a missing file
        const bool pairs = name == files::Pairs;
        if (!pairs && recordCountForLength(data->m_dir.fileSize(name)) < 1)
            data->m_dir.remove(name);
    }
    return data;
}

RunData::~RunData() {
    sysfile::removeFolder(m_dir.root());
}

bool RunData::current(const DataDir& source) const {
    return source.root() == m_source && stampsOf(source) == m_stamps;
}

RunContext RunData::prepare(FilterSelection& selection, const Game& game) const {
    return prepareRunContext(selection, m_dir, game);
}

} // namespace velmorix
