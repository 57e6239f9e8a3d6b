#include "QtPrinter.h"

#include "core/Program.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>

namespace velmorix {

QtPrinter::QtPrinter(QString pdfFile) : m_pdfFile(std::move(pdfFile)) {}

QtPrinter::~QtPrinter() {
    if (m_painter)
        end();
}

bool QtPrinter::ready() {
    return !m_pdfFile.isEmpty() || !QPrinterInfo::defaultPrinter().isNull();
}

bool QtPrinter::begin(int fontSize) {
    if (!ready())
        return false;
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!m_pdfFile.isEmpty()) {
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_printer->setOutputFileName(m_pdfFile);
    }
    m_printer->setFullPage(true);
    m_failed = false;
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(m_printer.get())) {
        m_painter.reset();
        m_printer.reset();
        return false;
    }
    m_font = QFont(QStringLiteral("DejaVu Sans Mono"));
    setFontSize(fontSize);
    return true;
}

void QtPrinter::setFontSize(int fontSize) {
    m_font.setPointSize(fontSize > 0 ? fontSize : 10);
    if (m_painter)
        m_painter->setFont(m_font);
}

void QtPrinter::printAt(int xTwips, int yTwips, const QString& text) {
    if (!m_painter)
        return;
    const double dpi = m_printer->resolution();
    const double x = xTwips * dpi / kTwipsPerInch;
    const double y = yTwips * dpi / kTwipsPerInch;
    const QFontMetrics fm(m_painter->font(), m_printer.get());
    m_painter->drawText(QPointF(x, y + fm.ascent()), text);
}

int QtPrinter::pageHeightTwips() {
    if (!m_printer)
        return 0;
    // Positions count from the paper's top edge (full page); the printable
    // area ends the printer's own margin above the bottom edge.
    const QPageLayout layout = m_printer->pageLayout();
    const double points = layout.fullRectPoints().height() - layout.minimumMargins().bottom();
    return static_cast<int>(std::lround(points * 20.0));
}

void QtPrinter::newPage() {
    if (m_printer && m_painter && !m_printer->newPage())
        m_failed = true;
}

bool QtPrinter::end() {
    bool ok = !m_failed;
    if (m_painter) {
        ok = m_painter->end() && ok;
        m_painter.reset();
    } else {
        ok = false;
    }
    if (m_printer &&
        (m_printer->printerState() == QPrinter::Error || m_printer->printerState() == QPrinter::Aborted))
        ok = false;
    m_printer.reset();
    return ok;
}

} // namespace velmorix
