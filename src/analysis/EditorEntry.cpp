#include "EditorEntry.h"

#include "core/DateCode.h"
#include "core/Numbers.h"

#include <algorithm>

namespace velmorix::entry {

CellValues readCells(const std::array<std::string, 6>& texts) {
    CellValues values{};
    for (std::size_t i = 0; i < texts.size(); ++i)
        values[i] = ValWhole(texts[i]);
    return values;
}

std::optional<CellProblem> checkCells(const CellValues& values, const Game& game) {
    for (std::size_t i = 0; i < values.size(); ++i)
        if (!game.isBall(values[i]))
            return CellProblem{static_cast<int>(i) + 1,
                               "Kolon GEÇERSİZ değer nedeniyle kayıtlanamadı. Hücre: " +
                                   Str(static_cast<int64_t>(i) + 1) + " (" + Str(values[i]) + " ) !"};
    for (std::size_t i = 0; i + 1 < values.size(); ++i)
        for (std::size_t j = i + 1; j < values.size(); ++j)
            if (values[j] == values[i])
                return CellProblem{static_cast<int>(j) + 1,
                                   "Kolon TOP TEKRARI nedeniyle kayıtlanamadı. Top:" + Str(values[i]) +
                                       "  Hücre:" + Str(static_cast<int64_t>(j) + 1) + " !"};
    return std::nullopt;
}

std::array<int16_t, 6> ballsInOrder(const CellValues& values) {
    std::array<int16_t, 6> balls{};
    for (std::size_t i = 0; i < values.size(); ++i)
        balls[i] = static_cast<int16_t>(values[i]);
    return balls;
}

std::array<int16_t, 6> sortedBalls(const CellValues& values) {
    auto balls = ballsInOrder(values);
    std::sort(balls.begin(), balls.end());
    return balls;
}

std::string listBall(int ball) {
    if (ball >= 0 && ball < 10)
        return " 0" + digits(ball);
    return " " + digits(ball);
}

std::string listLine(const ColumnRecord& rec, bool withSum) {
    std::string line;
    int sum = 0;
    for (std::size_t i = 0; i < rec.Ball.size(); ++i) {
        if (i > 0)
            line += ",";
        line += listBall(rec.Ball[i]);
        sum += rec.Ball[i];
    }
    if (withSum) {
        std::string s = digits(sum);
        if (sum >= 0 && s.size() < 3)
            s.insert(0, 3 - s.size(), '0');
        line += "   [ " + s + " ]";
    }
    return line;
}

DateBoxes dateBoxesOf(int32_t tag) {
    const auto date = decodeDateCode(tag);
    if (!date || !inRange(date->year, DateCodeFirstYear, DateCodeLastYear) || !inRange(date->month, 1, 12) ||
        !inRange(date->day, 1, 31))
        return {};
    return {date->day, date->month, date->year};
}

DateTag dateTagOf(std::string_view dayText, std::string_view monthText, std::string_view yearText) {
    const int64_t day = ValWhole(dayText);
    if (!inRange(day, 1, 31))
        return {KeepMark, 1};
    const int64_t month = ValWhole(monthText);
    if (!inRange(month, 1, 12))
        return {KeepMark, 2};
    const int64_t year = ValWhole(yearText);
    if (!inRange(year, DateCodeFirstYear, DateCodeLastYear))
        return {KeepMark, 3};
    // The day is not checked against the month: a draw typed as 31 February keeps that date.
    return {encodeDateCode(static_cast<int>(year), static_cast<int>(month), static_cast<int>(day)), 0};
}

} // namespace velmorix::entry
