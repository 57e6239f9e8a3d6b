// The readers of the column list files: counting, sequential and random
// reading, paging, the print-out lines and the rewrites that read a list.
#include "FuzzSupport.h"

#include "analysis/ListPaging.h"
#include "analysis/ListReport.h"
#include "core/ColumnFile.h"
#include "engine/ListStream.h"

#include <algorithm>
#include <fuzzer/FuzzedDataProvider.h>

using namespace velmorix;
using fuzz::require;

namespace {

// The record n (from 1) a reader must give for these file bytes.
ColumnRecord expectedRecord(const std::vector<unsigned char>& bytes, int64_t n) {
    unsigned char b[ColumnRecord::Size] = {};
    const auto at = static_cast<std::size_t>((n - 1) * 16);
    for (std::size_t i = 0; i < ColumnRecord::Size && at + i < bytes.size(); ++i)
        b[i] = bytes[at + i];
    return ColumnRecord::decode(b);
}

void checkReaders(const DataDir& dir, const std::vector<unsigned char>& bytes, FuzzedDataProvider& in) {
    const int32_t count = recordCount(dir, files::List);
    require(count == recordCountForLength(static_cast<int64_t>(bytes.size())), "recordCount");
    require(int64_t{count} * 16 <= static_cast<int64_t>(bytes.size()) + 8, "count past the bytes");

    ColumnReader reader(dir, files::List);
    require(reader.count() == count, "ColumnReader count");
    ColumnRecord r;
    int32_t n = 0;
    while (reader.next(r))
        require(r == expectedRecord(bytes, ++n), "ColumnReader record");
    require(n == count, "ColumnReader read every record");

    ListReader stream(dir, files::List);
    require(stream.count() == count, "ListReader count");
    n = 0;
    while (const unsigned char* p = stream.next()) {
        const ColumnRecord e = expectedRecord(bytes, ++n);
        require(ListReader::tag(p) == e.Tag && ListReader::balls(p) == e.Ball, "ListReader record");
    }
    require(n == count, "ListReader read every record");

    const int32_t first = in.ConsumeIntegral<int32_t>();
    const int32_t want = in.ConsumeIntegral<int32_t>();
    const auto some = readRecords(dir, files::List, first, want);
    const int64_t from = std::max(first, 1);
    const int64_t expectSize = want <= 0 || from > count ? 0 : std::min<int64_t>(want, count - from + 1);
    require(static_cast<int64_t>(some.size()) == expectSize, "readRecords size");
    for (std::size_t i = 0; i < some.size(); ++i)
        require(some[i] == expectedRecord(bytes, from + static_cast<int64_t>(i)), "readRecords record");

    const int32_t k = in.ConsumeIntegral<int32_t>();
    const ColumnRecord one = readRecord(dir, files::List, k);
    require(one == (k >= 1 && static_cast<int64_t>(k - 1) * 16 < static_cast<int64_t>(bytes.size())
                        ? expectedRecord(bytes, k)
                        : ColumnRecord{}),
            "readRecord");

    const int32_t shown = in.ConsumeIntegral<int32_t>();
    const ListPage page = readListPage(dir, files::List, shown);
    require(page.recordCount == count && page.firstShown >= 0 && page.records.size() <= LinesPerPage,
            "readListPage");
    require(page.firstShown <= std::max(count - 1, 0), "page starts past the end");
    for (std::size_t i = 0; i < page.records.size(); ++i)
        require(page.records[i] == expectedRecord(bytes, page.firstShown + 1 + static_cast<int64_t>(i)),
                "page record");
    const auto move = static_cast<PagingMove>(in.ConsumeIntegralInRange<int>(0, 6));
    const int32_t moved = movePosition(move, page.firstShown, count);
    require(moved >= 0, "movePosition below 0");
    for (const auto& rec : page.records)
        require(!bracketText(ballSum(rec)).empty(), "bracketText");
}

void checkReport(const DataDir& dir, int32_t count, FuzzedDataProvider& in) {
    const ListReportStyle styles[] = {ListReportStyle::combinationList(), ListReportStyle::randomList(),
                                      ListReportStyle::playedColumns(), ListReportStyle::results()};
    ListReportStyle style = styles[in.ConsumeIntegralInRange<int>(0, 3)];
    style.listFile = files::List;
    ListReportRange range;
    range.first = count > 0 ? in.ConsumeIntegralInRange<int32_t>(1, count) : 1;
    range.last = count > 0 ? in.ConsumeIntegralInRange<int32_t>(range.first, count) : 0;
    range.padNumber = in.ConsumeIntegral<int32_t>();
    int lines = 0;
    forEachListReportLine(
        dir, style, range, CalendarDate{2026, 12, 6}, in.ConsumeBool(), [&](const std::string& text) {
            require(text.find('\n') == std::string::npos, "a report line holds a line feed");
            ++lines;
        });
    require(lines == 5 + std::max(range.last - range.first + 1, 0), "report line count");
    const int64_t length = writeListReport(dir, style, range, CalendarDate{2026, 12, 6});
    require(length == dir.fileSize(files::Text), "VELMORIX.TXT length");
}

// The rewrites read the damaged list and must keep every record they do not drop.
void checkRewrites(const DataDir& dir, const std::vector<unsigned char>& bytes, int32_t count,
                   FuzzedDataProvider& in) {
    if (count > 0) {
        const int32_t k = in.ConsumeIntegralInRange<int32_t>(1, count);
        deleteRecord(dir, files::List, k, files::ListDelete);
        require(dir.fileSize(files::List) == int64_t{count - 1} * 16, "deleteRecord length");
        for (int32_t i = 1; i < count; ++i)
            require(readRecord(dir, files::List, i) == expectedRecord(bytes, i < k ? i : i + 1),
                    "deleteRecord record");
    }
    const uint64_t pattern = in.ConsumeIntegral<uint64_t>();
    int32_t i = 0;
    const int32_t kept =
        eliminate(dir, files::List, [&](const ColumnRecord&) { return (pattern >> (i++ % 64)) & 1; });
    require(dir.fileSize(files::List) == int64_t{kept} * 16, "eliminate length");
    appendList(dir, files::List, files::Played);
    require(dir.fileSize(files::Played) == int64_t{kept} * 16, "appendList length");
    const auto names = fuzz::ScratchDir::get().fileNames();
    for (const auto& name : names)
        require(name == files::List || name == files::Played || name == files::Text, "stray file " + name);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    auto& scratch = fuzz::ScratchDir::get();
    scratch.clear();
    const auto length = in.ConsumeIntegralInRange<std::size_t>(0, 16 * 300);
    const std::vector<unsigned char> bytes = in.ConsumeBytes<unsigned char>(length);
    scratch.put(files::List, bytes);
    const DataDir& dir = scratch.dir();
    checkReaders(dir, bytes, in);
    const int32_t count = recordCount(dir, files::List);
    checkReport(dir, count, in);
    checkRewrites(dir, bytes, count, in);
    return 0;
}
