#pragma once

#include "core/ColumnRecord.h"
#include "core/Game.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmorix {

// What the record editors check and show, apart from their windows.
namespace entry {

// The six cells read as numbers, halves to even.
using CellValues = std::array<int64_t, 6>;
CellValues readCells(const std::array<std::string, 6>& texts);

// Why the six values cannot be saved, and which cell takes the focus (1..6).
struct CellProblem {
    int cell = 0;
    std::string message;
};
// The first value outside 1..N of the game, then the first repeated ball (for
// cell i = 1..5 the first later cell j holding the same value).
std::optional<CellProblem> checkCells(const CellValues& values, const Game& game = Game());

std::array<int16_t, 6> sortedBalls(const CellValues& values);
std::array<int16_t, 6> ballsInOrder(const CellValues& values);

// A ball in the editors' list: a blank and two digits (" 05", " 45").
std::string listBall(int ball);
// The list line: the six balls joined by ","; with the sum "   [ 159 ]" after them.
std::string listLine(const ColumnRecord& rec, bool withSum);

// The date boxes of a result.
struct DateBoxes {
    int64_t day = 0;
    int64_t month = 0;
    int64_t year = 0;
};
// The boxes a Tag shows: day, month and year, or all 0 when the Tag holds no valid date.
DateBoxes dateBoxesOf(int32_t tag);
// The Tag a result is saved with: the date code, or KeepMark when a box does
// not hold a valid day, month or year. `badBox` tells which box (1 day,
// 2 month, 3 year) then shows "0".
struct DateTag {
    int32_t tag = KeepMark;
    int badBox = 0;
};
DateTag dateTagOf(std::string_view day, std::string_view month, std::string_view year);

} // namespace entry
} // namespace velmorix
