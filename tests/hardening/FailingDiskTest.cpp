// Every family of rewrite, run once to see which file-system steps it takes,
// then again with each of those steps failing in turn (temporary not
// creatable, device full half-way, sync refused, rename refused, removal
// refused). Each time the files are as they were, no temporary is left but
// the ones the program names, and the window says "! HATA !" naming the file,
// with no success message after it.
#include "DamagedFiles.h"
#include "FaultInjection.h"
#include "support/WindowTests.h"

// A data folder as a player has it: results, played columns, sextets, a
// list, random columns, catch-the-zero columns, forbidden pairs, a saved
// selection, bag and bankers, a grouping and an old text report.
void typicalFolder(ProgramEnv& env) {
    TempDataDir& d = env.data;
    d.writeRecords(files::Results, goodColumns(40, 1));
    d.writeRecords(files::Played, goodColumns(12, 2));
    d.writeRecords(files::Sextets, goodColumns(8, 3));
    d.writeRecords(files::List, goodColumns(30, 4));
    d.writeRecords(files::Random, goodColumns(20, 5));
    d.writeRecords(files::Zero, goodColumns(6, 6));
    d.writeWords(files::Pairs, {1 * 50 + 2, 3 * 50 + 4, 10 * 50 + 20});
    const auto sel = FilterSelection::startup().toRecords();
    d.writeWords(files::Selection, std::vector<int16_t>(sel.begin(), sel.end()));
    d.writeWords(files::Balls, ballsFileWords(ballRun(4, 4, 12), {1}));
    d.writeBytes(files::Groups, std::vector<unsigned char>(150, 0)); // no magic: ignored, but present
    d.writeBytes(files::Text, {'e', 's', 'k', 'i', '\r', '\n'});
    for (int i = 1; i <= 12; ++i)
        env.state.BagBalls.push(4 * i);
    env.state.BankoBalls.push(1);
}

struct DiskScenario {
    std::string name;
    std::function<void(ProgramEnv&, ScriptedDialogs&)> run;
    std::function<void(ProgramEnv&)> prepare = typicalFolder;
};

void PrintTo(const DiskScenario& s, std::ostream* os) {
    *os << s.name;
}

// A ranking of the balls and wide quantum limits, as the quantum window hands them over.
void quantumFolder(ProgramEnv& env) {
    typicalFolder(env);
    QuantumSettings& q = env.state.Quantum;
    for (int p = 1; p <= 49; ++p)
        q.Rtor[static_cast<std::size_t>(p)] = static_cast<int16_t>(50 - p);
    q.Rtor[0] = 12;
    q.Rtor[50] = 12;
    q.GKMIN = 60;
    q.GKMAX = 240;
}

// Opens the window, answers its question with yes and runs the command.
template <class W, class Command> auto answeringYes(WindowId id, Command command) {
    return [=](ProgramEnv& env, ScriptedDialogs& d) {
        W* w = env.open<W>(id);
        d.answerYes();
        command(*w);
    };
}

// Runs a results-range operation of the results range dialog over results 1..40.
void resultsOperation(ProgramEnv& env, ScriptedDialogs&, int16_t mode, int16_t subMode = 0) {
    env.state.ResultsDialogMode = mode;
    env.state.ResultsDialogSubMode = subMode;
    auto* w = env.open<FrmResFilt>(WindowId::ResFilt);
    setText(w, "Text1", QStringLiteral("1"));
    setText(w, "Text2", QStringLiteral("40"));
    setText(w, "Text3", QStringLiteral("2"));
    w->apply();
}

