#pragma once

#include "analysis/TextReportFile.h"

#include <QString>
#include <optional>

namespace velmorix {

class Dialogs;
class Printer;

// One print-out of lines one under another, pages broken at the printer's
// page height. A job that cannot start, or that the printer reports as failed
// at its end, beeps and says "Printer hazır değil !".
class PrintJob {
public:
    PrintJob(Printer& printer, Dialogs& dialogs, int fontSize);
    // Ends a job left unfinished (an error while its lines were read).
    ~PrintJob();
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    bool started() const { return m_layout.has_value(); }
    // An empty line only takes its place.
    void line(const QString& text);
    // Ends the job; false (and the player told) when it failed.
    bool finish();

private:
    void refuse();

    Printer& m_printer;
    Dialogs& m_dialogs;
    std::optional<PrintPageLayout> m_layout;
};

} // namespace velmorix
