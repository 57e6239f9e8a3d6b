// Hand-made and damaged files through the modules that read them: the engine's
// build and list filter, the analyses and reports, and the list eliminations.
// Whatever a file holds, an operation ends with a sound result: a rewritten
// list holds whole, valid records, a damaged column never survives a test
// that judges columns, and counts skip it.
#include "DamagedFiles.h"

#include "analysis/ResultsRange.h"
#include "support/EngineTests.h"

#include <numeric>

RunCallbacks yesToAll() {
    return {[](const Question&) { return true; }, {}, {}};
}

AppState smallBag() {
    AppState s;
    for (int b : {3, 7, 12, 18, 22, 27, 31, 36, 40, 44, 49})
        s.BagBalls.push(b);
    s.BankoBalls.push(1);
    s.Selection = windowSelection(nullptr);
    return s;
}

// Every record a rewrite leaves is a whole, valid column.
void expectWholeValidList(TempDataDir& data, const std::string& name, const std::string& context) {
    const int64_t size = data.dir().fileSize(name);
    if (size < 0)
        return;
    EXPECT_EQ(size % 16, 0) << context;
    for (const auto& r : data.readRecords(name))
        EXPECT_TRUE(isValidColumn(r.Ball)) << context << ": kept a damaged column";
}

int32_t validCount(const std::vector<ColumnRecord>& records) {
    return static_cast<int32_t>(std::count_if(records.begin(), records.end(),
                                              [](const ColumnRecord& r) { return isValidColumn(r.Ball); }));
}

class DamagedListTest : public ::testing::TestWithParam<DamagedFile> {
protected:
    TempDataDir data;
    std::vector<ColumnRecord> stored; // as the readers see them: counted, the last one zero-filled

    void SetUp() override {
        data.writeBytes(files::List, GetParam().bytes);
        stored = readAllRecords(data.dir(), files::List);
        EXPECT_EQ(stored.size(), recordCountForLength(static_cast<int64_t>(GetParam().bytes.size())));
        int32_t shown = 0; // the list windows page through every record
        for (int32_t first = 0; first < static_cast<int32_t>(stored.size()); first += LinesPerPage)
            shown += static_cast<int32_t>(readListPage(data.dir(), files::List, first).records.size());
        EXPECT_EQ(shown, static_cast<int32_t>(stored.size()));
    }
};

TEST_P(DamagedListTest, TheExistingListFilterKeepsOnlyValidColumns) {
    AppState s = smallBag();
    s.Selection.ChaosOn = 0;
    s.Selection.MathRelOff = -1;
    const FilterResult r = FilterExistingList(s, data.dir(), FixedClock(), yesToAll());
    if (stored.empty()) {
        EXPECT_EQ(r.outcome, FilterOutcome::NothingToFilter);
        ASSERT_TRUE(r.message.has_value());
        return;
    }
    ASSERT_EQ(r.outcome, FilterOutcome::Filtered) << (r.error ? r.error->userText() : "");
    expectWholeValidList(data, files::List, GetParam().name);
    EXPECT_LE(r.kept, validCount(stored));
    EXPECT_TRUE(stateRangeProblems(s).empty());
}

TEST_P(DamagedListTest, EliminationsDropDamagedColumnsAndKeepTheRestInOrder) {
    const int32_t kept = eliminateWithBackup(data.dir(), files::List, holdsNoneOf(0));
    EXPECT_EQ(kept, validCount(stored));
    expectWholeValidList(data, files::List, GetParam().name);
    std::vector<ColumnRecord> expected;
    for (auto r : stored)
        if (isValidColumn(r.Ball)) {
            r.Tag = KeepMark;
            expected.push_back(r);
        }
    if (kept > 0) {
        EXPECT_EQ(data.readRecords(files::List), expected);
    } else {
        EXPECT_FALSE(data.dir().exists(files::List));
    }
    // The old list is the list as it was, bytes and all.
    EXPECT_EQ(data.readBytes(files::OldList), GetParam().bytes);
}

