#pragma once

#include "Printer.h"

#include <QFont>
#include <QString>
#include <memory>

class QPainter;
class QPrinter;

namespace velmorix {

// QPrinter on the system's default printer, or into a PDF file when one is named.
class QtPrinter final : public Printer {
public:
    explicit QtPrinter(QString pdfFile = {});
    ~QtPrinter() override;

    bool ready() override;
    bool begin(int fontSize) override;
    void setFontSize(int fontSize) override;
    void printAt(int xTwips, int yTwips, const QString& text) override;
    int pageHeightTwips() override;
    void newPage() override;
    bool end() override;

private:
    QString m_pdfFile;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;
    QFont m_font;
    bool m_failed = false; // a page of the job could not be started
};

} // namespace velmorix
