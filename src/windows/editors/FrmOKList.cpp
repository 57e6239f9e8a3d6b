#include "FrmOKList.h"

#include "analysis/EditorEntry.h"
#include "core/AppState.h"
#include "core/ColumnFile.h"
#include "core/Numbers.h"
#include "platform/Dialogs.h"
#include "windows/common/ResultsRequest.h"
#include "windows/common/Text.h"
#include "windows/common/WindowRegistry.h"

#include <QStringList>

namespace velmorix {

namespace {

// PlayedFileNo while this editor is open: the dialogs it opens know that the
// editor has the played columns and read them from the file it keeps current.
constexpr int16_t EditorHasPlayedFile = 1;

RecordEditorSetup setup(const Game& game) {
    return {
        .objectName = "frmOKList",
        .fileName = files::Played,
        .deleteTempName = files::PlayedDelete,
        .caption = qtext(game.tag()) + QStringLiteral(" Oynanan Kolonlar"),
        .topLabel = programTitle() + QStringLiteral("  [ F10= Yardım ]"),
        .listFrame = QStringLiteral("Oynanan Kolonlar Listesi  [ F10 = Yardım ]"),
        .command8ToolTip = QStringLiteral("Top Tekrar Sayıları"),
        .recordCaption = QStringLiteral("Oynananlar...  Kolon="),
        .newCaption = QStringLiteral("Yeni Kolon...   Kayıt No="),
        .savedCaption = QStringLiteral("Kayıtlandı...  Kayıt No="),
        .sortsOnSave = true,
        .listsSums = true,
        .deleteAllQuestion = QStringLiteral("Oynananlar ('VELMORIX.OKL') dosyasını silmek istiyormusunuz ?"),
        .ownKeys = {QStringLiteral("F1 = Yeni bir Kolon Ekle"), QStringLiteral("F2 = Aktif Kolonu Kayıtla"),
                    QStringLiteral("F3 = Aktif Kolonu Sil"), QStringLiteral("F4 = Tüm Kolonları Sil"),
                    QStringLiteral("F5 = Oynanan Kolonların Tekrar Sayılarını Göster"),
                    QStringLiteral("F6 = Oynanan Kolonlardan Yasak İkililer Oluştur"),
                    QStringLiteral("F7 = Oynanan Kolonlar Listesi'nin İsabet Durumunu Göster"),
                    QStringLiteral("F8 = Oynanan Kolonlar Listesi'ni Yasak Altılılar'a ekle"), QString(),
                    QStringLiteral("F9 = Oynanan Kolonlar Listesi'ni Bas (VELMORIX.TXT dosyasına yazdır)"),
                    QString(), QStringLiteral("F10 = Komut Yardımı")}};
}

} // namespace

FrmOKList::FrmOKList(AppContext& context, QWidget* parent)
    : RecordEditorWindow(context, setup(context.state.game), parent) {
    state().PlayedFileNo = EditorHasPlayedFile;
    loadFile();
}

FrmOKList::~FrmOKList() {
    state().PlayedFileNo = 0;
}

void FrmOKList::onActivated() {
    state().PlayedFileNo = EditorHasPlayedFile;
    RecordEditorWindow::onActivated();
}

bool FrmOKList::mayAddRecord(int32_t count) {
    if (count < RecordLimit)
        return true;
    return continueInListWindow(QStringLiteral("Oynanan Kolonlar"), WindowId::OKLst);
}

bool FrmOKList::functionKey(int key) {
    return runKeyCommand(key, {{Qt::Key_F5,
                                [this] {
                                    refreshFile();
                                    // The played columns as the source: the range dialog leads to their
                                    // statistics.
                                    if (recordCount() >= 1)
                                        ResultsRequest::open(context(), ResultsSource::PlayedColumns,
                                                             dialogmode::Repetitions);
                                }},
                               {Qt::Key_F6, [this] { beepAndOpen(WindowId::YS2Flt); }},
                               {Qt::Key_F7, [this] { beepAndOpen(WindowId::Scores); }},
                               {Qt::Key_F8, [this] { addToSextets(); }},
                               {Qt::Key_F9, [this] { openPrintDialog(WindowId::OKPrint); }}});
}

void FrmOKList::addToSextets() {
    dialogs().beep();
    refreshFile();
    if (recordCount() < 1)
        return;
    if (!dialogs().askYesNo(
            QStringLiteral(
                "Oynanan Kolonlar Listesi'ni Yasak Kombinasyonlar Listesi'ne eklemek istiyormusunuz ?"),
            programTitle()))
        return;
    if (guarded([this] { appendList(dir(), files::Played, files::Sextets); }))
        dialogs().show(QStringLiteral("Oynanan Kolonlar Yasak Altılılar Listesi'ne eklendi."), programTitle(),
                       DialogIcon::None);
}

} // namespace velmorix