std::vector<DiskScenario> scenarios() {
    const auto pressing = [](WindowId id, int key, std::vector<std::optional<QString>> inputs, int yes) {
        return [=](ProgramEnv& env, ScriptedDialogs& d) {
            auto* w = env.open<VelmorixWindow>(id);
            for (const auto& i : inputs)
                d.answerInput(i);
            for (int k = 0; k < yes; ++k)
                d.answerYes();
            press(w, key);
        };
    };
    // The first `balls` balls make group 1, then the command runs.
    const auto grouping = [](int balls, void (FrmArbitGrp::*command)()) {
        return answeringYes<FrmArbitGrp>(WindowId::ArbitGrp, [=](FrmArbitGrp& w) {
            w.selectGroup(1);
            for (int b = 1; b <= balls; ++b)
                w.addBall(b);
            (w.*command)();
        });
    };
    return {
        // The filters window: build, filter the list, save the selection, bag and bankers, a played column.
        {"BuildNewList",
         answeringYes<FrmProhibit>(WindowId::Prohibit, [](FrmProhibit& w) { w.createList(); })},
        {"FilterExistingList",
         [](ProgramEnv& env, ScriptedDialogs& d) {
             auto* w = env.open<FrmProhibit>(WindowId::Prohibit);
             d.answerYes();
             d.answerNo(); // keep the columns outside the bag
             w->applyFilters(false);
         }},
        {"SaveSelection",
         answeringYes<FrmProhibit>(WindowId::Prohibit, [](FrmProhibit& w) { w.saveSelection(); })},
        {"SaveBallsFromFilters",
         [](ProgramEnv& env, ScriptedDialogs& d) {
             auto* w = env.open<FrmProhibit>(WindowId::Prohibit);
             env.state.BagBalls.push(49);
             d.answerYes();
             w->saveBalls();
         }},
        {"SavePlayedColumn", answeringYes<FrmProhibit>(WindowId::Prohibit,
                                                       [](FrmProhibit& w) {
                                                           for (int i = 0; i < 6; ++i)
                                                               w.columnBox(i)->setText(
                                                                   QString::number(7 * i + 2));
                                                           w.savePlayedColumn();
                                                       })},
        // The bag and banker windows.
        {"SaveBag", answeringYes<FrmBalls>(WindowId::Balls,
                                           [](FrmBalls& w) {
                                               w.box(30)->setChecked(true);
                                               w.save();
                                           })},
        {"SaveBankers", answeringYes<FrmBanko>(WindowId::Banko,
                                               [](FrmBanko& w) {
                                                   w.selectCount(2);
                                                   w.entry(0)->setText(QStringLiteral("5"));
                                                   w.entry(1)->setText(QStringLiteral("9"));
                                                   w.save();
                                               })},
        // The main window saves its column to the random list.
        {"SaveMainWindowColumn",
         [](ProgramEnv& env, ScriptedDialogs&) {
             auto* w = env.open<FrmLoto>(WindowId::Loto);
             env.state.CurColumn = {0, 4, 8, 12, 16, 20, 24};
             w->saveColumn();
         }},
        // The combination list window.
        // A list of more than a megabyte: the device fills up after the first block.
        {"ListEliminateLargeList", pressing(WindowId::ComLst, Qt::Key_F5, {QStringLiteral("8")}, 1),
         [](ProgramEnv& env) {
             typicalFolder(env);
             env.data.writeRecords(files::List, goodColumns(70000, 11));
         }},
        {"ListAppendToPlayed", pressing(WindowId::ComLst, Qt::Key_F1, {}, 1)},
        {"ListDeleteOneColumn", pressing(WindowId::ComLst, Qt::Key_F3, {QStringLiteral("2")}, 0)},
        {"ListDeleteFile", pressing(WindowId::ComLst, Qt::Key_F4, {}, 1)},
        {"ListEliminateWantedNumbers",
         pressing(WindowId::ComLst, Qt::Key_F6, {QStringLiteral("8,12,16")}, 1)},
        {"ListEliminateUnwantedPair", pressing(WindowId::ComLst, Qt::Key_F7, {QStringLiteral("8-12")}, 1)},
        {"ListEliminatePairDifferences", pressing(WindowId::ComLst, Qt::Key_F8, {}, 1)},
        {"SextetsListSaveAsList", pressing(WindowId::Ysk6, Qt::Key_F5, {}, 1)},
        {"SextetsListWriteText", pressing(WindowId::Ysk6, Qt::Key_F8, {}, 0)},
        // The random column list and its generator.
        {"RandomListAppendToList", pressing(WindowId::RndLst, Qt::Key_F3, {}, 1)},
        {"RandomListChaosElimination", pressing(WindowId::RndLst, Qt::Key_F7, {}, 1)},
        {"RandomListSaveAsList", pressing(WindowId::RndLst, Qt::Key_F8, {}, 1)},
        {"RandomListNew", answeringYes<FrmRnd>(WindowId::Rnd,
                                               [](FrmRnd& w) {
                                                   w.Option1->setChecked(true);
                                                   w.Text1->setText(QStringLiteral("25"));
                                                   w.generate();
                                               })},
        {"RandomListAppend", answeringYes<FrmRnd>(WindowId::Rnd,
                                                  [](FrmRnd& w) {
                                                      w.Option2->setChecked(true);
                                                      w.Text1->setText(QStringLiteral("25"));
                                                      w.generate();
                                                  })},
        // The record editors (one base for all): delete one record, add one.
        {"ResultsDeleteOne",
         [](ProgramEnv& env, ScriptedDialogs& d) {
             auto* w = env.open<RecordEditorWindow>(WindowId::Results);
             w->nextRecord();
             d.answerYes();
             w->deleteRecord();
         }},
        {"ResultsAppend",
         [](ProgramEnv& env, ScriptedDialogs& d) {
             auto* w = env.open<RecordEditorWindow>(WindowId::Results);
             w->newRecord();
             for (int i = 0; int b : {3, 9, 17, 28, 33, 45})
                 setText(w, ("Text1_" + std::to_string(i++)).c_str(), QString::number(b));
             d.answerYes();
             w->saveRecord();
         }},
        {"ResultsImport",
         [](ProgramEnv& env, ScriptedDialogs& d) {
             auto* w = env.open<FrmResults>(WindowId::Results);
             d.answerFileName(QString::fromStdString((env.data.path() / "CEKILIS.TXT").string()));
             d.answerYes();
             w->importResults();
         },
         [](ProgramEnv& env) {
             typicalFolder(env);
             const std::string draw = "01.01.2000 1 2 3 4 5 6\n";
             env.data.writeBytes("CEKILIS.TXT", {draw.begin(), draw.end()});
         }},
        {"PlayedAddToSextets",
         answeringYes<FrmOKList>(WindowId::OKList, [](FrmOKList& w) { w.addToSextets(); })},
        {"SextetsCopyToList",
         answeringYes<FrmYasak6>(WindowId::Yasak6, [](FrmYasak6& w) { w.copyToCombinationList(); })},
        {"SextetsWriteText",
         [](ProgramEnv& env, ScriptedDialogs&) { env.open<FrmYasak6>(WindowId::Yasak6)->writeTextFile(); }},
        {"ZeroFilterList", answeringYes<FrmZero>(WindowId::Zero,
                                                 [](FrmZero& w) {
                                                     setText(&w, "Text2", QStringLiteral("1"));
                                                     setText(&w, "Text3", QStringLiteral("6"));
                                                     w.filterList(catchzero::Rule::AnyZero);
                                                 })},
        {"ZeroCopyToPlayed", answeringYes<FrmZero>(WindowId::Zero, [](FrmZero& w) { w.copyToPlayed(); })},
        // The forbidden pairs: the editor, and pairs made from the played columns or the results.
        {"PairsSave", answeringYes<FrmYasak2>(WindowId::Yasak2,
                                              [](FrmYasak2& w) {
                                                  w.box(7)->setChecked(true);
                                                  w.save();
                                              })},
        {"PairsDeleteFile", answeringYes<FrmYasak2>(WindowId::Yasak2, [](FrmYasak2& w) { w.deleteFile(); })},
        {"PairsFromPlayed",
         [](ProgramEnv& env, ScriptedDialogs&) { env.open<FrmYS2Flt>(WindowId::YS2Flt)->apply(); }},
        {"PairsFromResults", [](ProgramEnv& env, ScriptedDialogs& d) { resultsOperation(env, d, 6); }},
        {"ResultsSavedAsSextets", [](ProgramEnv& env, ScriptedDialogs& d) { resultsOperation(env, d, 8); }},
        {"ResultsAddedToSextets", [](ProgramEnv& env, ScriptedDialogs& d) { resultsOperation(env, d, 9); },
         [](ProgramEnv& env) {
             typicalFolder(env);
             env.data.writeRecords(files::Sextets, goodColumns(8, 99));
         }},
        {"ResultsSavedAsList", [](ProgramEnv& env, ScriptedDialogs& d) { resultsOperation(env, d, 10); }},
        {"ChaosReportText", [](ProgramEnv& env, ScriptedDialogs& d) { resultsOperation(env, d, 0, 4); }},
        {"StatisticsSumLimits",
         [](ProgramEnv& env, ScriptedDialogs& d) {
             resultsOperation(env, d, dialogmode::Repetitions);
             auto* rep = env.registry.getAs<FrmRep>(WindowId::Rep);
             ASSERT_NE(rep, nullptr);
             rep->onActivated();
             d.answerYes();
             rep->saveSumLimits();
         }},
        // The print dialogs (one class for every list) write a list to VELMORIX.TXT.
        {"WriteListText", answeringYes<ListPrintDialog>(WindowId::CLPrint,
                                                        [](ListPrintDialog& w) {
                                                            w.Option1->setChecked(true);
                                                            w.Text1->setText(QStringLiteral("1"));
                                                            w.run();
                                                        })},
        // The methods: grouping, quantum, following numbers.
        {"GroupingSave", grouping(12, &FrmArbitGrp::saveGrouping)},
        {"GroupingFilterList", grouping(30, &FrmArbitGrp::filterOnly)},
        {"QuantumRankGroups",
         [](ProgramEnv& env, ScriptedDialogs& d) {
             env.state.RangeFirst = 1;
             env.state.RangeLast = 40;
             auto* w = env.open<FrmKuantum>(WindowId::Kuantum);
             d.answerYes();
             w->saveRankGroups();
         }},
        {"QuantumListDeleteOne", pressing(WindowId::KuantLst, Qt::Key_F1, {QStringLiteral("2")}, 0)},
        {"QuantumListEliminateMinimum", pressing(WindowId::KuantLst, Qt::Key_F2, {QStringLiteral("60")}, 1),
         quantumFolder},
        {"QuantumFilterEliminate",
         answeringYes<FrmCLFilt>(WindowId::CLFilt,
                                 [](FrmCLFilt& w) {
                                     w.findChild<QRadioButton*>(QStringLiteral("Option2"))->setChecked(true);
                                     w.chooseEliminate();
                                     w.apply();
                                 }),
         quantumFolder},
        {"QuantumFilterRandomList",
         answeringYes<FrmCLFilt>(WindowId::CLFilt,
                                 [](FrmCLFilt& w) {
                                     setText(&w, "Text1", QStringLiteral("20"));
                                     setText(&w, "Text2", QStringLiteral("500"));
                                     w.apply();
                                 }),
         quantumFolder},
        {"FollowingFilterList",
         [](ProgramEnv& env, ScriptedDialogs& d) {
             env.state.RangeFirst = 1;
             env.state.RangeLast = 40;
             auto* w = env.open<FrmTakip>(WindowId::Takip);
             d.answerYes();
             w->apply();
         }},
    };
}

