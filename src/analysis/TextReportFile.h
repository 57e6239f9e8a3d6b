#pragma once

#include "core/Clock.h"
#include "core/DataDir.h"
#include "core/SafeFile.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace velmorix {

// The first line of every text report and print-out.
inline constexpr const char* ReportProductLine = "< VELMORIX 653 Dizimci u4.5 >";

// Today's date in the short form of Turkish systems: "06.12.2026".
std::string shortDateText(const CalendarDate& date);

// A text report written to a file (VELMORIX.TXT) in the Windows-1254 code
// page, CR LF after every line, through a buffer. The previous file stays
// until commit() puts the complete new one in its place.
class TextReportFile {
public:
    TextReportFile(const DataDir& dir, std::string name);

    // Writes one line of UTF-8 text and its CR LF.
    void line(std::string_view utf8);
    int64_t bytesWritten() const { return m_writer.bytesWritten(); }
    // Puts the file in place; returns its length.
    int64_t commit();

private:
    SafeFileWriter m_writer;
};

// Places print-out lines on paper: every line 1000 twips from the left edge,
// the first 500 twips below the top, a new page when one is full. A page ends
// 500 twips above the end of its printable height.
class PrintPageLayout {
public:
    explicit PrintPageLayout(int fontSize, int pageHeight = PageHeight);

    struct Place {
        bool newPage; // start a new page before printing this line
        int x;
        int y;
    };
    Place next();
    int lineHeight() const { return m_lineHeight; }

    static constexpr int Left = 1000;
    static constexpr int Top = 500;
    static constexpr int PageHeight = 16838; // A4 in twips
    static constexpr int Bottom = PageHeight - 500;

private:
    int m_lineHeight;
    int m_bottom;
    int m_y = Top;
    bool m_first = true;
};

} // namespace velmorix
