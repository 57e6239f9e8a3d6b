#include "HitScan.h"

#include "core/ColumnFile.h"
#include "core/Numbers.h"

#include <algorithm>

namespace velmorix::hits {

namespace {

constexpr const char* CrLf = "\r\n";

// Progress is passed on every this many columns (and for the last one).
constexpr int32_t ProgressStep = 1024;

void report(const Progress& progress, int phase, int32_t column, int32_t last) {
    if (progress && (column % ProgressStep == 0 || column == last))
        progress(phase, column);
}

std::string columnLine(int32_t number, const ColumnRecord& rec) {
    std::string line = " Kolon" + Str(number) + " :   ";
    for (std::size_t i = 0; i < rec.Ball.size(); ++i) {
        if (i > 0)
            line += " ,";
        line += Str(rec.Ball[i]);
    }
    return line + CrLf;
}

} // namespace

std::optional<int> firstInvalidCell(const std::array<int64_t, 6>& values, const Game& game) {
    for (std::size_t i = 0; i < values.size(); ++i)
        if (!game.isBall(values[i]))
            return static_cast<int>(i) + 1;
    return std::nullopt;
}

std::string invalidCellMessage(int cell) {
    return Str(cell) + ". hücredeki top numarası GEÇERSİZ !... Düzeltin...";
}

ColumnMask resultMask(const std::array<int64_t, 6>& values, const Game& game) {
    ColumnMask mask = 0;
    for (int64_t v : values)
        if (game.isBall(v))
            mask |= ballBit(static_cast<int>(v));
    return mask;
}

std::vector<uint8_t> countHits(ColumnMask mask, const std::vector<ColumnRecord>& played, const Game& game) {
    std::vector<uint8_t> out(played.size());
    for (std::size_t i = 0; i < played.size(); ++i)
        out[i] = static_cast<uint8_t>(ballCount(columnBalls(game, played[i].Ball) & mask));
    return out;
}

std::string reportText(const std::vector<ColumnRecord>& played, const std::vector<uint8_t>& hitCounts,
                       const Progress& progress, const Game& game) {
    const int lowest = game.lowestPrize();
    const auto m = static_cast<int32_t>(std::min(played.size(), hitCounts.size()));
    const int highest = m > 0 ? *std::max_element(hitCounts.begin(), hitCounts.begin() + m) : 0;
    if (highest < lowest)
        return std::string(CrLf) + " Hiç bir kolona ikramiye isabet etmedi...";

    std::string text;
    int32_t total = 0;
    int phase = 2;
    for (int level = highest; level >= lowest; --level, ++phase) {
        int32_t atLevel = 0;
        for (int32_t k = 1; k <= m; ++k) {
            report(progress, phase, k, m);
            if (hitCounts[static_cast<std::size_t>(k - 1)] != level)
                continue;
            if (atLevel++ == 0)
                text += CrLf + Str(level) + " Tutturulan Kolonlar:" + CrLf;
            text += columnLine(k, played[static_cast<std::size_t>(k - 1)]);
        }
        total += atLevel;
    }
    return text + CrLf + Str(total) + " kolona ikramiye isabet etti...";
}

Scan scanPlayedColumns(const DataDir& dir, const std::array<int64_t, 6>& result, const Progress& progress,
                       const Game& game) {
    Scan scan;
    std::vector<ColumnRecord> played = readAllRecords(dir, files::Played);
    scan.columns = static_cast<int32_t>(played.size());
    if (played.empty())
        return scan;
    const std::vector<uint8_t> counts = countHits(resultMask(result, game), played, game);
    if (progress)
        progress(1, scan.columns);
    scan.scanned = true;
    scan.prizeColumns = static_cast<int32_t>(
        std::count_if(counts.begin(), counts.end(), [&](uint8_t c) { return c >= game.lowestPrize(); }));
    scan.report = reportText(played, counts, progress, game);
    return scan;
}

} // namespace velmorix::hits
