#include "TextReportFile.h"

#include "core/Encoding.h"

#include <cstdio>

namespace velmorix {

std::string shortDateText(const CalendarDate& date) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d.%02d.%04d", date.day, date.month, date.year);
    return buf;
}

TextReportFile::TextReportFile(const DataDir& dir, std::string name)
    : m_writer(dir, name, defaultTempName(name)) {}

void TextReportFile::line(std::string_view utf8) {
    bool ascii = true;
    for (const char c : utf8)
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    // Most lines are digits and blanks; only the others need the code page.
    if (ascii) {
        m_writer.write(utf8.data(), utf8.size());
    } else {
        const std::string bytes = toWindows1254(utf8);
        m_writer.write(bytes.data(), bytes.size());
    }
    m_writer.write("\r\n", 2);
}

int64_t TextReportFile::commit() {
    const int64_t length = m_writer.bytesWritten();
    m_writer.commit();
    return length;
}

PrintPageLayout::PrintPageLayout(int fontSize, int pageHeight)
    : m_lineHeight(fontSize * 23), m_bottom(pageHeight - (PageHeight - Bottom)) {}

PrintPageLayout::Place PrintPageLayout::next() {
    Place p{false, Left, m_y};
    if (!m_first && m_y + m_lineHeight > m_bottom) {
        p.newPage = true;
        p.y = Top;
        m_y = Top;
    }
    m_first = false;
    m_y += m_lineHeight;
    return p;
}

} // namespace velmorix
