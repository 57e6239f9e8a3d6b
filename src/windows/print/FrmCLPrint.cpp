#include "FrmCLPrint.h"

namespace velmorix {

FrmCLPrint::FrmCLPrint(AppContext& context, QWidget* parent)
    : ListPrintDialog(
          context,
          {ListReportStyle::combinationList(),
           QStringLiteral("Kombinasyon Listesi"),
           QStringLiteral("Kombinasyon Listesi"),
           QStringLiteral("Kombinasyon Listesi'ni printere bastırmak istiyormusunuz ?"),
           QStringLiteral("Kombinasyon Listesi'ni VELMORIX.TXT dosyasına yazdırmak istiyormusunuz ?"),
           true,
           {},
           false},
          parent) {
    setObjectName(QStringLiteral("frmCLPrint"));
}

} // namespace velmorix
