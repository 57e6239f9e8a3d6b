#include "PrintJob.h"

#include "platform/Dialogs.h"
#include "platform/Printer.h"

namespace velmorix {

PrintJob::PrintJob(Printer& printer, Dialogs& dialogs, int fontSize)
    : m_printer(printer), m_dialogs(dialogs) {
    if (!m_printer.ready() || !m_printer.begin(fontSize)) {
        refuse();
        return;
    }
    m_layout.emplace(fontSize, m_printer.pageHeightTwips());
}

PrintJob::~PrintJob() {
    if (m_layout)
        m_printer.end();
}

void PrintJob::line(const QString& text) {
    if (!m_layout)
        return;
    const PrintPageLayout::Place place = m_layout->next();
    if (place.newPage)
        m_printer.newPage();
    if (!text.isEmpty())
        m_printer.printAt(place.x, place.y, text);
}

bool PrintJob::finish() {
    if (!m_layout)
        return false;
    m_layout.reset();
    if (m_printer.end())
        return true;
    refuse();
    return false;
}

void PrintJob::refuse() {
    m_dialogs.beep();
    m_dialogs.show(printerNotReadyText(), errorTitle(), DialogIcon::None);
}

} // namespace velmorix
