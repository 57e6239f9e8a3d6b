#include "FrmComLst.h"

#include "analysis/ListEntryParsing.h"
#include "analysis/ProgressGate.h"
#include "core/AppState.h"
#include "core/ColumnFile.h"
#include "core/ListUndo.h"
#include "core/Numbers.h"
#include "platform/Dialogs.h"
#include "windows/common/ResultsRequest.h"
#include "windows/common/Text.h"
#include "windows/common/WindowRegistry.h"

#include <QKeyEvent>

namespace velmorix {

namespace {
QString randomizerTitle() {
    return QStringLiteral(" VELMORIX 2005 Randomizer");
}
QString blankProgramTitle() {
    return QLatin1Char(' ') + programTitle();
}
QString entryTitle() {
    return QStringLiteral("Kolon SİLME");
}
constexpr int32_t StatisticsLimit = 32767;
} // namespace

FrmComLst::FrmComLst(AppContext& context, QWidget* parent)
    : PagedListWindow(context,
                      {files::List, designCaption(), QStringLiteral("Kombinasyon Listesi - Sayfa"),
                       QStringLiteral("Kombinasyon listesi dosyası 'VELMORIX.LST' bulunamadı!"),
                       randomizerTitle(), QStringLiteral("Kombinasyon listesi dosyası 'VELMORIX.LST' boş!"),
                       randomizerTitle()},
                      parent) {
    setObjectName(QStringLiteral("frmComLst"));
}

QString FrmComLst::designCaption() {
    return QStringLiteral(" KOMBİNASYON LİSTESİ  [ F10= YARDIM ]");
}

bool FrmComLst::handleKey(QKeyEvent* event) {
    if (event->modifiers() == Qt::ControlModifier && event->key() == Qt::Key_Z) {
        undoLastChange();
        return true;
    }
    return PagedListWindow::handleKey(event);
}

void FrmComLst::commandKey(int key) {
    // Every command but the statistics and catch-the-zero keys starts with a beep.
    if (key != Qt::Key_F11 && key != Qt::Key_F12)
        dialogs().beep();
    runKeyCommand(
        key,
        {{Qt::Key_F1,
          [this] {
              if (listHasRecord())
                  appendListTo(
                      files::Played,
                      QStringLiteral(
                          "Kombinasyon Listesi'ni Oynanan Kolonlar Listesi'ne eklemek istiyormusunuz ?"),
                      randomizerTitle(),
                      QStringLiteral("Kombinasyon Listesi Oynanan Kolonlar Listesi'ne eklendi."));
          }},
         {Qt::Key_F2,
          [this] {
              if (listHasRecord())
                  appendListTo(
                      files::Sextets,
                      QStringLiteral(
                          "Kombinasyon Listesi'ni Yasak Kombinasyonlar Listesi'ne eklemek istiyormusunuz ?"),
                      randomizerTitle(),
                      QStringLiteral("Kombinasyon Listesi Yasak Kombinasyonlar Listesi'ne eklendi."));
          }},
         {Qt::Key_F3, [this] { deleteCombinationListColumn(); }},
         {Qt::Key_F4,
          [this] {
              if (listExists())
                  deleteListFile(randomizerTitle(), true);
          }},
         {Qt::Key_F5, [this] { eliminateByNumbers(false); }},
         {Qt::Key_F6, [this] { eliminateByNumbers(true); }},
         {Qt::Key_F7, [this] { eliminateByUnwantedPair(); }},
         {Qt::Key_F8, [this] { eliminateByPairs(); }},
         {Qt::Key_F9,
          [this] {
              if (listHasRecord())
                  context().windows.open(WindowId::CLPrint);
          }},
         {Qt::Key_F10, [this] { showHelp(); }},
         {Qt::Key_F11, [this] { showStatistics(); }},
         {Qt::Key_F12, [this] { context().windows.open(WindowId::Zero); }}});
}

void FrmComLst::eliminateByNumbers(bool wanted) {
    if (listCount() < 1)
        return;
    const QString prompt =
        wanted ? QStringLiteral("İstediğiniz sayıları (aralarına virgül koyarak) girin.\r(Herhangi biri olan "
                                "kolonlar seçilecek.)")
               : QStringLiteral("İstemediğiniz sayıları (aralarına virgül koyarak) girin.");
    const auto answer = dialogs().input(prompt, entryTitle(), QString());
    if (!answer)
        return;
    const auto balls = parseBallEntry(answer->toStdString(), state().game);
    if (!balls)
        return;
    const QString list = qtext(ballListText(*balls));
    const bool several = entryBallCount(*balls) >= 2;
    QString question = QStringLiteral("'") + list;
    if (!wanted)
        question += several
                        ? QStringLiteral("' numaralı topların yer aldığı kolonları silmek istiyormusunuz?")
                        : QStringLiteral("' numaralı topun yer aldığı kolonları silmek istiyormusunuz?");
    else
        question += several
                        ? QStringLiteral(
                              "' numaralı topların hiç birinin yer almadığı kolonları silmek istiyormusunuz?")
                        : QStringLiteral("' numaralı topun yer almadığı kolonları silmek istiyormusunuz?");
    dialogs().beep();
    if (!dialogs().askYesNo(question, blankProgramTitle()))
        return;
    const std::string named = " ('" + ballListText(*balls) + "')";
    if (wanted)
        runElimination("İstenen sayılara göre eleme" + named, holdsAnyOf(*balls, state().game),
                       QStringLiteral("FAZ 1 - Kolon :"), QStringLiteral("FAZ 2 - Kolon :"));
    else
        runElimination("İstenmeyen sayılara göre eleme" + named, holdsNoneOf(*balls, state().game),
                       QStringLiteral("FAZ 1 - Kolon :"), QStringLiteral("Faz 2 - Kolon :"));
}

void FrmComLst::eliminateByUnwantedPair() {
    if (listCount() < 1)
        return;
    const auto answer = dialogs().input(
        QStringLiteral("İstemediğiniz ikiliyi (sayıların arasına tire/eksi işareti koyarak) girin."),
        entryTitle(), QString());
    if (!answer)
        return;
    const auto pair = parseUnwantedPair(answer->toStdString(), state().game);
    if (!pair)
        return;
    dialogs().beep();
    if (!dialogs().askYesNo(
            QStringLiteral("'") + qtext(pair->shown) +
                QStringLiteral("' numaralı topların (ikisinin de) yer aldığı kolonları silmek "
                               "istiyormusunuz?"),
            blankProgramTitle()))
        return;
    runElimination("İstenmeyen ikiliye göre eleme ('" + pair->shown + "')",
                   holdsAtMostOneOf(pair->balls, state().game), QStringLiteral("FAZ 1 - Kolon :"),
                   QStringLiteral("Faz 2 - Kolon :"));
}

void FrmComLst::eliminateByPairs() {
    if (listCount() < 1)
        return;
    const bool automatic = dialogs().askYesNo(
        QStringLiteral("Kombinasyon Listesi'ni zorunlu ikili farklarına göre otomatik olarak elemek "
                       "istiyormusunuz ?\r\r(Hayır: istediğiniz ikililere göre elenir.)"),
        blankProgramTitle());
    if (automatic)
        runElimination(
            "Zorunlu ikili farklarına göre eleme",
            [game = state().game](const ColumnRecord& c) { return passesPairDifferences(c, game); },
            QStringLiteral("OiFE FAZ 1 - Kolon :"), QStringLiteral("OiFE Faz 2 - Kolon :"));
    else
        eliminateByWantedPairs();
}

void FrmComLst::eliminateByWantedPairs() {
    const auto answer = dialogs().input(
        QStringLiteral(
            "En az birinin her bir kombinasyon içinde yer almasını istediğiniz ikililerin sayılarının "
            "arasına tire/eksi koyarak ve ikililerin aralarına virgül koyarak girin."),
        entryTitle(), QString());
    if (!answer)
        return;
    const auto pairs = parseWantedPairs(answer->toStdString(), state().game);
    if (!pairs)
        return;
    dialogs().beep();
    if (!dialogs().askYesNo(
            QStringLiteral("'") + qtext(pairs->shown) +
                QStringLiteral("'  ikililerinin hiç bulunmadığı kolonları silmek istiyormusunuz?"),
            blankProgramTitle()))
        return;
    runElimination("İstenen ikililere göre eleme ('" + pairs->shown + "')",
                   holdsAnyPair(pairs->marks, state().game), QStringLiteral("FAZ 1 - Kolon :"),
                   QStringLiteral("Faz 2 - Kolon :"));
}

void FrmComLst::runElimination(const std::string& undoName, const ColumnTest& survives, const QString& phase1,
                               const QString& phase2) {
    BusyCursor busy;
    ProgressGate gate;
    const int32_t count = listCount();
    EliminationProgress progress;
    progress.judging = [&](int32_t remaining, int32_t position) {
        const bool last = position == count;
        if (gate.due(last))
            showProgressTitle(phase1 + qtext(Str(remaining)) + QStringLiteral(" [") + qtext(Str(position)) +
                                  QStringLiteral(" ]"),
                              last);
    };
    progress.writing = [&](int32_t written, int32_t remaining) {
        const bool last = written == remaining;
        if (gate.due(last))
            showProgressTitle(phase2 + qtext(Str(written)) + QStringLiteral(" [") + qtext(Str(remaining)) +
                                  QStringLiteral(" ]"),
                              last);
    };
    if (!guarded([&] {
            const ListUndoPoint undo(dir(), undoName);
            eliminateWithBackup(dir(), files::List, survives, progress);
        }))
        return;
    setWindowTitle(QStringLiteral("KOMBİNASYON LİSTESİ  [ F10= YARDIM ]"));
    // The page drawn next starts with the list's second column.
    firstShown() = 1;
}

void FrmComLst::showStatistics() {
    if (!listExists())
        return;
    const int32_t count = listCount();
    if (count < 1)
        return;
    if (count <= StatisticsLimit) {
        ResultsRequest::open(context(), ResultsSource::CombinationList);
        return;
    }
    dialogs().beep();
    dialogs().show(QStringLiteral("32767 kolondan daha çok kolon içeren kombinasyon listesinin tekrarlanma "
                                  "sayıları hesaplanmıyor !"),
                   blankProgramTitle(), DialogIcon::Exclamation);
}

void FrmComLst::showHelp() {
    showKeyHelp(listKeyHelp(
        {
            QStringLiteral("F1= Kombinasyon Listesi'ni Oynanan Kolonlar'a ekle"),
            QStringLiteral("F2= Kombinasyon Listesi'ni Yasak Altılılar'a ekle"),
            QStringLiteral("F3= Bir kolon sil"),
            QStringLiteral("F4= Kombinasyon Listesi'ni sil"),
            QStringLiteral("F5= Kombinasyon Listesi'ni istenmeyen sayılar girişine göre ele"),
            QStringLiteral("F6= Kombinasyon Listesi'ni istenen sayılar girişine göre ele"),
            QStringLiteral("F7= Kombinasyon Listesi'ni istenmeyen ikililer girişine göre ele"),
            QStringLiteral("F8= Kombinasyon Listesi'ni otomatik veya istenen ikililere göre ele"),
            QString(),
            QStringLiteral("F9= Kombinasyon Listesi'ni bas (Text yap)"),
            QString(),
            QStringLiteral("F10= Fonksiyon Tuşları (Yardım)"),
            QString(),
            QStringLiteral("F11= Topların Tekrar Sayıları ve İstatistikler"),
            QStringLiteral("F12= 'Sıfırı Yakala' yöntemine geç"),
        },
        {QStringLiteral("CTRL+Z= Kombinasyon Listesi'ndeki son değişikliği geri al (tekrar: yinele)")}));
}

} // namespace velmorix
