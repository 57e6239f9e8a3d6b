#include "FrmRLPrint.h"

namespace velmorix {

FrmRLPrint::FrmRLPrint(AppContext& context, QWidget* parent)
    : ListPrintDialog(
          context,
          {ListReportStyle::randomList(), QStringLiteral("Rastgele Kolonlar"),
           QStringLiteral("Rastgele Kolon Listesi"),
           QStringLiteral("Rastgele Kolon Listesi'ni printere bastırmak istiyormusunuz ?"),
           QStringLiteral("Rastgele Kolon Listesi'ni VELMORIX.TXT dosyasına yazdırmak istiyormusunuz ?"),
           false, QStringLiteral("VELMORIX.RND dosyasında kayıt yok !"), false},
          parent) {
    setObjectName(QStringLiteral("frmRLPrint"));
}

} // namespace velmorix
