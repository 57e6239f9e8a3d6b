// Taking past draws into the results editor from a text or CSV file.
#include "FrmResults.h"

#include "analysis/ResultsImport.h"
#include "core/AppState.h"
#include "core/ColumnFile.h"
#include "core/Numbers.h"
#include "platform/Dialogs.h"
#include "windows/common/Text.h"
#include "windows/common/WindowParts.h"

#include <QFileInfo>
#include <QMenuBar>

namespace velmorix {

namespace {

QString blankTitle() {
    return QLatin1Char(' ') + programTitle();
}

} // namespace

void FrmResults::buildImportMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("Dosya"));
    menu->setObjectName(QStringLiteral("mnuFile"));
    QAction* import = addMenuEntry(menu, "mnuImport", QStringLiteral("Sonuçları metin/CSV dosyasından al..."),
                                   QKeySequence(Qt::CTRL | Qt::Key_I));
    connect(import, &QAction::triggered, this, &FrmResults::importResults);
}

void FrmResults::importResults() {
    dialogs().beep();
    refreshFile();
    if (!mayAddRecord(recordCount()))
        return;
    const auto path = dialogs().openFileName(QStringLiteral("Sonuçların Alınacağı Dosya"),
                                             QStringLiteral("Metin ve CSV dosyaları (*.txt *.csv);;"
                                                            "Tüm dosyalar (*)"));
    if (!path)
        return;
    resultsimport::Parsed parsed;
    if (!guarded([&] {
            parsed = resultsimport::parse(
                resultsimport::readTextFile(std::filesystem::path(path->toStdU16String())), state().game);
        }))
        return;
    if (parsed.draws.empty()) {
        dialogs().show(qtext(resultsimport::nothingValidText(parsed)), errorTitle(), DialogIcon::Exclamation);
        return;
    }

    const std::vector<ColumnRecord>& existing = file().records();
    bool skipRepeats = false;
    if (const int32_t repeats = resultsimport::countRepeats(parsed, existing); repeats > 0) {
        dialogs().beep();
        skipRepeats = dialogs().askYesNo(qtext(resultsimport::repeatsQuestion(repeats)), programTitle());
    }
    const resultsimport::Plan plan = resultsimport::plan(parsed, existing, skipRepeats);
    if (plan.added == 0) {
        dialogs().show(qtext(resultsimport::nothingNewText(parsed, plan)), blankTitle(), DialogIcon::None);
        return;
    }
    if (!dialogs().askYesNo(qtext(resultsimport::appendQuestion(plan)), programTitle()))
        return;

    int32_t count = 0;
    bool ok = false;
    {
        BusyCursor busy;
        ok = guarded([&] { count = resultsimport::save(dir(), plan); });
    }
    // Whatever happened, the editor shows the file as it is now; a new
    // record being typed stays new.
    refreshFile();
    if (!ok)
        return;
    if (!isNewRecord())
        lastRecord();
    dialogs().beep();
    dialogs().show(
        qtext(resultsimport::summaryText(QFileInfo(*path).fileName().toStdString(), parsed, plan, count)),
        blankTitle(), DialogIcon::None);
}

} // namespace velmorix
