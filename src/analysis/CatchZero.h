#pragma once

#include "core/BallMask.h"

#include "core/ColumnRecord.h"
#include "core/DataDir.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace velmorix {

// "Sıfırı Yakala": thinning the combination list with up to 64 columns that
// are expected to share no ball with the coming draw.
namespace catchzero {

inline constexpr int32_t MaxColumns = 64;

enum class Rule {
    AnyZero,     // kept when at least one catch-the-zero column shares no ball with it
    AllZero,     // kept when no catch-the-zero column shares a ball with it
    QuarterLimit // dropped when its similarities add up to 1.5 per record of the file
};

// Reading the start and end boxes against the number of catch-the-zero columns.
struct RangeCheck {
    enum class Outcome { Ok, ResetStart, ResetEnd, Error };
    Outcome outcome = Outcome::Ok;
    int32_t first = 0;
    int32_t last = 0;
    std::string message; // for Error
};
RangeCheck checkRange(std::string_view startText, std::string_view endText, int32_t count);

class Filter {
public:
    // `columns` are the catch-the-zero columns of the range; `fileRecords` is the
    // number of records of the whole file, the 25 per cent rule's divisor.
    Filter(Rule rule, const std::vector<ColumnRecord>& columns, int32_t fileRecords,
           const Game& game = Game());

    // A hand-made list column with a ball outside 1..N or a repeated ball is
    // dropped; such a catch-the-zero column is left out of every rule.
    bool keeps(const std::array<int16_t, 6>& balls) const;

private:
    Rule m_rule;
    Game m_game;
    std::vector<ColumnMask> m_masks;
    int32_t m_fileRecords;
};

// Phase 1 marks every record of the list, phase 2 keeps the marked ones.
using Progress = std::function<void(int phase, int32_t record)>;

// Rewrites VELMORIX.LST with the columns the filter keeps, in their order and
// with Tag = KeepMark, through VELMORIX.YLS. Returns the number kept. Throws FileError.
int32_t filterList(const DataDir& dir, const Filter& filter, const Progress& progress = {});

} // namespace catchzero
} // namespace velmorix
