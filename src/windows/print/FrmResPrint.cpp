#include "FrmResPrint.h"

namespace velmorix {

FrmResPrint::FrmResPrint(AppContext& context, QWidget* parent)
    : ListPrintDialog(context,
                      {ListReportStyle::results(),
                       QStringLiteral("SONUÇLAR"),
                       QStringLiteral("Sayısal Loto Sonuçları"),
                       QStringLiteral("Sonuç Listesi'ni printere bastırmak istiyormusunuz ?"),
                       QStringLiteral("Sonuç Listesi'ni VELMORIX.TXT dosyasına yazdırmak istiyormusunuz ?"),
                       false,
                       {},
                       false},
                      parent) {
    setObjectName(QStringLiteral("frmResPrint"));
}

} // namespace velmorix
