#include "FrmKuantLst.h"

#include "MethodParts.h"

#include "analysis/QuantumListFilter.h"
#include "core/AppState.h"
#include "core/ColumnFile.h"
#include "core/ListUndo.h"
#include "core/SafeFile.h"
#include "platform/Dialogs.h"

#include <QKeyEvent>
#include <set>

namespace velmorix {

using namespace methods;

namespace {

QString olderTitle() {
    return QString::fromUtf8(kProgramName) + QStringLiteral(" u4.2");
}
QString entryTitle() {
    return QStringLiteral("Kolon SİLME");
}

} // namespace

FrmKuantLst::FrmKuantLst(AppContext& context, QWidget* parent)
    : PagedListWindow(context,
                      {files::List, QStringLiteral(" KOMBİNASYON LİSTESİ  [ F10= YARDIM ]"),
                       QStringLiteral("Kombinasyon Listesi - Sayfa"),
                       QStringLiteral("Kombinasyon listesi dosyası 'VELMORIX.LST' bulunamadı!"), olderTitle(),
                       QStringLiteral("Kombinasyon listesi dosyası 'VELMORIX.LST' boş!"), olderTitle()},
                      parent),
      m_state(context.state) {
    setObjectName(QStringLiteral("frmKuantLst"));
}

int32_t FrmKuantLst::bracketValue(const ColumnRecord& column) const {
    return QuantumColumnTest(m_state.Quantum, m_state.game).kuantum(column.Ball);
}

void FrmKuantLst::commandKey(int key) {
    dialogs().beep();
    runKeyCommand(key, {{Qt::Key_F1, [this] { deleteCombinationListColumn(); }},
                        {Qt::Key_F2, [this] { eliminateByLimit(true); }},
                        {Qt::Key_F3, [this] { eliminateByLimit(false); }},
                        {Qt::Key_F4, [this] { eliminateByResults(); }},
                        {Qt::Key_F10, [this] { showHelp(); }}});
}

void FrmKuantLst::eliminateByLimit(bool minimum) {
    if (listCount() < 1)
        return;
    const QString prompt =
        minimum ? QStringLiteral(
                      "Minimum Kuantum değerini girin.\r(Kuantum değeri daha az olan kolonlar silinecek.)")
                : QStringLiteral(
                      "Maksimum Kuantum değerini girin.\r(Kuantum değeri daha çok olan kolonlar silinecek.)");
    const auto answer = dialogs().input(prompt, entryTitle(), QString());
    if (!answer)
        return;
    // A least value below 21 keeps every column; a greatest value below 21 would
    // empty the whole list, which no column's Kuantum can justify.
    const int64_t k = ValWhole(answer->toStdString());
    if (k < (minimum ? 1 : Game::kMinSum) || k > state().game.maxSum())
        return;
    dialogs().beep();
    if (minimum)
        runElimination([k](int q) { return q >= k; });
    else
        runElimination([k](int q) { return q <= k; });
}

void FrmKuantLst::eliminateByResults() {
    if (listCount() < 1)
        return;
    if (!dialogs().askYesNo(
            QStringLiteral("Kuantum değerleri seçilmiş sonuçlardan farklı olmayan kolonları silmek "
                           "istiyormusunuz?"),
            entryTitle()))
        return;
    // The values the quantum window measured for its results.
    const QuantumSettings& q = m_state.Quantum;
    std::set<int> measured;
    for (int r = q.ValuesFirst + 1; r <= q.ValuesLast && r < static_cast<int>(q.KuantumValues.size()); ++r)
        if (r >= 1 && q.KuantumValues[static_cast<std::size_t>(r)] != 0)
            measured.insert(q.KuantumValues[static_cast<std::size_t>(r)]);
    dialogs().beep();
    runElimination([measured](int value) { return measured.count(value) == 0; });
}

void FrmKuantLst::runElimination(const std::function<bool(int)>& survives) {
    BusyCursor busy;
    KuantumEliminationProgress progress;
    const int32_t count = listCount();
    progress.judging = [this, count](int32_t remaining, int32_t record) {
        showProgressTitle(QStringLiteral("FAZ 1 - Kolon :") + qtext(Str(remaining)) + QStringLiteral(" [") +
                              qtext(Str(record)) + QStringLiteral(" ]"),
                          record == count);
    };
    progress.writing = [this](int32_t written, int32_t remaining) {
        showProgressTitle(QStringLiteral("FAZ 2 - Kolon :") + qtext(Str(written)) + QStringLiteral(" [") +
                              qtext(Str(remaining)) + QStringLiteral(" ]"),
                          written == remaining);
    };
    const QuantumSettings settings = m_state.Quantum;
    if (!guarded([&] { eliminateByKuantum(dir(), settings, survives, progress, m_state.game); }))
        return;
    setWindowTitle(QStringLiteral("KOMBİNASYON LİSTESİ  [ F10= YARDIM ]"));
    // The page drawn next starts with the list's second column.
    firstShown() = 1;
}

void FrmKuantLst::showHelp() {
    const QStringList lines = listKeyHelp({
        QStringLiteral("F1= Bir kolon sil"),
        QStringLiteral("F2= Kombinasyon Listesi'ni Kuantum Alt Sınırı'na göre ele"),
        QStringLiteral("F3= Kombinasyon Listesi'ni Kuantum Üst Sınırı'na göre ele"),
        QStringLiteral("F4= Kombinasyon Listesi'ni sonuçlardan farklı Kuantum değerlerine göre ele"),
        QString(),
        QStringLiteral("F10= Fonksiyon Tuşları (Yardım)"),
    });
    dialogs().show(lines.join(QLatin1Char('\r')),
                   QStringLiteral(" Kombinasyon Listesi [ KUANTUM ] FONKSİYON TUŞLARI"), DialogIcon::None);
}

} // namespace velmorix
