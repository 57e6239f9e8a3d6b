#include "ListPaging.h"

#include "core/ColumnFile.h"
#include "core/Numbers.h"

#include <algorithm>
#include <limits>

namespace velmorix {

int32_t movePosition(PagingMove move, int32_t firstShown, int32_t recordCount) {
    constexpr int32_t top = std::numeric_limits<int32_t>::max() - LinesPerPage;
    switch (move) {
    case PagingMove::Down:
        return firstShown < recordCount ? firstShown + 1 : firstShown;
    case PagingMove::Up:
        return firstShown > 0 ? firstShown - 1 : firstShown;
    case PagingMove::Home:
        return 0;
    case PagingMove::End:
        return recordCount >= LinesPerPage ? recordCount - LinesPerPage : firstShown;
    case PagingMove::PageDown:
        return int64_t{recordCount} - firstShown >= LinesPerPage ? firstShown + LinesPerPage : firstShown;
    case PagingMove::PageUp:
        return firstShown < LinesPerPage ? 0 : firstShown - LinesPerPage;
    case PagingMove::Click:
        // The drawing brings a position past the end back into the list.
        return firstShown < top ? firstShown + LinesPerPage : firstShown;
    }
    return firstShown;
}

int32_t clampFirstShown(int32_t firstShown, int32_t recordCount) {
    if (firstShown >= recordCount)
        firstShown = recordCount > LinesPerPage - 1 ? recordCount - LinesPerPage : 0;
    return std::max(firstShown, 0);
}

ListPage readListPage(const DataDir& dir, const std::string& name, int32_t firstShown) {
    ListPage page;
    page.recordCount = recordCount(dir, name);
    page.firstShown = clampFirstShown(firstShown, page.recordCount);
    const int32_t lines = std::min(LinesPerPage, page.recordCount - page.firstShown);
    page.pageNumber =
        static_cast<int32_t>((int64_t{page.firstShown} + lines + LinesPerPage - 1) / LinesPerPage);
    if (lines > 0)
        page.records = readRecords(dir, name, page.firstShown + 1, lines);
    return page;
}

std::string bracketText(int32_t value) {
    if (value <= 99)
        return "[ 0" + digits(value) + " ]";
    return "[" + Str(value) + " ]";
}

int32_t ballSum(const ColumnRecord& column) {
    int32_t sum = 0;
    for (const int16_t b : column.Ball)
        sum += b;
    return sum;
}

} // namespace velmorix
