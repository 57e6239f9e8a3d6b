#include "FrmRndLst.h"

#include "analysis/RandomColumnList.h"

#include "analysis/ProgressGate.h"
#include "analysis/RandomColumnList.h"
#include "core/AppState.h"
#include "core/ColumnFile.h"
#include "core/ListUndo.h"
#include "core/Numbers.h"
#include "platform/Dialogs.h"
#include "windows/common/Text.h"
#include "windows/common/WindowRegistry.h"

#include <QResizeEvent>

namespace velmorix {

namespace {
QString versionTitle() {
    return QLatin1Char(' ') + programTitleLong();
}
} // namespace

FrmRndLst::FrmRndLst(AppContext& context, QWidget* parent)
    // A missing list is shown as an empty one: page 0 and no line.
    : PagedListWindow(
          context,
          {files::Random, designCaption(), QStringLiteral("Rastgele Kolon Listesi - Sayfa"), {}, {}, {}, {}},
          parent) {
    setObjectName(QStringLiteral("frmRndLst"));
}

QString FrmRndLst::designCaption() {
    return QStringLiteral(" RASTGELE KOLON LİSTESİ   [ F10= YARDIM ]");
}

void FrmRndLst::resizeEvent(QResizeEvent* event) {
    PagedListWindow::resizeEvent(event);
    firstShown() = 0;
    drawPage();
}

void FrmRndLst::commandKey(int key) {
    if (key != Qt::Key_F8 && key != Qt::Key_F11 && key != Qt::Key_F12)
        dialogs().beep();
    runKeyCommand(
        key,
        {{Qt::Key_F1, [this] { appendTo(files::Played, QStringLiteral("Oynanan Kolonlar Listesi")); }},
         {Qt::Key_F2, [this] { appendTo(files::Sextets, QStringLiteral("Yasak Kombinasyonlar Listesi")); }},
         {Qt::Key_F3, [this] { appendTo(files::List, QStringLiteral("Kombinasyon Listesi")); }},
         {Qt::Key_F4,
          [this] {
              if (listExists())
                  deleteListFile(programTitle(), false);
          }},
         {Qt::Key_F5, [this] { deleteOne(); }},
         {Qt::Key_F6, [this] { context().windows.open(WindowId::Rnd); }},
         {Qt::Key_F7, [this] { eliminateByChaos(); }},
         {Qt::Key_F8, [this] { saveAsCombinationList(); }},
         {Qt::Key_F9,
          [this] {
              if (listHasRecord())
                  context().windows.open(WindowId::RLPrint);
          }},
         {Qt::Key_F10, [this] { showHelp(); }}});
}

void FrmRndLst::appendTo(const std::string& destination, const QString& listWords) {
    if (!listHasRecord())
        return;
    appendListTo(destination,
                 QStringLiteral("Rastgele Kolon Listesi'ni ") + listWords +
                     QStringLiteral("'ne eklemek istiyormusunuz ?"),
                 programTitle(),
                 QStringLiteral("Rastgele Kolon Listesi ") + listWords + QStringLiteral("'ne eklendi."));
}

void FrmRndLst::deleteOne() {
    if (!listExists() || listCount() < 1)
        return;
    const int64_t k = askColumnNumber();
    if (k < 1 || k > listCount())
        return;
    if (guarded([&] { deleteColumn(static_cast<int32_t>(k), files::RandomDelete); }))
        firstShown() = static_cast<int32_t>(k - 1);
}

void FrmRndLst::eliminateByChaos() {
    if (listCount() < 1)
        return;
    if (!dialogs().askYesNo(
            QStringLiteral(
                "Rastgele Kolon Listesi'ni Varsayılan Kaos Filtreleri'ne göre elemek istiyormusunuz?"),
            versionTitle()))
        return;
    BusyCursor busy;
    ProgressGate gate;
    const int32_t count = listCount();
    ChaosPassProgress progress;
    bool writing = false;
    progress.judging = [&](int32_t record, int32_t kept) {
        const bool last = record == count;
        if (gate.due(last))
            showProgressTitle(QStringLiteral("Kayıt: ") + qtext(Str(record)) + QStringLiteral("  Uygun:") +
                                  qtext(Str(kept)),
                              last);
    };
    progress.writing = [&](int32_t written, int32_t kept) {
        if (!writing) {
            showProgressTitle(QStringLiteral("Kolonlar kayıtlanıyor..."), true);
            writing = true;
        }
        const bool last = written == kept;
        if (gate.due(last))
            showProgressTitle(QStringLiteral("Kayıtlanan=") + qtext(Str(written)) +
                                  QStringLiteral(" [ Toplam=") + qtext(Str(kept)) + QStringLiteral(" ]"),
                              last);
    };
    int32_t written = 0;
    if (!guarded([&] {
            written = eliminateRandomListByChaos(dir(), randomListChaosRule(), progress, state().game);
        }))
        return;
    dialogs().beep();
    dialogs().show(qtext(Str(written)) + QStringLiteral(" kolon 'VELMORIX.RND' dosyasına kayıtlandı."),
                   QLatin1Char(' ') + programTitle(), DialogIcon::None);
    setWindowTitle(QStringLiteral("RASTGELE KOLON LİSTESİ   [ F10= YARDIM ]"));
}

void FrmRndLst::saveAsCombinationList() {
    if (!listExists())
        return;
    if (!dialogs().askYesNo(QStringLiteral("Rastgele Kolon Listesi'ni (VELMORIX.RND) Kombinasyon Listesi "
                                           "(VELMORIX.LST) olarak kayıtlamak istiyormusunuz?"),
                            versionTitle()))
        return;
    const bool done = guarded([&] {
        const ListUndoPoint undo(dir(), "Rastgele listeyi liste olarak kayıtlama");
        if (dir().exists(files::List))
            copyFileSafe(dir(), files::List, files::OldList);
        copyFileSafe(dir(), files::Random, files::List);
    });
    if (!done)
        return;
    dialogs().beep();
    dialogs().show(qtext(Str(recordCount(dir(), files::List))) +
                       QStringLiteral(" kolon 'VELMORIX.LST' dosyasına kayıtlandı."),
                   versionTitle(), DialogIcon::None);
}

void FrmRndLst::showHelp() {
    showKeyHelp(listKeyHelp({
        QStringLiteral("F1= Rastgele Kolon Listesi'ni Oynanan Kolonlar Listesi'ne (VELMORIX.OKL'ye) ekle"),
        QStringLiteral("F2= Rastgele Kolon Listesi'ni Yasak Altılılar'a (VELMORIX.YSK'ye) ekle"),
        QStringLiteral("F3= Rastgele Kolon Listesi'ni Kombinasyon Listesi'ne (VELMORIX.LST'ye) ekle"),
        QStringLiteral("F4= Rastgele Kolon Listesi'ni sil (VELMORIX.RND)"),
        QStringLiteral("F5= Bir kolon sil"),
        QStringLiteral("F6= Rastgele Kolon Listesi Oluştur/Ekle"),
        QStringLiteral("F7= Rastgele Kolon Listesi'ni Varsayılan Kaos Filtreleri'ne göre ele"),
        QStringLiteral("F8= Rastgele Kolon Listesi'ni Kombinasyon Listesi (VELMORIX.LST) olarak kayıtla"),
        QStringLiteral("F9= Rastgele Kolon Listesi'ni bas (VELMORIX.TXT dosyasına yaz)"),
        QString(),
        QStringLiteral("F10 = Komut Tuşları (Yardım)"),
    }));
}

} // namespace velmorix
