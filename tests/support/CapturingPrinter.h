#pragma once

#include "platform/Printer.h"

#include <QString>
#include <vector>

namespace velmorix::test {

// Records what would be printed.
class CapturingPrinter final : public Printer {
public:
    struct Line {
        int page;
        int x;
        int y;
        int fontSize;
        QString text;
    };

    bool isReady = true;
    int pageHeight = 16838;  // A4, in twips
    bool failsAtEnd = false; // the job breaks down once its lines are sent
    std::vector<Line> lines;
    int jobs = 0;
    int pages = 0;
    bool open = false;

    bool ready() override { return isReady; }
    bool begin(int fontSize) override {
        if (!isReady)
            return false;
        ++jobs;
        pages = 1;
        m_font = fontSize;
        open = true;
        return true;
    }
    void setFontSize(int fontSize) override { m_font = fontSize; }
    void printAt(int x, int y, const QString& text) override { lines.push_back({pages, x, y, m_font, text}); }
    int pageHeightTwips() override { return pageHeight; }
    void newPage() override { ++pages; }
    bool end() override {
        open = false;
        return !failsAtEnd;
    }

private:
    int m_font = 0;
};

} // namespace velmorix::test