TEST_P(DamagedListTest, DeletingAppendingAndWritingTheTextKeepWholeRecords) {
    if (!stored.empty()) {
        deleteRecord(data.dir(), files::List, 1, files::ListDelete);
        EXPECT_EQ(data.readRecords(files::List), std::vector<ColumnRecord>(stored.begin() + 1, stored.end()));
        EXPECT_EQ(data.dir().fileSize(files::List) % 16, 0);
        data.writeBytes(files::List, GetParam().bytes);
    }
    data.writeRecords(files::Played, goodColumns(3, 1));
    appendList(data.dir(), files::List, files::Played);
    EXPECT_EQ(data.dir().fileSize(files::Played), static_cast<int64_t>(16 * (3 + stored.size())));

    ListReportRange range;
    range.first = 1;
    range.last = static_cast<int32_t>(stored.size());
    range.padNumber = range.last;
    writeListReport(data.dir(), ListReportStyle::combinationList(), range, CalendarDate{2026, 12, 6});
    const auto text = data.readBytes(files::Text);
    const auto lines = std::count(text.begin(), text.end(), '\n');
    EXPECT_EQ(lines, static_cast<std::ptrdiff_t>(stored.size()) + 5);
    if (GetParam().name == "mixed") {
        const std::string s(text.begin(), text.end());
        EXPECT_NE(s.find("32767"), std::string::npos) << "a damaged ball is shown as it is";
    }
}

TEST_P(DamagedListTest, AsResultsTheReportsCountOnlyValidDraws) {
    data.writeBytes(files::Results, GetParam().bytes);
    const RepetitionCounts counts = RepetitionCounts::of(stored);
    EXPECT_EQ(std::accumulate(counts.ball.begin() + 1, counts.ball.begin() + 50, int64_t{0}),
              6 * int64_t{validCount(stored)});
    const RangeStatistics stats = computeRangeStatistics(stored, true);
    EXPECT_EQ(stats.similarityTexts().size(), 6U);

    const int32_t n = static_cast<int32_t>(stored.size());
    const ChaosRun chaos = runChaosReport(data.dir(), 1, std::max(n, 1), "06.12.2026 12:34:56");
    EXPECT_FALSE(data.dir().exists(files::ResultsCopy));
    EXPECT_EQ(chaos.outcome == ChaosRun::Outcome::Written, n >= 2);
    if (n >= 2) {
        EXPECT_EQ(chaos.bytes, data.dir().fileSize(files::Text));
        const QuantumReport q = computeQuantum(stored, 1, n);
        for (std::size_t i = 0; i < q.values.size(); ++i)
            if (!isValidColumn(stored[i].Ball)) {
                EXPECT_EQ(q.values[i], 0) << "a damaged result is not measured";
            }
    }
    if (n >= 4)
        computeFollowing(stored, 1, n);
}

TEST_P(DamagedListTest, AsPlayedColumnsDamagedColumnsWinNothing) {
    data.writeBytes(files::Played, GetParam().bytes);
    const hits::Scan scan = hits::scanPlayedColumns(data.dir(), {7, 12, 13, 22, 31, 49});
    EXPECT_EQ(scan.scanned, !stored.empty());
    const auto counts = hits::countHits(hits::resultMask({7, 12, 13, 22, 31, 49}), stored);
    for (std::size_t i = 0; i < stored.size(); ++i)
        if (!isValidColumn(stored[i].Ball)) {
            EXPECT_EQ(counts[i], 0);
        }
    EXPECT_EQ(data.readBytes(files::Played), GetParam().bytes) << "the scan only reads";

    const int32_t written = writePairsFromPlayed(data.dir(), 1, 1, false).value();
    EXPECT_EQ(data.dir().fileSize(files::Pairs), 2 * int64_t{written});
}

// The similarity filters compare a damaged record the literal way: each of its
// balls found in the column counts, repeats included. A built list never holds
// a column too close to any record, valid or not.
TEST_P(DamagedListTest, BuildsHonourSimilarityWithDamagedRecords) {
    for (const char* name : {files::Results, files::Played, files::Sextets}) {
        SCOPED_TRACE(name);
        TempDataDir folder;
        folder.writeBytes(name, GetParam().bytes);
        AppState s = smallBag();
        int16_t& limit = name == std::string(files::Results)  ? s.Selection.ResultLimit
                         : name == std::string(files::Played) ? s.Selection.PlayedLimit
                                                              : s.Selection.SextetLimit;
        limit = 2; // fails a column sharing 4 or more balls
        const BuildResult r = BuildNewList(s, folder.dir(), FixedClock(), yesToAll());
        ASSERT_EQ(r.outcome, BuildOutcome::Built) << (r.error ? r.error->userText() : "");
        expectWholeValidList(folder, files::List, GetParam().name);
        if (stored.empty()) {
            EXPECT_FALSE(folder.dir().exists(name)) << "an empty data file is deleted by the run";
            EXPECT_EQ(limit, -1) << "and its filter switched off";
            continue;
        }
        for (const auto& column : folder.readRecords(files::List))
            for (const auto& other : stored)
                EXPECT_LT(literalShared(other.Ball, columnMask(column.Ball)), 4);
        EXPECT_EQ(folder.readBytes(name), GetParam().bytes) << "a data file is never rewritten by a build";
    }
}

