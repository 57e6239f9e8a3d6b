// The program: the main window on the data files of its data folder (the
// working directory, a folder given, or the player's own with --home).
#include "core/AppState.h"
#include "core/Clock.h"
#include "core/DataDir.h"
#include "core/Program.h"
#include "core/Random.h"
#include "platform/ProgramStart.h"
#include "platform/QtDialogs.h"
#include "platform/QtPrinter.h"
#include "windows/AllWindows.h"
#include "windows/common/AppContext.h"
#include "windows/common/Fonts.h"
#include "windows/common/GameSwitch.h"
#include "windows/common/WindowRegistry.h"

#include <QApplication>
#include <QFont>
#include <QWidget>

#include <filesystem>

int main(int argc, char** argv) {
    using namespace velmorix;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(kProgramName));
    registerBundledFonts();
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    // The main window hides itself while the filters or grouping window is open;
    // the program ends when the main window closes, not when the last window does.
    QApplication::setQuitOnLastWindowClosed(false);

    installQtTranslations(app);
    QtDialogs dialogs;

    const std::optional<QString> folder = requestedDataFolder(QCoreApplication::arguments().mid(1));
    if (!folder) {
        dialogs.show(dataFolderUsageText(), errorTitle(), DialogIcon::Critical);
        return 2;
    }
    if (const QString error = enterDataFolder(*folder); !error.isEmpty()) {
        dialogs.show(error, errorTitle(), DialogIcon::Critical);
        return 1;
    }

    AppState state;
    DataDir dir(std::filesystem::current_path());
    QtPrinter printer;
    SystemClock clock;
    StdRandom random(clock.seed());
    WindowRegistry registry;
    AppContext context{state, dir, dialogs, printer, clock, random, registry};
    registry.setContext(&context);
    registerAllWindows(registry);

    bool fatal = false;
    if (const std::string why = enterStartGame(context, fatal); !why.empty()) {
        dialogs.show(QString::fromStdString(why), errorTitle(), DialogIcon::Critical);
        if (fatal)
            return 1;
    }

    QWidget* mainWindow = registry.open(WindowId::Loto);
    if (!mainWindow)
        return 1;
    QObject::connect(mainWindow, &QObject::destroyed, &app, [] { QCoreApplication::exit(0); });
    const int result = QApplication::exec();
    // Windows closed on the way out are deleted before the state they refer to.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return result;
}
