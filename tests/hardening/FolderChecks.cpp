#include "FolderChecks.h"

#include "core/ColumnFile.h"

#include <QRegularExpression>
#include <algorithm>

namespace velmorix::test {

namespace {

bool isColumnList(const std::string& name) {
    static const std::set<std::string> lists = {
        files::List,          files::Random,       files::Played,        files::Sextets,
        files::Results,       files::Zero,         files::OldList,       files::Temp,
        files::ListDelete,    files::RandomDelete, files::ResultsDelete, files::PlayedDelete,
        files::SextetsDelete, files::ZeroDelete,   files::ResultsCopy};
    return lists.count(name) != 0;
}

} // namespace

std::vector<std::string> folderProblems(const TempDataDir& data, const FolderSnapshot& planted) {
    std::vector<std::string> problems;
    for (const auto& name : data.fileNames()) {
        if (dataFileNames().count(name) == 0 && namedTemporaries().count(name) == 0) {
            problems.push_back("stray file " + name);
            continue;
        }
        if (!isColumnList(name))
            continue;
        const int64_t size = DataDir(data.path()).fileSize(name);
        if (size < 0 || size % static_cast<int64_t>(ColumnRecord::Size) == 0)
            continue;
        const auto bytes = data.readBytes(name);
        // A hand-made file nothing rewrote, or a byte-for-byte copy of one (the old list).
        const bool planted_ = std::any_of(planted.begin(), planted.end(),
                                          [&](const auto& file) { return file.second == bytes; });
        if (!planted_)
            problems.push_back(name + " holds " + std::to_string(size) + " bytes, not whole records");
    }
    return problems;
}

bool isSlowBuildQuestion(const QString& text) {
    static const QRegularExpression total(QStringLiteral("toplam sayısı: *([0-9]+)"));
    const auto m = total.match(text);
    if (m.hasMatch())
        return m.captured(1).toLongLong() > 20000;
    return text.contains(QStringLiteral("guruplamaya uyan yeni kombinasyon listesi")) ||
           text.contains(QStringLiteral("guruplamaya uygun yeni liste"));
}

} // namespace velmorix::test
