#include "FrmYasak6.h"

#include "analysis/EditorEntry.h"
#include "analysis/SextetReport.h"
#include "analysis/TextReportFile.h"
#include "core/ColumnFile.h"
#include "core/ListUndo.h"
#include "core/Numbers.h"
#include "platform/Dialogs.h"
#include "windows/common/PrintJob.h"

#include <QStringList>

namespace velmorix {

namespace {

const QString ListCaption = QStringLiteral("Yasak Altılılar [ F10= Yardım ]");

RecordEditorSetup setup() {
    return {.objectName = "frmYasak6",
            .fileName = files::Sextets,
            .deleteTempName = files::SextetsDelete,
            .caption = QStringLiteral("Yasak Kombinasyonlar"),
            .topLabel = QStringLiteral("[  F10 = Yardım  ]"),
            .listFrame = QStringLiteral("Yasak Kombinasyonlar Listesi"),
            .recordCaption = QStringLiteral("Yasak Altılılar... Kolon="),
            .newCaption = QStringLiteral("Yeni Kolon... Kayıt No="),
            .savedCaption = QStringLiteral("Kayıtlandı... Kayıt No="),
            .deleteAllQuestion =
                QStringLiteral("Yasak Altılılar ('VELMORIX.YSK') dosyasını silmek istiyormusunuz ?"),
            .ownKeys = {QStringLiteral("F1 = Yeni bir Yasak Altılı Ekle"),
                        QStringLiteral("F2 = Aktif Kolonu Kayıtla"), QStringLiteral("F3 = Aktif Kolonu Sil"),
                        QStringLiteral("F4 = Tüm Yasak Altılıları/Kombinasyonları Sil"), QString(),
                        QStringLiteral("F5 = Yasak Altılıları Kombinasyon Listesi Olarak Kayıtla"), QString(),
                        QStringLiteral("F8 = Yasak Altılıları VELMORIX.TXT Dosyasına Yaz"),
                        QStringLiteral("F9 = Yasak Altılıları Bas"), QString(),
                        QStringLiteral("F10 = Komut Yardımı")}};
}

} // namespace

FrmYasak6::FrmYasak6(AppContext& context, QWidget* parent) : RecordEditorWindow(context, setup(), parent) {
    loadFile();
}

bool FrmYasak6::mayAddRecord(int32_t count) {
    if (count < RecordLimit)
        return true;
    return continueInListWindow(QStringLiteral("Yasak Altılılar"), WindowId::Ysk6);
}

bool FrmYasak6::functionKey(int key) {
    return runKeyCommand(key, {{Qt::Key_F5, [this] { copyToCombinationList(); }},
                               {Qt::Key_F8, [this] { writeTextFile(); }},
                               {Qt::Key_F9, [this] { print(); }}});
}

// An empty sextets file would leave an empty combination list; like the
// sextets list window, the three copies need at least one sextet.
void FrmYasak6::copyToCombinationList() {
    dialogs().beep();
    refreshFile();
    if (recordCount() < 1)
        return;
    if (!dialogs().askYesNo(
            QStringLiteral("Yasak Altılıları Kombinasyon Listesi olarak kayıtlamak istiyormusunuz ?"),
            QStringLiteral(" ") + programTitle()))
        return;
    const bool ok = guarded([this] {
        // The list it replaces stays in VELMORIX.OLD, as before every replacement of the list.
        const ListUndoPoint undo(dir(), "Yasak altılıları liste olarak kayıtlama");
        if (dir().exists(files::List))
            copyFileSafe(dir(), files::List, files::OldList);
        copyFileSafe(dir(), files::Sextets, files::List);
    });
    if (ok)
        dialogs().show(
            QStringLiteral("'VELMORIX.YSK' dosyası kayıtları 'VELMORIX.LST' dosyasına kopyelendi."),
            programTitle(), DialogIcon::None);
}

void FrmYasak6::writeTextFile() {
    dialogs().beep();
    refreshFile();
    if (recordCount() < 1)
        return;
    showProgressTitle(QStringLiteral("Dosyaya yazılıyor..."), true);
    int64_t bytes = 0;
    const bool ok = guarded([&] {
        BusyCursor busy;
        bytes = writeSextetReport(dir(), context().clock, [this](int64_t written) {
            showProgressTitle(QStringLiteral("BYTE=") + withSign(written));
        });
    });
    setWindowTitle(ListCaption);
    if (ok)
        dialogs().show(withSign(bytes) + QStringLiteral(" byte \"VELMORIX.TXT\" dosyasına yazıldı."),
                       programTitle(), DialogIcon::None);
}

void FrmYasak6::print() {
    dialogs().beep();
    refreshFile();
    if (recordCount() < 1)
        return;
    if (!dialogs().askYesNo(QStringLiteral("Yasak Altılılar'ı printere bastırmak istiyormusunuz ?"),
                            programTitle()))
        return;
    PrintJob job(context().printer, dialogs(), 11);
    if (!job.started())
        return;
    guarded([&] {
        BusyCursor busy;
        forEachSextetReportLine(dir(), context().clock, true,
                                [&](const std::string& line) { job.line(QString::fromStdString(line)); });
    });
    job.finish();
}

} // namespace velmorix
