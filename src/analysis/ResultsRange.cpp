#include "ResultsRange.h"

#include "core/BallMask.h"

#include "core/ColumnFile.h"
#include "core/ListUndo.h"
#include "core/Numbers.h"
#include "core/SafeFile.h"

#include <set>

namespace velmorix {

namespace {

constexpr int64_t FirstTooLarge = 32768;
// The selection file: 85 records, then 7 more for every decade past the fifth.
int64_t selectionFileSize(const Game& game) {
    return 170 + 14 * (int64_t{game.decades()} - 5);
}
constexpr int SumLeastRecord = 83;

std::string invalidText(const char* what, int32_t count) {
    return std::string(what) + " kolon numarası GEÇERSİZ !\r\r[ KOLON SAYISI =" + Str(count) + " ]";
}

} // namespace

RangeCheck checkRange(std::string_view startText, std::string_view endText, int32_t count) {
    RangeCheck c;
    const int64_t first = ValWhole(startText);
    if (first >= FirstTooLarge) {
        c.problem = RangeCheck::Problem::StartTooLarge;
        c.boxReset = "1";
        return c;
    }
    if (!inRange(first, 1, count)) {
        c.problem = RangeCheck::Problem::StartInvalid;
        c.message = invalidText("Başlangıç", count);
        return c;
    }
    const int64_t last = ValWhole(endText);
    if (last >= FirstTooLarge) {
        c.problem = RangeCheck::Problem::EndTooLarge;
        c.boxReset = digits(count);
        return c;
    }
    if (!inRange(last, 1, count)) {
        c.problem = RangeCheck::Problem::EndInvalid;
        c.message = invalidText("Bitiş", count);
        return c;
    }
    if (last < first) {
        c.problem = RangeCheck::Problem::EndBeforeStart;
        c.message = "Bitiş kolon numarası başlangıç kolon numarasından az olamaz !";
        return c;
    }
    c.first = static_cast<int16_t>(first);
    c.last = static_cast<int16_t>(last);
    return c;
}

MinCountCheck checkMinPairCount(std::string_view text, int32_t columns) {
    MinCountCheck c;
    c.value = ValWhole(text);
    if (!inRange(c.value, 1, columns))
        c.message = "En az tekrar sayısı GEÇERSİZ !\r\r[ Kullanılan Sonuç Sayısı =" + Str(columns) + " ]";
    return c;
}

std::vector<ColumnRecord> readResultRange(const DataDir& dir, int32_t first, int32_t last) {
    if (last < first)
        return {};
    return readRecords(dir, files::Results, first, last - first + 1);
}

int32_t saveResultsAsList(const DataDir& dir, const std::vector<ColumnRecord>& results) {
    const ListUndoPoint undo(dir, "Sonuçları liste olarak kayıtlama");
    if (dir.exists(files::List))
        copyFileSafe(dir, files::List, files::OldList);
    writeAllRecords(dir, files::List, results, files::Temp);
    return static_cast<int32_t>(results.size());
}

int32_t saveResultsAsSextets(const DataDir& dir, const std::vector<ColumnRecord>& results) {
    writeAllRecords(dir, files::Sextets, results, files::SextetsDelete);
    return static_cast<int32_t>(results.size());
}

int32_t addResultsToSextets(const DataDir& dir, const std::vector<ColumnRecord>& results, const Game& game) {
    std::vector<ColumnRecord> sextets = readAllRecords(dir, files::Sextets);
    if (sextets.empty())
        return 0;
    // The sextets are read once; a sextet with a repeated or out-of-range
    // ball matches no result.
    std::set<ColumnMask> present;
    for (const ColumnRecord& s : sextets)
        if (const ColumnMask m = columnBalls(game, s.Ball))
            present.insert(m);
    int32_t added = 0;
    for (const ColumnRecord& r : results) {
        const ColumnMask m = columnBalls(game, r.Ball);
        if (m != 0 && present.count(m) != 0)
            continue;
        sextets.push_back(r);
        ++added;
    }
    if (added > 0)
        writeAllRecords(dir, files::Sextets, sextets, files::SextetsDelete);
    return added;
}

bool sumLimitsCanBeSaved(const DataDir& dir, const Game& game) {
    return dir.fileSize(files::Selection) == selectionFileSize(game);
}

bool saveSumLimits(const DataDir& dir, int16_t least, int16_t greatest, const Game& game) {
    if (!sumLimitsCanBeSaved(dir, game))
        return false;
    std::vector<unsigned char> bytes = readWholeFile(dir, files::Selection);
    if (static_cast<int64_t>(bytes.size()) != selectionFileSize(game))
        return false;
    auto put = [&](int record, int16_t value) {
        const auto at = static_cast<std::size_t>(2 * (record - 1));
        const auto u = static_cast<uint16_t>(value);
        bytes[at] = static_cast<unsigned char>(u & 0xFF);
        bytes[at + 1] = static_cast<unsigned char>(u >> 8);
    };
    put(SumLeastRecord, least);
    put(SumLeastRecord + 1, greatest);
    writeWholeFile(dir, files::Selection, bytes);
    return true;
}

} // namespace velmorix
