#include "ProgramStart.h"

#include "core/FileError.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTranslator>

#include <filesystem>
#include <system_error>

namespace velmorix {

bool installQtTranslations(QCoreApplication& app) {
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    auto* translator = new QTranslator(&app);
    // Qt's own folder first; a program copied with its libraries (Windows)
    // keeps them next to itself.
    for (const QString& folder : {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                                  QCoreApplication::applicationDirPath() + QStringLiteral("/translations")}) {
        if (translator->load(QStringLiteral("qtbase_tr"), folder))
            return QCoreApplication::installTranslator(translator);
    }
    delete translator;
    return false;
}

QString homeDataFolder() {
#ifdef Q_OS_WIN
    const QString base = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
#else
    const QString base = QDir::homePath();
#endif
    return QDir(base).filePath(QStringLiteral("VELMORIX"));
}

std::optional<QString> requestedDataFolder(const QStringList& args) {
    if (args.isEmpty()) {
#ifdef Q_OS_WIN
        return homeDataFolder();
#else
        return QDir::currentPath();
#endif
    }
    if (args.size() > 1)
        return std::nullopt;
    if (args[0] == QStringLiteral("--home"))
        return homeDataFolder();
    if (args[0].startsWith(QLatin1Char('-')))
        return std::nullopt;
    return args[0];
}

QString dataFolderUsageText() {
    return QStringLiteral("Kullanım: velmorix [--home | VERİ-KLASÖRÜ]\r\r"
                          "--home: kişisel veri klasörü (") +
           QDir::toNativeSeparators(homeDataFolder()) + QStringLiteral(")");
}

QString enterDataFolder(const QString& folder) {
    const std::filesystem::path path(folder.toStdU16String());
    const QString shown = QDir::toNativeSeparators(folder);
    auto failure = [&](const char* what, const std::error_code& ec) {
        return QStringLiteral("'") + shown + QStringLiteral("' ") + QString::fromUtf8(what) +
               QStringLiteral(" !\r(") + QString::fromStdString(systemReason(ec.value())) +
               QStringLiteral(")");
    };
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
    if (ec)
        return failure("veri klasörü oluşturulamadı", ec);
    std::filesystem::current_path(path, ec);
    if (ec)
        return failure("veri klasörüne girilemedi", ec);
    return {};
}

} // namespace velmorix

namespace velmorix {

namespace {
QSettings settingsStore() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("VELMORIX"),
                     QStringLiteral("Dizimci"));
}
} // namespace

int rememberedGameBalls() {
    bool ok = false;
    const int balls = settingsStore().value(QStringLiteral("game/balls")).toInt(&ok);
    return ok ? balls : 0;
}

void rememberGameBalls(int balls) {
    QSettings store = settingsStore();
    store.setValue(QStringLiteral("game/balls"), balls);
}

} // namespace velmorix