INSTANTIATE_TEST_SUITE_P(Lists, DamagedListTest, ::testing::ValuesIn(damagedLists()),
                         [](const auto& info) { return info.param.name; });

// VELMORIX.DAT as the main window (gives up quietly) and the ball windows (say
// the file is damaged) load it: the state stays within its ranges, and a build
// from it either runs or is refused with a message.
TEST(DamagedBallsFile, LoadsKeepTheStateInRangeAndBuildsRunOrRefuse) {
    for (const auto& file : damagedBallFiles()) {
        SCOPED_TRACE(file.name);
        TempDataDir data;
        data.writeBytes(files::Balls, file.bytes);
        for (auto form : {LoadForm::MainWindow, LoadForm::Window}) {
            AppState s;
            s.BankoBalls.push(10);
            s.BagBalls.push(20);
            loadBag(s, data.dir(), form);
            loadBankers(s, data.dir(), form);
            EXPECT_TRUE(stateRangeProblems(s).empty());
            for (int i = 1; i <= s.BagBalls.count(); ++i)
                EXPECT_FALSE(s.BankoBalls.contains(s.BagBalls[i]));
        }
        EXPECT_EQ(data.readBytes(files::Balls), file.bytes) << "loading never writes";

        AppState s;
        loadBag(s, data.dir(), LoadForm::MainWindow);
        loadBankers(s, data.dir(), LoadForm::MainWindow);
        if (s.BagBalls.empty() || s.BagBalls.count() > 20)
            continue; // a build of every ball takes long; the loads are what is tested here
        std::istringstream in;
        std::ostringstream out, err;
        const int code = runBatch({"build"}, data.path(), in, out, err, false);
        EXPECT_TRUE(code == 0 || (code == 1 && !err.str().empty())) << err.str();
        expectWholeValidList(data, files::List, file.name);
    }
}

TEST(DamagedPairsFile, OnlyAReadableFileForbidsPairsAndNoRunDeletesIt) {
    for (const auto& file : damagedPairFiles()) {
        SCOPED_TRACE(file.name);
        TempDataDir data;
        data.writeBytes(files::Pairs, file.bytes);
        PairTable pairs;
        const bool loaded = loadRunPairs(data.dir(), pairs);
        const int32_t count = pairRecordCount(data.dir());
        EXPECT_EQ(loaded, count >= 1 && count <= MaxPairRecords);
        int marked = 0;
        for (int a = 0; a < 50; ++a)
            for (int b = 0; b < 50; ++b) {
                EXPECT_EQ(pairs(a, b), pairs(b, a));
                marked += a != b && pairs(a, b) != 0;
                if (pairs(a, b)) {
                    EXPECT_TRUE(a >= 1 && b >= 1);
                }
            }
        if (file.name == "pairs-1177") {
            EXPECT_EQ(marked, 0) << "more pairs than there are means no forbidden pairs";
        }

        AppState s = smallBag();
        s.Selection.ForbiddenPairsOn = -1;
        const BuildResult r = BuildNewList(s, data.dir(), FixedClock(), yesToAll());
        ASSERT_EQ(r.outcome, BuildOutcome::Built);
        EXPECT_EQ(s.Selection.ForbiddenPairsOn, -1) << "the player's tick stays, applied or not";
        for (const auto& column : data.readRecords(files::List))
            for (std::size_t i = 0; i < 6; ++i)
                for (std::size_t j = i + 1; j < 6; ++j)
                    if (column.Ball[i] != column.Ball[j]) {
                        EXPECT_EQ(pairs(column.Ball[i], column.Ball[j]), 0);
                    }
        EXPECT_EQ(data.readBytes(files::Pairs), file.bytes) << "only the pairs editor deletes the file";
    }
}

TEST(DamagedSelectionFile, OnlyA170ByteFileLoadsAndWhatLoadsRunsWithinRange) {
    for (const auto& file : damagedSelectionFiles()) {
        SCOPED_TRACE(file.name);
        TempDataDir data;
        data.writeBytes(files::Selection, file.bytes);
        const auto records = readSelectionFile(data.dir());
        ASSERT_EQ(records.has_value(), file.bytes.size() == 170);
        AppState s = smallBag();
        s.Selection = windowSelection(records ? &*records : nullptr);
        EXPECT_TRUE(selectionRangeProblems(s.Selection).empty());
        const BuildResult r = BuildNewList(s, data.dir(), FixedClock(), yesToAll());
        EXPECT_EQ(r.outcome, BuildOutcome::Built);
        expectWholeValidList(data, files::List, file.name);
        EXPECT_EQ(data.readBytes(files::Selection), file.bytes);
    }
}
