#include "FrmYsk6.h"

#include "analysis/ProgressGate.h"
#include "analysis/SextetReport.h"
#include "analysis/TextReportFile.h"
#include "analysis/WriteListCommand.h"
#include "core/ColumnFile.h"
#include "core/ListUndo.h"
#include "core/Numbers.h"
#include "platform/Dialogs.h"
#include "windows/common/PrintJob.h"
#include "windows/common/Text.h"

namespace velmorix {

namespace {
constexpr int PrintFontSize = 11;
}

FrmYsk6::FrmYsk6(AppContext& context, QWidget* parent)
    : EditableListWindow(
          context,
          {files::Sextets, QStringLiteral("Yasak Altılılar [ F10= Yardım ]"),
           QStringLiteral("Yasak Altılılar - Sayfa"),
           QStringLiteral("Yasak Altılılar dosyası 'VELMORIX.YSK' bulunamadı!"), programTitle(),
           QStringLiteral("Yasak Altılılar dosyası 'VELMORIX.YSK' boş!"), programTitle()},
          {QStringLiteral("Yeni Yasak Altılı"),
           QStringLiteral("Kombinasyonda yer alacak 6 sayıyı aralarına virgül koyarak girin."),
           QStringLiteral("Yasak Altılı Değişikliği"), QStringLiteral("kombinasyon"),
           QStringLiteral("kombinasyonunu"), QStringLiteral("Yasak Altılılar"), files::SextetsDelete},
          parent) {
    setObjectName(QStringLiteral("frmYsk6"));
}

void FrmYsk6::commandKey(int key) {
    if (key == Qt::Key_F6 || key == Qt::Key_F7 || key == Qt::Key_F11 || key == Qt::Key_F12)
        return;
    dialogs().beep();
    // Each command on the list runs only when the list has a record.
    const auto onList = [this](void (FrmYsk6::*command)()) {
        return [this, command] {
            if (listHasRecord())
                (this->*command)();
        };
    };
    runKeyCommand(key, {{Qt::Key_F1, [this] { newColumn(); }},
                        {Qt::Key_F2, [this] { changeColumn(); }},
                        {Qt::Key_F3,
                         [this] {
                             if (const auto k = deleteTypedColumn())
                                 firstShown() = *k - 1; // the page starts with the column that followed
                         }},
                        {Qt::Key_F4,
                         [this] {
                             if (listExists())
                                 deleteListFile(programTitle(), true);
                         }},
                        {Qt::Key_F5, onList(&FrmYsk6::saveAsCombinationList)},
                        {Qt::Key_F8, onList(&FrmYsk6::writeText)},
                        {Qt::Key_F9, onList(&FrmYsk6::print)},
                        {Qt::Key_F10, [this] { showHelp(); }}});
}

void FrmYsk6::saveAsCombinationList() {
    dialogs().beep();
    if (!dialogs().askYesNo(
            QStringLiteral("Yasak Altılıları Kombinasyon Listesi olarak kayıtlamak istiyormusunuz ?"),
            QLatin1Char(' ') + programTitle()))
        return;
    const bool done = guarded([&] {
        // The replaced combination list is kept as the one backup generation.
        const ListUndoPoint undo(dir(), "Yasak altılıları liste olarak kayıtlama");
        if (dir().exists(files::List))
            copyFileSafe(dir(), files::List, files::OldList);
        copyFileSafe(dir(), files::Sextets, files::List);
    });
    if (done)
        dialogs().show(
            QStringLiteral("'VELMORIX.YSK' dosyası kayıtları 'VELMORIX.LST' dosyasına kopyelendi."),
            programTitle(), DialogIcon::None);
}

void FrmYsk6::writeText() {
    BusyCursor busy;
    showProgressTitle(QStringLiteral("Dosyaya yazılıyor..."), true);
    int64_t length = 0;
    ProgressGate gate;
    const bool done = guarded([&] {
        length = writeSextetReport(dir(), context().clock, [&](int64_t bytes) {
            if (gate.due())
                showProgressTitle(QStringLiteral("BYTE=") + qnumber(bytes));
        });
    });
    // The writing ran through every record: the page drawn next is the last one.
    firstShown() = listCount() + 1;
    setWindowTitle(QStringLiteral("Yasak Altılılar [ F10= Yardım ]"));
    if (done)
        dialogs().show(QString::fromStdString(bytesWrittenText(length)), programTitle(), DialogIcon::None);
}

void FrmYsk6::print() {
    if (!dialogs().askYesNo(QStringLiteral("Yasak Altılılar'ı printere bastırmak istiyormusunuz ?"),
                            programTitle()))
        return;
    firstShown() = listCount() + 1;
    PrintJob job(context().printer, dialogs(), PrintFontSize);
    if (!job.started())
        return;
    BusyCursor busy;
    guarded([&] {
        forEachSextetReportLine(dir(), context().clock, true,
                                [&](const std::string& line) { job.line(QString::fromStdString(line)); });
    });
    job.finish();
}

void FrmYsk6::showHelp() {
    showKeyHelp(listKeyHelp({
        QStringLiteral("F1= Yeni kayıt yap"),
        QStringLiteral("F2= Aktif kayıtı değiştir"),
        QStringLiteral("F3= Bir kolonu sil"),
        QStringLiteral("F4= Yasak Altılılar dosyasını sil"),
        QString(),
        QStringLiteral("F5= Yasak Altılılar'ı Kombinasyon Listesi (VELMORIX.LST) olarak kayıtla"),
        QString(),
        QStringLiteral("F8= Yasak Altılar listesini text dosyasına (VELMORIX.TXT'ye) aktar"),
        QStringLiteral("F9= Yasak Altılılar listesini bas"),
        QString(),
        QStringLiteral("F10= Fonksiyon Tuşları (Yardım)"),
    }));
}

} // namespace velmorix
