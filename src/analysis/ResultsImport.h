#pragma once

#include "core/Clock.h"
#include "core/ColumnRecord.h"
#include "core/CommandOutcome.h"
#include "core/DataDir.h"
#include "core/Game.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmorix::resultsimport {

// Past draws typed or downloaded elsewhere, taken into VELMORIX.RES. Only
// what is certain is taken.
//
// A line is a draw when it holds a date and, after the date, exactly six
// different balls 1..N of the game, with any separators: "12.03.2005;3;11;12;14;41;43",
// "2005-03-12 3 11 12 14 41 43", "\"June 12, 1982\",3,11,12,14,41,43". A date
// is dd.mm.yyyy, dd/mm/yyyy, dd-mm-yyyy or yyyy-mm-dd (also with dots or
// slashes), or a day, a month name (Turkish or English, full or short) and a
// year in either order.
// Never balls: numbers before the date (line numbers, "1.", "Hafta 5:"),
// ordinals ("2)", "3." or "4:" before a blank), clock times ("20:30"), digits
// stuck to letters ("Num1"), and every number after a label the import knows
// (Joker, Süperstar, Bonus, Ek) in the line or in the column a heading line
// gives that label. A line that leaves more than six numbers could be read in
// more than one way: it is refused, never guessed.

inline constexpr int32_t MaxResults = 32767;

struct ImportedDraw {
    int32_t line = 0;               // 1-based
    std::array<int16_t, 6> balls{}; // ascending
    int32_t tag = KeepMark;         // DateCode when the date lies in 2003..2099
    CalendarDate date;              // as read, whatever its year

    bool operator==(const ImportedDraw&) const = default;
};

enum class LineProblem { TooFewNumbers, TooManyNumbers, BallOutOfRange, RepeatedBall, NoDate, BadDate };

struct BadLine {
    int32_t line = 0;
    LineProblem problem = LineProblem::TooFewNumbers;
    int64_t value = 0; // the ball at fault, or how many numbers the line holds

    bool operator==(const BadLine&) const = default;
};

struct Parsed {
    Game game; // whose balls the draws hold
    std::vector<ImportedDraw> draws;
    std::vector<BadLine> bad;
    int32_t lines = 0;     // every line of the text
    int32_t textLines = 0; // lines with words but no number: headings, notes
};

// Reads the text (UTF-8, or Windows-1254 when it is not valid UTF-8).
Parsed parse(std::string_view text, const Game& game = Game());

// The text file chosen by the player, read through the file layer; larger
// files than any results list are refused. Throws FileError naming the file.
std::string readTextFile(const std::filesystem::path& path);

// How many draws hold the six balls of a result or of an earlier draw on
// another date (the same draw twice is always left out).
int32_t countRepeats(const Parsed& parsed, const std::vector<ColumnRecord>& existing);

struct Plan {
    std::vector<ColumnRecord> records; // the whole new results file
    int32_t added = 0;                 // draws taken in
    int32_t placedBetween = 0;         // of them, put before a result already on file
    int32_t sameDraws = 0;             // left out: same date and balls as a result or an earlier line
    int32_t repeats = 0;               // left out: the balls of a result on another date (when asked to)
    int32_t overLimit = 0;             // left out: the file holds at most MaxResults
    bool reversed = false;             // the text began with the newest draw
};

// Places the draws among `existing`, which keep their order: each draw goes
// before the first dated result later than it, the draws themselves in the
// order of the text (turned round when it starts with the newest draw), so a
// mistyped date moves nothing within the text. Results without a date stay
// where they are.
Plan plan(const Parsed& parsed, const std::vector<ColumnRecord>& existing, bool skipRepeats);

// Replaces VELMORIX.RES with the planned records through a complete temporary;
// returns the new record count. Throws FileError; the old file then stays.
int32_t save(const DataDir& dir, const Plan& plan);

// Texts of the import command.
std::string badLineText(const BadLine& bad, const Game& game = Game());
// The bad lines, at most `shown` of them, then how many more there are.
std::string badLinesText(const std::vector<BadLine>& bad, std::size_t shown = 12, const Game& game = Game());
std::string repeatsQuestion(int32_t repeats);
std::string appendQuestion(const Plan& plan);
std::string nothingValidText(const Parsed& parsed);
std::string nothingNewText(const Parsed& parsed, const Plan& plan);
std::string summaryText(const std::string& fileName, const Parsed& parsed, const Plan& plan,
                        int32_t resultsNow);

// `import FILE [--skip-duplicates]` (exit code 1: nothing imported): the import without a window, every
// question answered as the options say (repeats of balls are kept unless
// --skip-duplicates; the same draw twice is always left out).
CommandOutcome runCommand(const DataDir& dir, const std::vector<std::string>& args,
                          const Game& game = Game());

} // namespace velmorix::resultsimport
