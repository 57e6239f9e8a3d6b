// Taking back the last change of the combination list, and redoing it.
#include "FrmComLst.h"

#include "analysis/PreviousList.h"
#include "core/ColumnFile.h"
#include "core/Numbers.h"
#include "platform/Dialogs.h"
#include "windows/common/Text.h"

namespace velmorix {

namespace {

QString blankProgramTitle() {
    return QLatin1Char(' ') + programTitle();
}

QString columns(int32_t count) {
    return qnumber(count) + QStringLiteral(" kolon");
}

} // namespace

void FrmComLst::restorePreviousList() {
    dialogs().beep();
    if (!dir().exists(files::OldList)) {
        dialogs().show(QStringLiteral("Geri getirilecek önceki bir liste ('VELMORIX.OLD') yok !"),
                       blankProgramTitle(), DialogIcon::Exclamation);
        return;
    }
    const bool listThere = listExists();
    const QString question =
        listThere
            ? QStringLiteral("Kombinasyon Listesi'ni ('VELMORIX.LST') bir önceki hali ('VELMORIX.OLD') ile "
                             "değiştirmek istiyormusunuz ?\r\r(Şimdiki liste 'VELMORIX.OLD' olur; tekrar "
                             "CTRL+Z ile geri gelir.)")
            : QStringLiteral("Önceki Kombinasyon Listesi'ni ('VELMORIX.OLD') geri getirmek "
                             "istiyormusunuz ?");
    if (!dialogs().askYesNo(question, blankProgramTitle()))
        return;
    if (!guarded([this] { swapWithPreviousList(dir()); }))
        return;
    firstShown() = 0;
    if (listExists())
        drawPage();
    else
        clearPage();
    QString done =
        QStringLiteral("Kombinasyon Listesi ile önceki liste yer değiştirdi.\r\rKombinasyon Listesi:") +
        columns(recordCount(dir(), files::List));
    if (dir().exists(files::OldList))
        done +=
            QStringLiteral("\rÖnceki liste ('VELMORIX.OLD'):") + columns(recordCount(dir(), files::OldList));
    dialogs().show(done, blankProgramTitle(), DialogIcon::None);
}

} // namespace velmorix
