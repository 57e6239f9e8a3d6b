#include "FrmOKPrint.h"

namespace velmorix {

FrmOKPrint::FrmOKPrint(AppContext& context, QWidget* parent)
    : ListPrintDialog(
          context,
          {ListReportStyle::playedColumns(),
           QStringLiteral("Oynanan Kolonlar"),
           QStringLiteral("Oynanan Kolonlar"),
           QStringLiteral("Oynanan Kolonlar Listesi'ni printere bastırmak istiyormusunuz ?"),
           QStringLiteral("Oynanan Kolonlar Listesi'ni VELMORIX.TXT dosyasına yazdırmak istiyormusunuz ?"),
           false,
           {},
           true},
          parent) {
    setObjectName(QStringLiteral("frmOKPrint"));
}

} // namespace velmorix
