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

} // namespace

FrmOKList::FrmOKList(AppContext& context, QWidget* parent)
    : RecordEditorWindow(context,
                         {"frmOKList", files::Played, files::PlayedDelete,
                          qtext(context.state.game.tag()) + QStringLiteral(" Oynanan Kolonlar"),
                          programTitle() + QStringLiteral("  [ F10= Yardım ]"),
                          QStringLiteral("Oynanan Kolonlar Listesi  [ F10 = Yardım ]"),
                          QStringLiteral("Top Tekrar Sayıları")},
                         parent) {
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

QString FrmOKList::recordCaption(int32_t k) const {
    return QStringLiteral("Oynananlar...  Kolon=") + withSign(k);
}

QString FrmOKList::newCaption(int32_t k) const {
    return QStringLiteral("Yeni Kolon...   Kayıt No=") + withSign(k);
}

QString FrmOKList::savedCaption(int32_t k) const {
    return QStringLiteral("Kayıtlandı...  Kayıt No=") + withSign(k);
}

bool FrmOKList::mayAddRecord(int32_t count) {
    if (count < RecordLimit)
        return true;
    return continueInListWindow(QStringLiteral("Oynanan Kolonlar"), WindowId::OKLst);
}

QString FrmOKList::listLine(const ColumnRecord& rec) const {
    return QString::fromStdString(entry::listLine(rec, true));
}

QString FrmOKList::deleteAllQuestion() const {
    return QStringLiteral("Oynananlar ('VELMORIX.OKL') dosyasını silmek istiyormusunuz ?");
}

QString FrmOKList::helpText() const {
    return QStringList{
        QStringLiteral("F1 = Yeni bir Kolon Ekle"),
        QStringLiteral("F2 = Aktif Kolonu Kayıtla"),
        QStringLiteral("F3 = Aktif Kolonu Sil"),
        QStringLiteral("F4 = Tüm Kolonları Sil"),
        QStringLiteral("F5 = Oynanan Kolonların Tekrar Sayılarını Göster"),
        QStringLiteral("F6 = Oynanan Kolonlardan Yasak İkililer Oluştur"),
        QStringLiteral("F7 = Oynanan Kolonlar Listesi'nin İsabet Durumunu Göster"),
        QStringLiteral("F8 = Oynanan Kolonlar Listesi'ni Yasak Altılılar'a ekle"),
        QString(),
        QStringLiteral("F9 = Oynanan Kolonlar Listesi'ni Bas (VELMORIX.TXT dosyasına yazdır)"),
        QString(),
        QStringLiteral("F10 = Komut Yardımı"),
        QString(),
        QStringLiteral("HOME = İlk Kayıt"),
        QStringLiteral("PAGEUP = Önceki Kayıt"),
        QStringLiteral("PAGEDOWN = Sonraki Kayıt"),
        QStringLiteral("END = Son Kayıt"),
        QString(),
        QStringLiteral("ESC = Kapat"),
        QString(),
        QStringLiteral("NOT: Yeni bir kayıtı iptal etmek için, 'Sil' butonuna yada 'F3' tuşuna "
                       "basın...")}
        .join(QLatin1Char('\r'));
}

bool FrmOKList::functionKey(int key) {
    switch (key) {
    case Qt::Key_F5:
        refreshFile();
        if (recordCount() >= 1) {
            // The played columns as the source: the range dialog leads to their statistics.
            ResultsRequest::open(context(), ResultsSource::PlayedColumns, dialogmode::Repetitions);
        }
        return true;
    case Qt::Key_F6:
        dialogs().beep();
        context().windows.open(WindowId::YS2Flt);
        return true;
    case Qt::Key_F7:
        dialogs().beep();
        context().windows.open(WindowId::Scores);
        return true;
    case Qt::Key_F8:
        addToSextets();
        return true;
    case Qt::Key_F9:
        dialogs().beep();
        refreshFile();
        if (recordCount() >= 1)
            context().windows.open(WindowId::OKPrint);
        return true;
    default:
        return false;
    }
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
