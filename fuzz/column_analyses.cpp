// What the program computes from the records of results, played columns and
// lists: counts, statistics, the chaos report, hits, quantum and following
// numbers, the thinning commands. Hand-made records may hold any value.
#include "FuzzSupport.h"

#include "analysis/CatchZero.h"
#include "analysis/ChaosReport.h"
#include "analysis/EditorEntry.h"
#include "analysis/FollowingNumbers.h"
#include "analysis/HitScan.h"
#include "analysis/ListElimination.h"
#include "analysis/QuantumListFilter.h"
#include "analysis/QuantumStatistics.h"
#include "analysis/RangeStatistics.h"
#include "analysis/RepetitionCounts.h"
#include "analysis/StatisticsReport.h"
#include "core/ColumnFile.h"
#include "core/DateCode.h"
#include "core/ListUndo.h"
#include "engine/RepetitionBan.h"
#include "engine/SubsetIndex.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace velmorix;
using fuzz::require;

namespace {

void checkCounts(const std::vector<ColumnRecord>& records) {
    const RepetitionCounts counts = RepetitionCounts::of(records);
    int32_t valid = 0;
    for (const auto& r : records)
        valid += isValidColumn(r.Ball);
    int64_t balls = 0;
    for (int b = 1; b <= 49; ++b) {
        require(counts.ball[static_cast<std::size_t>(b)] >= 0, "negative ball count");
        balls += counts.ball[static_cast<std::size_t>(b)];
    }
    require(balls == 6 * int64_t{valid}, "ball counts do not add up to the valid columns");
    require(ballCountLines(counts).size() == 49, "ball count lines");
    require(pairCountLines(counts).size() == 1176, "pair count lines");

    const RangeStatistics stats = computeRangeStatistics(records, true);
    for (int g = 0; g < 5; ++g)
        require(!stats.groupMeanText(g).empty(), "group mean text");
    require(!stats.sumMeanText().empty() && stats.similarityTexts().size() == 6, "statistics texts");
    const auto f = stats.figures;
    if (valid > 0)
        require(f.SumLow >= 21 && f.SumHigh <= 279 && f.SumLow <= f.SumHigh, "sum figures");
    const auto dateTime = std::string("06.12.2026 12:34:56");
    for (auto source : {StatisticsSource::Results, StatisticsSource::List, StatisticsSource::Played}) {
        ballCountPrintout(source, static_cast<int>(records.size()), stats, dateTime);
        pairCountPrintout(source, static_cast<int>(records.size()), stats, dateTime);
        figuresPrintout(source, 1, static_cast<int>(records.size()), stats, dateTime);
    }
    const auto sums = sumsWithoutExtremes(records, f.SumLow, f.SumHigh);
    require(sums.count >= 0 && sums.count <= valid, "sums without extremes");
    extremeFreeSumsMessage(sums, f, 1, static_cast<int>(records.size()));
    if (!records.empty()) {
        const auto s = comparePlayedWithResults(
            records, records.back(),
            records.size() > 1 ? std::optional<ColumnRecord>(records[records.size() - 2]) : std::nullopt);
        require(s.highestWithLast >= 0 && s.highestWithLast <= 6, "similarity with the last result");
        playedSimilarityMessage(s);
    }
}

void checkReports(const std::vector<ColumnRecord>& records, FuzzedDataProvider& in) {
    const int n = static_cast<int>(records.size());
    const std::string report = chaosreport::build(records, 1, n, "06.12.2026 12:34:56");
    require(!report.empty(), "chaos report");

    std::array<int64_t, 6> result{};
    for (auto& v : result)
        v = in.ConsumeIntegralInRange<int64_t>(1, 49);
    const auto hitCounts = hits::countHits(hits::resultMask(result), records);
    require(hitCounts.size() == records.size(), "hit counts");
    for (std::size_t i = 0; i < records.size(); ++i)
        require(hitCounts[i] <= 6 && (isValidColumn(records[i].Ball) || hitCounts[i] == 0), "hit count");
    hits::reportText(records, hitCounts);

    for (const auto& r : records) {
        entry::listLine(r, true);
        const auto date = entry::dateBoxesOf(r.Tag);
        require(date.day >= 0 && date.day <= 31 && date.month >= 0 && date.month <= 12, "date boxes");
        decodeDateCode(r.Tag);
        for (int test = 1; test <= chaosreport::TestCount; ++test)
            chaosreport::failsTest(test, r.Ball);
    }

    if (n >= 2) {
        const QuantumReport q = computeQuantum(records, 1, n);
        require(q.values.size() == static_cast<std::size_t>(n), "quantum values");
        for (int16_t v : q.values)
            require(v == 0 || (v >= 21 && v <= 279), "Kuantum value");
        const auto cover = coverageLimits(q.values, q.overall.min, q.overall.max);
        require(cover.percent >= 0 && cover.percent <= 100, "coverage");
        for (bool twelve : {true, false})
            rankGroupsConfig(q.ranking, q.limits, twelve);
    }
    if (n >= 4) {
        const FollowReport f = computeFollowing(records, 1, n);
        // A damaged last result gives no ranking, and says so.
        require(f.referenceValid || (f.scoreLines.empty() && f.bestSixText.empty()),
                "ranking of a damaged result");
        for (int p = 1; f.referenceValid && p <= 49; ++p) {
            const int ball = f.ranking.order[static_cast<std::size_t>(p)];
            require(ball >= 1 && ball <= 49, "following order");
        }
    }
}

void checkIndexes(const std::vector<ColumnRecord>& records, FuzzedDataProvider& in) {
    const int k = in.ConsumeIntegralInRange<int>(1, 6);
    SubsetIndex index(k);
    RepetitionBan ban(in.ConsumeIntegralInRange<int>(2, 6), true);
    for (const auto& r : records) {
        index.add(r.Ball);
        ban.offer(r.Ball);
    }
    for (const auto& r : records)
        if (const auto column = SortedColumn::from(r.Ball)) {
            int shared = 0;
            for (const auto& o : records)
                shared = std::max(shared, literalShared(o.Ball, column->mask));
            require(index.sharesWith(*column) == (shared >= k), "SubsetIndex against the literal count");
        }
}

void checkThinning(const std::vector<ColumnRecord>& records, FuzzedDataProvider& in) {
    auto& scratch = fuzz::ScratchDir::get();
    const DataDir& dir = scratch.dir();
    const auto bytes = fuzz::encodeRecords(records);
    const auto put = [&] { scratch.put(files::List, bytes); };

    put();
    const ColumnMask balls = in.ConsumeIntegral<uint64_t>() & (((ColumnMask{1} << 50) - 1) & ~ColumnMask{1});
    const int choice = in.ConsumeIntegralInRange<int>(0, 3);
    const ColumnTest test = choice == 0   ? holdsNoneOf(balls)
                            : choice == 1 ? holdsAnyOf(balls)
                            : choice == 2
                                ? holdsAtMostOneOf(balls)
                                : ColumnTest([](const ColumnRecord& c) { return passesPairDifferences(c); });
    const int32_t kept = eliminateWithBackup(dir, files::List, test);
    require(kept >= 0 && dir.fileSize(files::List) == (kept ? int64_t{kept} * 16 : -1), "elimination length");

    put();
    const std::vector<ColumnRecord> zero(
        records.begin(), records.begin() + static_cast<std::ptrdiff_t>(
                                               std::min<std::size_t>(records.size(), catchzero::MaxColumns)));
    const catchzero::Filter filter(static_cast<catchzero::Rule>(in.ConsumeIntegralInRange<int>(0, 2)), zero,
                                   static_cast<int32_t>(records.size()));
    const int32_t zeroKept = catchzero::filterList(dir, filter);
    require(dir.fileSize(files::List) <= 0 || dir.fileSize(files::List) == int64_t{zeroKept} * 16,
            "catch-the-zero length");

    put();
    QuantumSettings q;
    const auto counts = RepetitionCounts::of(records);
    q.Rtor = rankByRepetitions(counts.ball, static_cast<int32_t>(records.size())).rtor;
    q.GKMIN = in.ConsumeIntegral<int16_t>();
    q.GKMAX = in.ConsumeIntegral<int16_t>();
    q.GB0 = in.ConsumeIntegral<int16_t>();
    q.GB1 = in.ConsumeIntegral<int16_t>();
    q.gi6kmin = in.ConsumeIntegral<int16_t>();
    q.gs6kmax = in.ConsumeIntegral<int16_t>();
    const int32_t quantumKept = eliminateByQuantum(dir, q);
    require(dir.fileSize(files::List) <= 0 || dir.fileSize(files::List) == int64_t{quantumKept} * 16,
            "quantum elimination length");

    for (const auto& name : scratch.fileNames())
        require(name == files::List || name == files::OldList || name == files::UndoList ||
                    name == files::UndoName,
                "stray file " + name);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    fuzz::ScratchDir::get().clear();
    const auto length = in.ConsumeIntegralInRange<std::size_t>(0, 16 * 80);
    const auto bytes = in.ConsumeBytes<unsigned char>(length);
    const auto records = fuzz::decodeRecords(bytes.data(), bytes.size());
    checkCounts(records);
    checkReports(records, in);
    checkIndexes(records, in);
    checkThinning(records, in);
    return 0;
}
