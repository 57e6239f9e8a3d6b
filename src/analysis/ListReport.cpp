#include "ListReport.h"

#include "TextReportFile.h"

#include "core/ColumnFile.h"
#include "core/DateCode.h"
#include "core/Numbers.h"

#include <algorithm>
#include <cstdlib>

namespace velmorix {

namespace {

bool isCalendarDate(const CalendarDate& d) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (d.month < 1 || d.month > 12 || d.day < 1)
        return false;
    const bool leap = (d.year % 4 == 0 && d.year % 100 != 0) || d.year % 400 == 0;
    const int inMonth = days[d.month - 1] + (d.month == 2 && leap ? 1 : 0);
    return d.day <= inMonth;
}

// Appends value with leading zeros to `width` digits, without allocating.
void appendPadded(std::string& out, int64_t value, int width) {
    char digitsBuf[24];
    int n = 0;
    uint64_t v = value < 0 ? static_cast<uint64_t>(-(value + 1)) + 1 : static_cast<uint64_t>(value);
    do {
        digitsBuf[n++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v != 0);
    if (value < 0)
        out.push_back('-');
    for (int i = n; i < width; ++i)
        out.push_back('0');
    while (n > 0)
        out.push_back(digitsBuf[--n]);
}

// Records are read a block at a time, so any range of a long list is quick.
constexpr int32_t BlockRecords = 1 << 16;

} // namespace

ListReportStyle ListReportStyle::combinationList() {
    return {files::List, "SAYISAL LOTO Kombinasyon Listesi [ ", " ]", "Kolon ", " kolon. >", false};
}
ListReportStyle ListReportStyle::randomList() {
    return {files::Random, "Rastgele Kolon Listesi [ ", " ] ", "Kolon ", " kolon. >", false};
}
ListReportStyle ListReportStyle::playedColumns() {
    return {files::Played, "OYNANAN KOLONLAR LİSTESİ [ ", " ]", "Kolon ", " kolon. >", false};
}
ListReportStyle ListReportStyle::results() {
    return {files::Results, "SAYISAL LOTO Sonuçları [ ", " ]", "Sonuç ", " sonuç. >", true};
}

std::string zeroPadded(int64_t value, int width) {
    std::string out;
    appendPadded(out, value, width);
    return out;
}

int digitCount(int64_t value) {
    return static_cast<int>(std::to_string(std::llabs(value)).size());
}

std::string twoDigitBalls(const ColumnRecord& record) {
    std::string out;
    for (std::size_t k = 0; k < 6; ++k) {
        if (k > 0)
            out += ", ";
        out += zeroPadded(record.Ball[k], 2);
    }
    return out;
}

namespace {

// The record line into `out` (cleared first); lines of long lists reuse one buffer.
void formatListReportLine(std::string& out, const ListReportStyle& style, int32_t number, int padWidth,
                          const ColumnRecord& record) {
    out.clear();
    out += style.linePrefix;
    appendPadded(out, number, padWidth);
    out += " - ";
    int32_t sum = 0;
    for (std::size_t k = 0; k < 6; ++k) {
        if (k > 0)
            out += ", ";
        appendPadded(out, record.Ball[k], 2);
        sum += record.Ball[k];
    }
    out += "  [";
    appendPadded(out, sum, 3);
    out += ']';
    if (style.drawDates) {
        const auto date = decodeDateCode(record.Tag);
        if (date && isCalendarDate(*date))
            out += "  Çekiliş Tarihi: " + digits(date->day) + "/" + digits(date->month) + "/" +
                   digits(date->year);
    }
}

} // namespace

std::string listReportLine(const ListReportStyle& style, int32_t number, int32_t padNumber,
                           const ColumnRecord& record) {
    std::string line;
    formatListReportLine(line, style, number, digitCount(padNumber), record);
    return line;
}

void forEachListReportLine(const DataDir& dir, const ListReportStyle& style, const ListReportRange& range,
                           const CalendarDate& today, bool onPaper,
                           const std::function<void(const std::string&)>& line) {
    line(ReportProductLine);
    line(style.title + shortDateText(today) + (onPaper ? " ] " : style.fileClosing));
    line("");
    int32_t written = 0;
    const int padWidth = digitCount(range.padNumber);
    std::string text;
    for (int64_t first = range.first; first <= range.last; first += BlockRecords) {
        const auto count = static_cast<int32_t>(std::min<int64_t>(BlockRecords, range.last - first + 1));
        const auto block = readRecords(dir, style.listFile, static_cast<int32_t>(first), count);
        for (std::size_t i = 0; i < block.size(); ++i) {
            formatListReportLine(text, style, static_cast<int32_t>(first + static_cast<int64_t>(i)), padWidth,
                                 block[i]);
            line(text);
            ++written;
        }
        if (static_cast<int32_t>(block.size()) < count)
            break; // the list is shorter than the range
    }
    line("");
    line("< Toplam " + digits(written) + style.totalWord);
}

int64_t writeListReport(const DataDir& dir, const ListReportStyle& style, const ListReportRange& range,
                        const CalendarDate& today, const std::function<void(int64_t bytes)>& progress) {
    TextReportFile file(dir, files::Text);
    forEachListReportLine(dir, style, range, today, false, [&](const std::string& text) {
        file.line(text);
        if (progress)
            progress(file.bytesWritten());
    });
    return file.commit();
}

} // namespace velmorix
