#pragma once

#include <QString>

namespace velmorix {

// The printer as the program uses it: a job at a font size, lines of text at
// positions in twips (1/1440 inch), pages broken by the printer itself.
class Printer {
public:
    virtual ~Printer() = default;
    // False when no printer is ready (the caller says "Printer hazır değil !").
    virtual bool ready() = 0;
    virtual bool begin(int fontSize) = 0;
    // From the top edge of the paper to the end of its printable area, in
    // twips, once a job has begun.
    virtual int pageHeightTwips() = 0;
    virtual void setFontSize(int fontSize) = 0;
    // Prints `text` with its left edge at x and its top at y (twips, within the page).
    virtual void printAt(int xTwips, int yTwips, const QString& text) = 0;
    virtual void newPage() = 0;
    // Ends the job; false when it failed (nothing or not all of it printed).
    virtual bool end() = 0;
};

inline QString printerNotReadyText() {
    return QStringLiteral("Printer hazır değil !");
}

} // namespace velmorix
