#include "CatchZero.h"

#include "core/ColumnFile.h"
#include "core/ListUndo.h"
#include "core/Numbers.h"

#include <algorithm>
#include <climits>

namespace velmorix::catchzero {

namespace {

std::string countLine(int32_t count) {
    return "\r\r[ KOLON SAYISI =" + Str(count) + " ]";
}

} // namespace

RangeCheck checkRange(std::string_view startText, std::string_view endText, int32_t count) {
    RangeCheck check;
    const double start = Val(startText);
    if (start >= MaxColumns + 1) {
        check.outcome = RangeCheck::Outcome::ResetStart;
        return check;
    }
    check.first = static_cast<int32_t>(std::max<int64_t>(roundHalfEven(start), INT32_MIN));
    if (!inRange(check.first, 1, count)) {
        check.outcome = RangeCheck::Outcome::Error;
        check.message = "Başlangıç kayıt numarası GEÇERSİZ !" + countLine(count);
        return check;
    }
    const double end = Val(endText);
    if (end >= MaxColumns + 1) {
        check.outcome = RangeCheck::Outcome::ResetEnd;
        return check;
    }
    check.last = static_cast<int32_t>(std::max<int64_t>(roundHalfEven(end), INT32_MIN));
    if (!inRange(check.last, 1, count)) {
        check.outcome = RangeCheck::Outcome::Error;
        check.message = "Bitiş kayıt numarası GEÇERSİZ !" + countLine(count);
        return check;
    }
    if (check.last < check.first) {
        check.outcome = RangeCheck::Outcome::Error;
        check.message = "Bitiş kayıt numarası başlangıç kayıt numarasından az olamaz !";
    }
    return check;
}

Filter::Filter(Rule rule, const std::vector<ColumnRecord>& columns, int32_t fileRecords, const Game& game)
    : m_rule(rule), m_game(game), m_fileRecords(fileRecords) {
    for (const auto& c : columns)
        if (const ColumnMask mask = columnBalls(game, c.Ball))
            m_masks.push_back(mask);
}

bool Filter::keeps(const std::array<int16_t, 6>& balls) const {
    const ColumnMask column = columnBalls(m_game, balls);
    if (column == 0)
        return false;
    switch (m_rule) {
    case Rule::AnyZero:
        for (ColumnMask m : m_masks)
            if ((m & column) == 0)
                return true;
        return false;
    case Rule::AllZero:
        for (ColumnMask m : m_masks)
            if ((m & column) != 0)
                return false;
        return true;
    case Rule::QuarterLimit: {
        int64_t total = 0;
        for (ColumnMask m : m_masks)
            total += ballCount(m & column);
        // Dropped at 1.5 shared balls per record of the file, counted exactly.
        return 2 * total < 3 * int64_t{m_fileRecords};
    }
    }
    return false;
}

int32_t filterList(const DataDir& dir, const Filter& filter, const Progress& progress) {
    const ListUndoPoint undo(dir, "Sıfır yakalama elemesi");
    int32_t record = 0;
    const int32_t kept = rewriteList(dir, files::List, files::ListDelete, [&](ColumnRecord& r) {
        ++record;
        if (progress && (record & 1023) == 0)
            progress(1, record);
        if (!filter.keeps(r.Ball))
            return false;
        r.Tag = KeepMark;
        return true;
    });
    if (progress)
        progress(2, kept);
    return kept;
}

} // namespace velmorix::catchzero
