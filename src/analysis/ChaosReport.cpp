#include "ChaosReport.h"

#include "GameChaos.h"
#include "ResultsRange.h"
#include "StatisticsReport.h"
#include "core/ColumnFile.h"
#include "core/Encoding.h"
#include "core/FileError.h"
#include "core/Numbers.h"
#include "core/SafeFile.h"

#include <algorithm>

namespace velmorix {

namespace chaosreport {

namespace {

const char* const CrLf = "\r\n";

// The report's tests 1..10 are these chaos rules of the filters; rule 2 (a
// ball of the fixed set) is not part of the report.
constexpr std::array<int, TestCount> FilterRule{1, 3, 4, 5, 6, 7, 9, 8, 10, 11};

const char* const Titles[TestCount] = {
    "", // composed from the game's limits
    "* 3 top 1'er veya 2'şer farkla sıralı olamaz koşulu:",
    "* 3 ikilinin veya 4 topun sayı farkı aynı olamaz koşulu:",
    "* 3 topta 2'ye katlama olamaz koşulu:",
    "* 3 topta 3'e katlama olamaz koşulu:",
    "* Son rakamların tamamı 4'den büyük yada 5'den küçük olamaz koşulu:",
    "* Onluk gurupların sayısı 3'den az olamaz koşulu:",
    "* Her bir onluk guruptan en çok 3 top olabilir koşulu:",
    "", // composed from the game's limits
    "* 6 tek sayı veya 6 çift sayı olamaz koşulu:",
};

// A limit followed by its suffix: the 6/49 spelling for the 6/49 limit, the
// spoken suffix for any other.
std::string limitText(int value, int legacyValue, const char* legacySuffix) {
    return digits(value) + "'" +
           (value == legacyValue ? std::string(legacySuffix) : std::string(ablativeSuffix(value)));
}

std::string twoDigits(int v) {
    return v >= 0 && v < 10 ? "0" + digits(v) : digits(v);
}

std::string padded(int number, int width) {
    std::string s = digits(number);
    if (static_cast<int>(s.size()) < width)
        s.insert(0, static_cast<std::size_t>(width) - s.size(), '0');
    return s;
}

std::string failureLine(int number, int width, std::array<int16_t, 6> balls) {
    std::sort(balls.begin(), balls.end());
    std::string line = "    Sonuç " + padded(number, width) + "-  ";
    for (std::size_t i = 0; i < balls.size(); ++i)
        line += (i > 0 ? ", " : "") + twoDigits(balls[i]);
    return line + CrLf;
}

} // namespace

std::string testTitle(int test, const Game& game) {
    if (test == 1)
        return "* " + limitText(game.scaled(17), 17, "den") + " küçük en az 1, " +
               limitText(game.scaled(26) - 1, 25, "den") + " büyük en az 1 sayı koşulu:";
    if (test == 9) {
        const int least = game.scaled(10);
        const int most = game.scaled(19);
        const std::string middle =
            least == 10 && most == 19 ? "10'lu" : digits(least) + "-" + digits(most) + " arası";
        return "* " + limitText(game.scaled(5), 5, "den") + " az sayı farklı en az 2 ve " + middle +
               " sayı farklı en az 1 ikili koşulu:";
    }
    return Titles[test - 1];
}

bool failsTest(int test, const std::array<int16_t, 6>& balls, const Game& game) {
    const ColumnMask column = columnBalls(game, balls);
    return column == 0 || chaos::ruleFailsFor(game, FilterRule[static_cast<std::size_t>(test - 1)], column);
}

std::string failureShare(int32_t failures, int32_t tested) {
    const int64_t perMille = int64_t{failures} * 1000 / std::max<int32_t>(tested, 1);
    return fractionText(perMille, 10, 1);
}

std::string build(const std::vector<ColumnRecord>& range, int first, int last, const std::string& dateTime,
                  const Progress& progress, const Game& game) {
    std::string out;
    auto write = [&](const std::string& utf8) { out += toWindows1254(utf8); };
    auto report = [&](const std::string& caption) {
        if (progress)
            progress(caption);
    };
    auto bytesCaption = [&](const std::string& step) {
        return step + "  BYTE=" + Str(static_cast<int64_t>(out.size()));
    };

    write(std::string("VELMORIX 653 DİZİMCİ Uyarlama 4.5") + CrLf +
          "<Sonuçların Kaos Filtreleriyle Uygunluğu>  [" + dateTime + " ]" + CrLf + CrLf);
    report(bytesCaption("TEST" + Str(0)));

    const auto tested = static_cast<int32_t>(range.size());
    const int width = static_cast<int>(digits(last).size());
    for (int test = 1; test <= TestCount; ++test) {
        const std::string step = "TEST" + Str(test);
        report(step);
        std::string block = testTitle(test, game) + CrLf;
        int32_t failures = 0;
        for (std::size_t i = 0; i < range.size(); ++i) {
            if (!failsTest(test, range[i].Ball, game))
                continue;
            block += failureLine(first + static_cast<int>(i), width, range[i].Ball);
            ++failures;
        }
        block += failures == 0 ? std::string("    Koşula Uymayan= YOK") + CrLf
                               : "    Koşula Uymayan= %" + failureShare(failures, tested) + CrLf;
        write(block);
        report(bytesCaption(step));
    }

    write(std::string(CrLf) + "<Toplam" + Str(tested) + " sonuç (" + digits(first) + "-" + digits(last) +
          ") test edildi.>" + CrLf);
    report(bytesCaption("TEST 12"));
    return out;
}

} // namespace chaosreport

namespace {

ChaosRun testCopy(const DataDir& dir, int32_t first, int32_t last, const std::string& dateTime,
                  const chaosreport::Progress& progress, const Game& game, std::string& report) {
    ChaosRun run;
    run.count = recordCount(dir, files::ResultsCopy);
    if (run.count == 0) {
        run.outcome = ChaosRun::Outcome::NoResults;
        return run;
    }
    if (first >= last) {
        run.outcome = ChaosRun::Outcome::TooFewResults;
        return run;
    }
    if (first < 1 || last > run.count) {
        run.outcome = ChaosRun::Outcome::OutsideFile;
        return run;
    }
    const std::vector<ColumnRecord> range = readRecords(dir, files::ResultsCopy, first, last - first + 1);
    report = chaosreport::build(range, first, last, dateTime, progress, game);
    run.bytes = static_cast<int64_t>(report.size());
    return run;
}

} // namespace

ChaosRun runChaosReport(const DataDir& dir, int32_t first, int32_t last, const std::string& dateTime,
                        const chaosreport::Progress& progress, const Game& game) {
    if (!dir.exists(files::Results))
        return {ChaosRun::Outcome::NoResults, 0, 0};
    copyFileSafe(dir, files::Results, files::ResultsCopy);
    ChaosRun run;
    std::string report;
    try {
        run = testCopy(dir, first, last, dateTime, progress, game, report);
    } catch (...) {
        // The working copy goes on every path; the first error is the one to
        // report.
        try {
            dir.remove(files::ResultsCopy);
        } catch (const FileError&) {
        }
        throw;
    }
    // The working copy goes before the report takes its place: when it cannot
    // be removed, VELMORIX.TXT is still the old one and the error says why.
    dir.remove(files::ResultsCopy);
    if (run.outcome == ChaosRun::Outcome::Written) {
        SafeFileWriter writer(dir, files::Text, defaultTempName(files::Text));
        writer.write(report.data(), report.size());
        writer.commit();
    }
    return run;
}

std::string chaosWrittenText(int64_t bytes) {
    return Str(bytes) + " byte 'VELMORIX.TXT' dosyasına kayıtlandı...";
}

CommandOutcome chaosReportCommand(const DataDir& dir, const Clock& clock,
                                  const std::vector<std::string>& args, const Game& game) {
    if (args.size() != 2)
        return messageOutcome(2, "Kullanım: velmorix-batch chaos-report İLK SON");
    auto refused = [](std::string text) { return messageOutcome(1, std::move(text)); };
    const int32_t count = recordCount(dir, files::Results);
    if (count == 0)
        return refused(nothingToEvaluateText(StatisticsSource::Results));
    RangeCheck range = checkRange(args[0], args[1], count);
    // The dialog answers a number too large for its boxes by putting a valid
    // one back; without a box that is the same refusal as any number outside the
    // file.
    if (range.problem == RangeCheck::Problem::StartTooLarge)
        range = checkRange("0", args[1], count);
    else if (range.problem == RangeCheck::Problem::EndTooLarge)
        range = checkRange(args[0], "0", count);
    if (!range.ok())
        return refused(range.message);
    try {
        const ChaosRun run = runChaosReport(dir, range.first, range.last, reportDateTime(clock), {}, game);
        switch (run.outcome) {
        case ChaosRun::Outcome::Written:
            return messageOutcome(0, chaosWrittenText(run.bytes));
        case ChaosRun::Outcome::NoResults:
            return refused(nothingToEvaluateText(StatisticsSource::Results));
        case ChaosRun::Outcome::TooFewResults:
            return refused(ChaosTooFewText);
        case ChaosRun::Outcome::OutsideFile:
            return refused(checkRange(args[0], "0", run.count).message);
        }
    } catch (const FileError& e) {
        return refused(e.userText());
    }
    return {{}, {}, 1};
}

} // namespace velmorix
