// The text a player types into input boxes and cells: numbers, lists of
// balls, pairs, six balls, dates, ranges and sum limits.
#include "FuzzSupport.h"

#include "analysis/CatchZero.h"
#include "analysis/EditorEntry.h"
#include "analysis/HitScan.h"
#include "analysis/ListEntryParsing.h"
#include "analysis/ResultsRange.h"
#include "analysis/WriteListCommand.h"
#include "core/DateCode.h"
#include "core/Numbers.h"
#include "engine/SelectionControls.h"

#include <cmath>
#include <fuzzer/FuzzedDataProvider.h>

using namespace velmorix;
using fuzz::require;

namespace {

constexpr ColumnMask AllBalls = ((ColumnMask{1} << 50) - 1) & ~ColumnMask{1};

void checkNumbers(const std::string& text) {
    const double v = Val(text);
    require(!std::isnan(v), "Val gave NaN");
    const int64_t whole = ValWhole(text);
    if (std::isfinite(v) && std::fabs(v) < 1e15)
        require(std::fabs(static_cast<double>(whole) - v) <= 0.5, "ValWhole is not the nearest whole number");
    require(ValWhole(digits(whole)) == whole || std::fabs(static_cast<double>(whole)) > 9e15,
            "digits() does not read back");
    require(ValWhole(Str(whole)) == whole || std::fabs(static_cast<double>(whole)) > 9e15,
            "Str() does not read back");
    if (const auto small = toInt16(whole))
        require(*small == whole, "toInt16");
}

void checkBallLists(const std::string& text) {
    const std::string folded = foldToAscii(text);
    require(folded.size() <= text.size(), "folding made the text longer");
    for (char c : folded)
        require(static_cast<unsigned char>(c) < 0x80, "folding left a non-ASCII byte");

    if (const auto balls = parseBallEntry(text)) {
        require((*balls & ~AllBalls) == 0 && *balls != 0, "ball entry marks a non-ball");
        const int first = static_cast<int>(ValWhole(text));
        require((*balls >> first) & 1U, "the first number is not marked");
        require(parseBallEntry(ballListText(*balls)) == balls, "ball list text does not read back");
        require(entryBallCount(*balls) >= 1 && entryBallCount(*balls) <= 49, "ball count");
    }
    if (const auto pair = parseUnwantedPair(text)) {
        require((pair->balls & ~AllBalls) == 0, "unwanted pair marks a non-ball");
        const int n = entryBallCount(pair->balls);
        require(n == 1 || n == 2, "an unwanted pair of more than two balls");
        if (n == 2)
            require(parseUnwantedPair(pair->shown)->balls == pair->balls,
                    "unwanted pair text does not read back");
    }
    if (const auto pairs = parseWantedPairs(text)) {
        bool any = false;
        for (int a = 0; a < 50; ++a) {
            require((pairs->marks.row[static_cast<std::size_t>(a)] & ~AllBalls) == 0,
                    "wanted pair with a non-ball");
            require(!pairs->marks.has(a, a), "a wanted pair of one ball");
            for (int b = 0; b < 50; ++b) {
                require(pairs->marks.has(a, b) == pairs->marks.has(b, a), "wanted pairs not symmetric");
                any = any || pairs->marks.has(a, b);
            }
        }
        require(any, "wanted pairs without a pair");
        const auto again = parseWantedPairs(pairs->shown);
        require(again && again->marks.row == pairs->marks.row, "wanted pairs text does not read back");
    }
}

void checkCells(const std::array<std::string, 6>& texts) {
    const auto values = entry::readCells(texts);
    const auto problem = entry::checkCells(values);
    if (!problem) {
        require(isValidColumn(entry::ballsInOrder(values)), "accepted cells are not a column");
        const auto sorted = entry::sortedBalls(values);
        require(isValidColumn(sorted) && std::is_sorted(sorted.begin(), sorted.end()), "sorted balls");
        require(!hits::firstInvalidCell(values), "hit cells disagree with the editors");
    } else {
        require(problem->cell >= 1 && problem->cell <= 6 && !problem->message.empty(), "cell problem");
    }
    if (const auto bad = hits::firstInvalidCell(values)) {
        require(*bad >= 1 && *bad <= 6, "invalid cell number");
        require(!hits::invalidCellMessage(*bad).empty(), "invalid cell message");
    } else {
        require(hits::resultMask(values) != 0, "a valid result with no ball");
    }

    const auto tag = entry::dateTagOf(texts[0], texts[1], texts[2]);
    if (tag.badBox == 0) {
        const auto boxes = entry::dateBoxesOf(tag.tag);
        require(boxes.day == ValWhole(texts[0]) && boxes.month == ValWhole(texts[1]) &&
                    boxes.year == ValWhole(texts[2]),
                "a saved date does not show again");
    } else {
        require(tag.tag == KeepMark && tag.badBox >= 1 && tag.badBox <= 3, "a bad date");
    }
}

void checkRanges(const std::string& start, const std::string& end, int32_t count) {
    const RangeCheck r = checkRange(start, end, count);
    if (r.ok())
        require(r.first >= 1 && r.first <= r.last && r.last <= count,
                "results range accepted outside the file");
    else if (r.problem == RangeCheck::Problem::StartTooLarge || r.problem == RangeCheck::Problem::EndTooLarge)
        require(r.message.empty() && !r.boxReset.empty(), "silent range repair");
    else
        require(!r.message.empty(), "range refused without a message");

    const auto z = catchzero::checkRange(start, end, count);
    if (z.outcome == catchzero::RangeCheck::Outcome::Ok)
        require(z.first >= 1 && z.first <= z.last && z.last <= count,
                "catch-the-zero range outside the file");

    const auto m = checkMinPairCount(start, count);
    require(m.ok() == (m.value >= 1 && m.value <= count), "minimum pair count");
    const auto e = listRangeError(ValWhole(start), ValWhole(end), count);
    require(e.has_value() ||
                (ValWhole(start) >= 1 && ValWhole(start) <= ValWhole(end) && ValWhole(end) <= count),
            "list range accepted outside the list");
}

void checkSumBoxes(const std::string& least, const std::string& greatest, bool leaveFirst) {
    SelectionControls c;
    c.Text1 = least;
    c.Text2 = greatest;
    if (leaveFirst)
        leaveText1(c);
    else
        leaveText2(c);
    const double v = Val(leaveFirst ? c.Text1 : c.Text2);
    require(v >= 21 && v <= 279, "a sum box left with a value outside 21..279");
    FilterSelection s = FilterSelection::startup();
    readSelection(c, s);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const int32_t count = in.ConsumeIntegralInRange<int32_t>(0, 40000);
    const bool leaveFirst = in.ConsumeBool();
    std::array<std::string, 6> cells;
    for (auto& c : cells)
        c = in.ConsumeRandomLengthString(24);
    const std::string text = in.ConsumeRemainingBytesAsString();
    checkNumbers(text);
    checkBallLists(text);
    checkCells(cells);
    checkRanges(cells[0], cells[1], count);
    checkSumBoxes(cells[2], cells[3], leaveFirst);
    return 0;
}
