#pragma once

#include "core/Clock.h"
#include "core/ColumnRecord.h"
#include "core/DataDir.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmorix::resultsimport {

// Past draws typed or downloaded elsewhere, taken into VELMORIX.RES.
//
// A line holds six balls and maybe a date, with any separators between them:
// "12.03.2005;3;11;12;14;41;43", "2005-03-12 3 11 12 14 41 43",
// "\"June 12, 1982\",3,11,12,14,41,43,13". The first six numbers of a line are
// its balls; up to two more after them (a bonus ball, a joker) are passed
// over. A date is dd.mm.yyyy, dd/mm/yyyy, dd-mm-yyyy or yyyy-mm-dd (also with
// dots or slashes), or a day, a month name (Turkish or English, full or short)
// and a year in either order. Digits stuck to letters ("Num1") are not numbers,
// so a heading line is no draw.

inline constexpr int32_t MaxResults = 32767;

struct ImportedDraw {
    int32_t line = 0;                 // 1-based
    std::array<int16_t, 6> balls{};   // ascending
    int32_t tag = KeepMark;           // DateCode when the date lies in 2003..2099
    std::optional<CalendarDate> date; // as read, whatever its year

    bool operator==(const ImportedDraw&) const = default;
};

enum class LineProblem { TooFewNumbers, TooManyNumbers, BallOutOfRange, RepeatedBall };

struct BadLine {
    int32_t line = 0;
    LineProblem problem = LineProblem::TooFewNumbers;
    int64_t value = 0; // the ball at fault, or how many numbers the line holds

    bool operator==(const BadLine&) const = default;
};

struct Parsed {
    std::vector<ImportedDraw> draws;
    std::vector<BadLine> bad;
    int32_t lines = 0;     // every line of the text
    int32_t textLines = 0; // lines with words but no number: headings, notes
};

// Reads the text (UTF-8, or Windows-1254 when it is not valid UTF-8).
Parsed parse(std::string_view text);

// The text file chosen by the player; larger files than any results list are
// refused. Throws FileError naming the file.
std::string readTextFile(const std::filesystem::path& path);

// How many draws repeat the six balls of an existing result or of an earlier
// draw of the same text.
int32_t countDuplicates(const Parsed& parsed, const std::vector<ColumnRecord>& existing);

struct Plan {
    std::vector<ColumnRecord> records; // to append, in this order
    int32_t duplicates = 0;            // left out as repeats (when asked to)
    int32_t overLimit = 0;             // left out: the file holds at most MaxResults
    bool reversed = false;             // the text began with the newest draw
};

// The records to append after `existing`, in the order of the text; a text
// whose dates mostly fall (newest draw first) is taken from its end, so the
// file still ends with the last result, as the filters expect.
Plan plan(const Parsed& parsed, const std::vector<ColumnRecord>& existing, bool skipDuplicates);

// Appends to VELMORIX.RES through a complete temporary; returns the new record
// count. Throws FileError; the old file then stays as it was.
int32_t append(const DataDir& dir, const std::vector<ColumnRecord>& records);

// Texts of the import command.
std::string badLineText(const BadLine& bad);
// The bad lines, at most `shown` of them, then how many more there are.
std::string badLinesText(const std::vector<BadLine>& bad, std::size_t shown = 12);
std::string duplicatesQuestion(int32_t duplicates);
std::string appendQuestion(const Plan& plan);
std::string nothingValidText(const Parsed& parsed);
std::string nothingNewText(const Parsed& parsed, const Plan& plan);
std::string summaryText(const std::string& fileName, const Parsed& parsed, const Plan& plan,
                        int32_t resultsNow);

} // namespace velmorix::resultsimport
