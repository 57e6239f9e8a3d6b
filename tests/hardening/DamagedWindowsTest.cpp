// Hand-made and damaged files in front of the windows: every window opened on
// a folder of damaged files, every key pressed, answers at random; then what
// particular windows show for particular damage.
#include "DamagedFiles.h"
#include "FolderChecks.h"
#include "support/WindowTests.h"

const QString ErrorTitle = QStringLiteral("! HATA !");

void plantLists(TempDataDir& data, const std::vector<unsigned char>& bytes) {
    for (const char* name :
         {files::List, files::Random, files::Played, files::Sextets, files::Results, files::Zero})
        data.writeBytes(name, bytes);
}

// A bag of ten balls and one banker, so that a build stays small.
void plantSmallBag(ProgramEnv& env) {
    env.data.writeWords(files::Balls, ballsFileWords(ballRun(5, 4, 10), {2}));
    for (int i = 1; i <= 10; ++i)
        env.state.BagBalls.push(4 * i + 1);
    env.state.BankoBalls.push(2);
}

const int WalkKeys[] = {Qt::Key_F1,     Qt::Key_F2,   Qt::Key_F3,     Qt::Key_F4,       Qt::Key_F5,
                        Qt::Key_F6,     Qt::Key_F7,   Qt::Key_F8,     Qt::Key_F9,       Qt::Key_F10,
                        Qt::Key_F11,    Qt::Key_F12,  Qt::Key_Home,   Qt::Key_PageDown, Qt::Key_End,
                        Qt::Key_PageUp, Qt::Key_Down, Qt::Key_Return, Qt::Key_Delete};

class DamagedFolderWalk : public ::testing::TestWithParam<DamagedFile> {};

// Every window of the program meets the same damaged list as its results,
// played columns, sextets, combination list, random list and catch-the-zero
// columns, and every key is pressed with random answers. Nothing crashes, the
// state stays within its ranges, and what the program writes is whole.
TEST_P(DamagedFolderWalk, EveryWindowAndEveryKeyEndSoundly) {
    RandomDialogs dialogs(0x5eed0000 + GetParam().bytes.size());
    dialogs.setRefusal([](const QString& text, const QString&) { return isSlowBuildQuestion(text); });
    ProgramEnv env(dialogs);
    plantSmallBag(env);
    env.data.writeWords(files::Pairs, {7 * 50 + 7, 3 * 50 + 9, 32767});
    for (int id = 0; env.registry.isRegistered(static_cast<WindowId>(id)); ++id) {
        const auto windowId = static_cast<WindowId>(id);
        SCOPED_TRACE("window " + std::to_string(id));
        plantLists(env.data, GetParam().bytes);
        const FolderSnapshot planted = snapshot(env.data);
        QPointer<QWidget> w = env.registry.open(windowId);
        settle();
        for (int key : WalkKeys) {
            auto* vw = qobject_cast<VelmorixWindow*>(w.data());
            if (!vw)
                break; // the window closed itself (no data to show)
            press(vw, key);
            settle();
            for (const auto& p : folderProblems(env.data, planted))
                ADD_FAILURE() << "after key " << key << ": " << p;
            for (const auto& p : stateRangeProblems(env.state))
                ADD_FAILURE() << "after key " << key << ": " << p;
        }
        env.registry.closeAllExcept(WindowId::Loto);
        settle();
    }
}

INSTANTIATE_TEST_SUITE_P(Lists, DamagedFolderWalk, ::testing::ValuesIn(damagedLists()),
                         [](const auto& info) { return info.param.name; });

class DamagedWindows : public ::testing::Test {
protected:
    ScriptedDialogs dialogs;
    ProgramEnv env{dialogs};

    std::vector<QString> errors() const {
        std::vector<QString> out;
        for (const auto& c : dialogs.messages())
            if (c.title == ErrorTitle)
                out.push_back(c.text);
        return out;
    }
};

// The results editor shows a damaged record and refuses to save it unchanged:
// the cell check names the cell that is not a ball.
TEST_F(DamagedWindows, TheResultsEditorShowsADamagedResultAndWillNotSaveItUnmended) {
    env.data.writeRecords(files::Results, damagedColumns());
    auto* w = env.open<RecordEditorWindow>(WindowId::Results);
    ASSERT_EQ(w->recordCount(), static_cast<int32_t>(damagedColumns().size()));
    w->firstRecord();
    EXPECT_EQ(w->findChild<QLineEdit*>(QStringLiteral("Text1_0"))->text(), QStringLiteral("0"));
    const auto before = env.data.readBytes(files::Results);
    w->saveRecord();
    ASSERT_EQ(errors().size(), 1U);
    EXPECT_TRUE(errors()[0].contains(QStringLiteral("GEÇERSİZ")));
    EXPECT_EQ(env.data.readBytes(files::Results), before);
    for (int i = 0; i < static_cast<int>(damagedColumns().size()); ++i)
        w->nextRecord(); // every record can be shown
    EXPECT_TRUE(stateRangeProblems(env.state).empty());
}

// A selection file of the wrong size is refused with its message; one of wild
// values loads into controls that read back within their ranges.
TEST_F(DamagedWindows, TheFiltersWindowRefusesOrTamesADamagedSelectionFile) {
    for (const auto& file : damagedSelectionFiles()) {
        SCOPED_TRACE(file.name);
        env.data.writeBytes(files::Selection, file.bytes);
        dialogs.clear();
        auto* w = env.open<FrmProhibit>(WindowId::Prohibit);
        dialogs.answerYes();
        w->loadSelection();
        if (file.bytes.size() != 170) {
            ASSERT_EQ(errors().size(), 1U);
            EXPECT_EQ(errors()[0], QString::fromUtf8(selectionfile::WrongSizeText));
        } else {
            EXPECT_TRUE(errors().empty());
        }
        w->readSelection();
        EXPECT_TRUE(selectionRangeProblems(env.state.Selection).empty());
        env.registry.closeAllExcept(WindowId::Loto);
        settle();
    }
}

// A grouping file with another magic is ignored (the question is asked for a
// file of the right length); one with impossible group numbers loads them as
// "no group".
TEST_F(DamagedWindows, TheGroupingWindowIgnoresAWrongMagicAndTamesGroupNumbers) {
    for (const auto& file : damagedGroupingFiles()) {
        SCOPED_TRACE(file.name);
        env.data.writeBytes(files::Groups, file.bytes);
        dialogs.clear();
        auto* w = env.open<FrmArbitGrp>(WindowId::ArbitGrp);
        const GroupMembership before = w->groupOf();
        if (file.bytes.size() == 150)
            dialogs.answerYes();
        w->loadGrouping();
        EXPECT_TRUE(errors().empty());
        if (file.name == "wrong-magic" || file.bytes.size() != 150) {
            EXPECT_EQ(w->groupOf(), before);
        }
        for (int16_t g : w->groupOf())
            EXPECT_TRUE(g >= 0 && g <= 10);
        if (file.name == "bad-groups") {
            EXPECT_EQ(w->groupOf()[1], 0);
            EXPECT_EQ(w->groupOf()[2], 0);
        }
        w->drawColumn(); // the limits read back from the boxes are usable
        if (const auto& drawn = w->drawnColumn()) {
            EXPECT_TRUE(isValidColumn(*drawn));
        }
        env.registry.closeAllExcept(WindowId::Loto);
        settle();
    }
}
