#include "FrmOKLst.h"

#include "core/AppState.h"
#include "core/ColumnFile.h"
#include "platform/Dialogs.h"
#include "windows/common/WindowRegistry.h"

namespace velmorix {

FrmOKLst::FrmOKLst(AppContext& context, QWidget* parent)
    : EditableListWindow(
          context,
          {files::Played, QStringLiteral("Oynanan Kolonlar  [ F10= Yardım ]"),
           QStringLiteral("Oynanan Kolonlar - Sayfa"),
           QStringLiteral("Oynanan Kolonlar dosyası 'VELMORIX.OKL' bulunamadı!"), programTitle(),
           QStringLiteral("Oynanan Kolonlar dosyası 'VELMORIX.OKL' boş!"), programTitle()},
          {QStringLiteral("Yeni Kolon"),
           QStringLiteral("Kolonda yer alacak 6 sayıyı aralarına virgül koyarak girin."),
           QStringLiteral("Oynanan Kolon Değişikliği"), QStringLiteral("kolon"), QStringLiteral("kolonunu"),
           QStringLiteral("Oynanan Kolonlar"), files::PlayedDelete},
          parent) {
    setObjectName(QStringLiteral("frmOKLst"));
}

int32_t& FrmOKLst::firstShown() {
    return state().RecNo;
}

void FrmOKLst::commandKey(int key) {
    if (key == Qt::Key_F5 || key == Qt::Key_F11 || key == Qt::Key_F12)
        return;
    dialogs().beep();
    runKeyCommand(key, {{Qt::Key_F1, [this] { newColumn(); }},
                        {Qt::Key_F2, [this] { changeColumn(); }},
                        {Qt::Key_F3, [this] { deleteOne(); }},
                        {Qt::Key_F4,
                         [this] {
                             if (listExists())
                                 deleteListFile(programTitle(), true);
                         }},
                        {Qt::Key_F6,
                         [this] {
                             // The generator opens the played columns itself.
                             state().PlayedFileNo = 0;
                             context().windows.open(WindowId::YS2Flt);
                         }},
                        {Qt::Key_F7, [this] { context().windows.open(WindowId::Scores); }},
                        {Qt::Key_F8,
                         [this] {
                             if (listHasRecord())
                                 appendListTo(
                                     files::Sextets,
                                     QStringLiteral("Oynanan Kolonlar Listesi'ni Yasak Kombinasyonlar "
                                                    "Listesi'ne eklemek istiyormusunuz ?"),
                                     programTitle(),
                                     QStringLiteral("Oynanan Kolonlar Yasak Altılılar Listesi'ne eklendi."));
                         }},
                        {Qt::Key_F9,
                         [this] {
                             if (listHasRecord()) {
                                 state().PlayedFileNo = 0;
                                 context().windows.open(WindowId::OKPrint);
                             }
                         }},
                        {Qt::Key_F10, [this] { showHelp(); }}});
}

void FrmOKLst::deleteOne() {
    if (deleteTypedColumn())
        firstShown() = listCount(); // the last page of the shorter list
}

void FrmOKLst::showHelp() {
    showKeyHelp(listKeyHelp({
        QStringLiteral("F1= Yeni kayıt yap"),
        QStringLiteral("F2= Aktif kayıtı değiştir"),
        QStringLiteral("F3= Bir kolon sil"),
        QStringLiteral("F4= Oynanan Kolonlar dosyasını (VELMORIX.OKL) sil"),
        QStringLiteral("F6= Otomatik Yasak İkililer Oluştur"),
        QStringLiteral("F7= Oynanan Kolonlar Listesi'nin isabet durumunu göster"),
        QStringLiteral("F8= Oynanan Kolonlar Listesi'ni Yasak Altılılar'a ekle"),
        QString(),
        QStringLiteral("F9= Oynanan Kolonlar Listesi'ni bas (VELMORIX.TXT dosyasına yaz)"),
        QString(),
        QStringLiteral("F10= Fonksiyon Tuşları (Yardım)"),
    }));
}

} // namespace velmorix
