// The file writers of the modules with each of their file-system steps failing
// in turn: what was there stays byte for byte, and no temporary is left but
// the ones the program names.
#include "DamagedFiles.h"
#include "FaultInjection.h"

#include "analysis/ChaosReport.h"
#include "analysis/GroupingConfig.h"
#include "analysis/ListElimination.h"
#include "analysis/ListReport.h"
#include "analysis/ResultsImport.h"
#include "analysis/ResultsRange.h"
#include "core/BallsFile.h"
#include "core/ColumnFile.h"
#include "core/FileError.h"
#include "engine/ListBuilder.h"
#include "engine/ListFilter.h"
#include "engine/PairsFile.h"
#include "engine/SelectionControls.h"
#include "engine/SelectionFile.h"

#include <functional>
#include <gtest/gtest.h>

using namespace velmorix;
using namespace velmorix::test;

namespace {

void folder(TempDataDir& d) {
    d.writeRecords(files::Results, goodColumns(30, 1));
    d.writeRecords(files::List, goodColumns(25, 2));
    d.writeRecords(files::Played, goodColumns(10, 3));
    d.writeWords(files::Balls, std::vector<int16_t>(52, 0));
    d.writeWords(files::Pairs, {1 * 50 + 2});
    d.writeBytes(files::Text, {'x'});
}

AppState bagState() {
    AppState s;
    for (int b = 2; b <= 13; ++b)
        s.BagBalls.push(b);
    s.BankoBalls.push(1);
    s.Selection = windowSelection(nullptr);
    return s;
}

// Runs `write` once per file-system step, failing that step: it must throw
// FileError (or report it) and leave the folder as it was.
void failEachStep(const std::function<void(const DataDir&)>& write,
                  const std::set<std::string>& mayChange = {}) {
    std::vector<FileCall> calls;
    {
        TempDataDir d;
        folder(d);
        StepRecorder recorder;
        recorder.install(d.dir());
        write(d.dir());
        calls = recorder.calls();
    }
    ASSERT_FALSE(calls.empty());
    for (std::size_t i = 0; i < calls.size(); ++i) {
        // Keeping the undo copy never fails the command that changes the list
        // (ListUndoTest covers those steps).
        if (calls[i].name.starts_with("VELMORIX.UN"))
            continue;
        SCOPED_TRACE(describe(calls[i]));
        TempDataDir d;
        folder(d);
        const FolderSnapshot before = snapshot(d);
        StepFailure failure(i);
        failure.install(d.dir());
        EXPECT_THROW(write(d.dir()), FileError);
        d.dir().setFaultHook({});
        for (const auto& line : folderDamage(before, snapshot(d), mayChange))
            ADD_FAILURE() << line;
    }
}

TEST(FailingDiskModules, ColumnListRewrites) {
    failEachStep([](const DataDir& d) { appendRecord(d, files::Played, goodColumns(1, 9)[0]); });
    failEachStep([](const DataDir& d) { appendList(d, files::List, files::Played); });
    failEachStep([](const DataDir& d) { deleteRecord(d, files::Results, 3, files::ResultsDelete); });
    failEachStep([](const DataDir& d) {
        eliminate(d, files::List, [](const ColumnRecord& r) { return r.Ball[0] > 5; });
    });
    failEachStep(
        [](const DataDir& d) { eliminateWithBackup(d, files::List, holdsNoneOf(BallMask{1} << 7)); });
    failEachStep([](const DataDir& d) { copyFileSafe(d, files::Played, files::List); });
}

TEST(FailingDiskModules, SmallFiles) {
    const AppState s = bagState();
    failEachStep([&](const DataDir& d) { saveBagAndBankers(s, d); });
    failEachStep([&](const DataDir& d) { saveSelectionFile(d, s.Selection); });
    failEachStep([](const DataDir& d) {
        PairTable counts;
        counts(5, 6) = counts(6, 5) = 1;
        writePairsFromCounts(d, counts, 1, true);
    });
    failEachStep([](const DataDir& d) { saveGroupingConfig(d, GroupingConfig{}); });
    failEachStep([](const DataDir& d) {
        const resultsimport::Parsed drawn = resultsimport::parse("01.01.2000 1 2 3 4 5 6\n");
        resultsimport::save(d, resultsimport::plan(drawn, readAllRecords(d, files::Results), false));
    });
}

TEST(FailingDiskModules, TextReports) {
    failEachStep([](const DataDir& d) {
        writeListReport(d, ListReportStyle::combinationList(), {1, 25, 25}, CalendarDate{2026, 12, 6});
    });
    // The working copy of the results is removed before the report takes the
    // place of VELMORIX.TXT, so even a refused removal leaves the old text.
    failEachStep([](const DataDir& d) { runChaosReport(d, 1, 30, "06.12.2026 12:34:56"); });
}

// The list commands report a failure in their result instead of throwing.
TEST(FailingDiskModules, BuildAndFilterReportTheFileAndKeepTheList) {
    const auto run = [](const DataDir& d, bool build) {
        AppState s = bagState();
        RunCallbacks cb;
        cb.confirm = [](const Question&) { return true; };
        if (build) {
            const BuildResult r = BuildNewList(s, d, FixedClock(), cb);
            if (r.error)
                throw *r.error;
        } else {
            const FilterResult r = FilterExistingList(s, d, FixedClock(), cb);
            if (r.error)
                throw *r.error;
        }
    };
    failEachStep([&](const DataDir& d) { run(d, true); }, {files::OldList});
    failEachStep([&](const DataDir& d) { run(d, false); });
}

} // namespace
