// A file writer with each of its file-system steps failing in turn: what was
// there stays byte for byte, and no temporary is left but the ones the program
// names.
#include "DamagedFiles.h"
#include "FaultInjection.h"

#include "support/EngineTests.h"

void folder(TempDataDir& d) {
    d.writeRecords(files::Results, goodColumns(30, 1));
    d.writeRecords(files::List, goodColumns(25, 2));
    d.writeRecords(files::Played, goodColumns(10, 3));
    d.writeWords(files::Balls, std::vector<int16_t>(52, 0));
    d.writeWords(files::Pairs, {1 * 50 + 2});
    d.writeBytes(files::Text, {'x'});
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

// The window commands run every other writer with each step failing
// (FailingDiskTest); the results import is driven here.
TEST(FailingDiskModules, ResultsImport) {
    failEachStep([](const DataDir& d) {
        const resultsimport::Parsed drawn = resultsimport::parse("01.01.2000 1 2 3 4 5 6\n");
        resultsimport::save(d, resultsimport::plan(drawn, readAllRecords(d, files::Results), false));
    });
}

// The "! HATA !" text of each failing step names the list and its temporary,
// in the player's words.
TEST(FailingDiskModules, EachStepOfARewriteSaysWhatFailed) {
    const std::pair<FileStep, const char*> cases[] = {
        {FileStep::Create, "geçici dosya (VELMORIX.TMP) oluşturulamadı\r(disk dolu)"},
        {FileStep::Write, "geçici dosyaya (VELMORIX.TMP) yazılamadı\r(disk dolu)"},
        {FileStep::Sync, "geçici dosya (VELMORIX.TMP) diske yazılamadı\r(disk dolu)"},
        {FileStep::Rename, "yerine konamadı (VELMORIX.TMP)\r(disk dolu)"},
    };
    for (const auto& [step, text] : cases) {
        TempDataDir d;
        d.dir().setFaultHook(
            [step](FileStep s, const std::string&, int64_t) { return s == step ? ENOSPC : 0; });
        try {
            SafeFileWriter w(d.dir(), files::List, files::Temp);
            w.write("x", 1);
            w.commit();
            ADD_FAILURE() << text;
        } catch (const FileError& e) {
            EXPECT_EQ(e.userText(), std::string("'VELMORIX.LST' dosyası ile işlem yapılamadı !\r\r") + text);
        }
        EXPECT_TRUE(d.fileNames().empty()) << text;
    }
}
