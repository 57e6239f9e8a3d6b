#include "SextetReport.h"

#include "ListReport.h"
#include "TextReportFile.h"

#include "core/ColumnFile.h"
#include "core/Numbers.h"

namespace velmorix {

void forEachSextetReportLine(const DataDir& dir, const Clock& clock, bool onPaper,
                             const std::function<void(const std::string&)>& line) {
    line(ReportProductLine);
    line("Yasak Altılılar Listesi [ " + shortDateText(clock.today()) + " " + clock.timeText() +
         (onPaper ? " ] " : " ]"));
    line("");
    ColumnReader in(dir, files::Sextets);
    const int width = digitCount(in.count());
    ColumnRecord r;
    while (in.next(r)) {
        int32_t sum = 0;
        for (const int16_t b : r.Ball)
            sum += b;
        line("Kolon " + zeroPadded(in.position(), width) + " - " + twoDigitBalls(r) + "  [" +
             zeroPadded(sum, 3) + "]");
    }
    line("");
    line("< Toplam " + digits(in.count()) + " kolon. >");
}

int64_t writeSextetReport(const DataDir& dir, const Clock& clock,
                          const std::function<void(int64_t bytes)>& progress) {
    TextReportFile file(dir, files::Text);
    forEachSextetReportLine(dir, clock, false, [&](const std::string& text) {
        file.line(text);
        if (progress)
            progress(file.bytesWritten());
    });
    return file.commit();
}

} // namespace velmorix