class FailingDisk : public ::testing::TestWithParam<DiskScenario> {};

TEST_P(FailingDisk, EveryStepThatFailsLeavesTheFilesAndSaysWhichFile) {
    const DiskScenario& sc = GetParam();
    FileSteps base;
    std::vector<QString> messages; // every box of a run without faults
    {
        ScriptedDialogs dialogs;
        ProgramEnv env(dialogs);
        sc.prepare(env);
        const FolderSnapshot before = snapshot(env.data);
        base.install(env.data.dir());
        sc.run(env, dialogs);
        for (const auto& c : dialogs.messages()) {
            EXPECT_NE(c.title, ErrorTitle) << "the command fails without a fault: " << c.text.toStdString();
            messages.push_back(c.text);
        }
        EXPECT_TRUE(snapshot(env.data) != before) << "the command changed nothing";
    }
    ASSERT_FALSE(base.calls().empty()) << "the command took no file-system step";
    for (std::size_t i = 0; i < base.calls().size(); ++i) {
        // Keeping the undo copy never fails the command that changes the list
        // (ListUndoTest covers those steps).
        if (base.calls()[i].name.starts_with("VELMORIX.UN"))
            continue;
        SCOPED_TRACE("failing step " + std::to_string(i) + ": " + describe(base.calls()[i]));
        ScriptedDialogs dialogs;
        ProgramEnv env(dialogs);
        sc.prepare(env);
        const FolderSnapshot before = snapshot(env.data);
        FileSteps failure(i);
        failure.install(env.data.dir());
        sc.run(env, dialogs);
        env.data.dir().setFaultHook({});
        ASSERT_TRUE(failure.failed().has_value()) << "the command took other steps than before";

        for (const auto& line : folderDamage(before, snapshot(env.data)))
            ADD_FAILURE() << line;

        const auto& calls = dialogs.calls();
        const auto error = std::find_if(calls.begin(), calls.end(), [](const ScriptedDialogs::Call& c) {
            return c.kind == ScriptedDialogs::Kind::Message && c.title == ErrorTitle;
        });
        ASSERT_NE(error, calls.end()) << "no \"! HATA !\" box";
        std::string named = failure.failed()->name; // a temporary "X.new" stands for X
        if (named.ends_with(".new"))
            named.resize(named.size() - 4);
        EXPECT_TRUE(error->text.contains(QString::fromStdString(named)))
            << "the box does not name " << named << ": " << error->text.toStdString();
        for (auto c = error + 1; c != calls.end(); ++c)
            if (c->kind == ScriptedDialogs::Kind::Message && c->title != ErrorTitle) {
                EXPECT_EQ(std::count(messages.begin(), messages.end(), c->text), 0)
                    << "a success message after the error: " << c->text.toStdString();
            }
    }
}

INSTANTIATE_TEST_SUITE_P(Commands, FailingDisk, ::testing::ValuesIn(scenarios()),
                         [](const auto& info) { return info.param.name; });
