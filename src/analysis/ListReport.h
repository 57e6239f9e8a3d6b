#pragma once

#include "core/Clock.h"
#include "core/ColumnRecord.h"
#include "core/DataDir.h"

#include <cstdint>
#include <functional>
#include <string>

namespace velmorix {

// The words that make one list's print-out: the combination list, the random
// list, the played columns or the results.
struct ListReportStyle {
    std::string listFile;
    std::string title;       // "SAYISAL LOTO Kombinasyon Listesi [ "
    std::string fileClosing; // after the date in the file; on paper always " ] "
    std::string linePrefix;  // "Kolon "
    std::string totalWord;   // " kolon. >"
    bool drawDates = false;  // results: the draw date after the sum when it is valid

    static ListReportStyle combinationList();
    static ListReportStyle randomList();
    static ListReportStyle playedColumns();
    static ListReportStyle results();
};

// The records first..last of a list (record numbers padded to the digits of
// `padNumber`) as print-out lines: the title block, an empty line, one line per
// record, an empty line and the total line. `line` gets each in UTF-8.
struct ListReportRange {
    int32_t first = 1;
    int32_t last = 0;
    int32_t padNumber = 0;
};
void forEachListReportLine(const DataDir& dir, const ListReportStyle& style, const ListReportRange& range,
                           const CalendarDate& today, bool onPaper,
                           const std::function<void(const std::string&)>& line);

// One record line: "Kolon 0012 - 03, 07, 15, 22, 38, 41  [126]".
std::string listReportLine(const ListReportStyle& style, int32_t number, int32_t padNumber,
                           const ColumnRecord& record);

// Writes the report to VELMORIX.TXT; `progress` gets the bytes written after
// every line. Returns the file's length.
int64_t writeListReport(const DataDir& dir, const ListReportStyle& style, const ListReportRange& range,
                        const CalendarDate& today, const std::function<void(int64_t bytes)>& progress = {});

// Helpers shared by the column reports.
std::string zeroPadded(int64_t value, int width);
int digitCount(int64_t value);
std::string twoDigitBalls(const ColumnRecord& record); // "03, 07, 15, 22, 38, 41"

} // namespace velmorix
