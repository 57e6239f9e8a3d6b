#pragma once

#include "core/ColumnRecord.h"
#include "core/DataDir.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velmorix {

inline constexpr int32_t LinesPerPage = 25;

enum class PagingMove { Down, Up, Home, End, PageDown, PageUp, Click };

// The first-shown position (columns above the page) after a paging key.
int32_t movePosition(PagingMove move, int32_t firstShown, int32_t recordCount);

// The first-shown position a page of `recordCount` columns is drawn from: a
// position past the end shows the last page, a negative one the first.
int32_t clampFirstShown(int32_t firstShown, int32_t recordCount);

// One page of a list, read from the file record by record of the page only.
struct ListPage {
    int32_t recordCount = 0;
    int32_t firstShown = 0; // after clamping
    int32_t pageNumber = 0; // the page that holds the last line shown
    std::vector<ColumnRecord> records;
};
ListPage readListPage(const DataDir& dir, const std::string& name, int32_t firstShown);

// The bracketed value after the balls: "[ 021 ]" up to 99, "[ 123 ]" above.
std::string bracketText(int32_t value);
int32_t ballSum(const ColumnRecord& column);

} // namespace velmorix
