#include "WriteListCommand.h"

#include "ListReport.h"

#include "core/ColumnFile.h"
#include "core/FileError.h"
#include "core/Numbers.h"

namespace velmorix {

std::optional<std::string> listRangeError(int64_t start, int64_t end, int32_t count) {
    if (start < 1 || start > count)
        return std::string(BadStartText);
    if (end < start || end > count)
        return std::string(BadEndText);
    return std::nullopt;
}

std::string bytesWrittenText(int64_t length) {
    return Str(length) + " byte \"" + files::Text + "\" dosyasına yazıldı.";
}

CommandOutcome runWriteList(const DataDir& dir, const Clock& clock, const std::vector<std::string>& args) {
    if (args.size() != 0 && args.size() != 2)
        return messageOutcome(2, "Kullanım: velmorix-batch write-list [BAŞLANGIÇ BİTİŞ]");
    const int32_t count = recordCount(dir, files::List);
    // The numbers are read as the dialog reads its boxes.
    const int64_t start = args.empty() ? 1 : ValWhole(args[0]);
    const int64_t end = args.empty() ? count : ValWhole(args[1]);
    if (auto error = listRangeError(start, end, count))
        return messageOutcome(1, *error);
    try {
        const ListReportRange range{static_cast<int32_t>(start), static_cast<int32_t>(end),
                                    static_cast<int32_t>(end)};
        const int64_t length = writeListReport(dir, ListReportStyle::combinationList(), range, clock.today());
        return messageOutcome(0, bytesWrittenText(length));
    } catch (const FileError& e) {
        return messageOutcome(1, e.userText());
    }
}

} // namespace velmorix
