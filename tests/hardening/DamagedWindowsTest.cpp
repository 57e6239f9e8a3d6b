// Hand-made and damaged files in front of the windows: every window opened on
// a folder of damaged files, every key pressed, answers at random; then what
// particular windows show for particular damage.
#include "DamagedFiles.h"
#include "FolderChecks.h"
#include "support/WindowTests.h"

class DamagedFolderWalk : public ::testing::TestWithParam<DamagedFile> {};

// Every window of the program meets the same damaged list as its results,
// played columns, sextets, combination list, random list and catch-the-zero
// columns, and every key is pressed with random answers. Nothing crashes, the
// state stays within its ranges, and what the program writes is whole.
TEST_P(DamagedFolderWalk, EveryWindowAndEveryKeyEndSoundly) {
    RandomDialogs dialogs(0x5eed0000 + GetParam().bytes.size());
    dialogs.setRefusal([](const QString& text, const QString&) { return isSlowBuildQuestion(text); });
    ProgramEnv env(dialogs);
    // A bag of ten balls and one banker, so that a build stays small.
    env.data.writeWords(files::Balls, ballsFileWords(ballRun(5, 4, 10), {2}));
    for (int i = 1; i <= 10; ++i)
        env.state.BagBalls.push(4 * i + 1);
    env.state.BankoBalls.push(2);
    env.data.writeWords(files::Pairs, {7 * 50 + 7, 3 * 50 + 9, 32767});
    for (int id = 0; env.registry.isRegistered(static_cast<WindowId>(id)); ++id) {
        const auto windowId = static_cast<WindowId>(id);
        SCOPED_TRACE("window " + std::to_string(id));
        for (const char* name :
             {files::List, files::Random, files::Played, files::Sextets, files::Results, files::Zero})
            env.data.writeBytes(name, GetParam().bytes);
        const FolderSnapshot planted = snapshot(env.data);
        QPointer<QWidget> w = env.registry.open(windowId);
        settle();
        for (int key : PlayerKeys) {
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

// A selection file of the wrong size is refused with its message; one of wild
// values loads into controls that read back within their ranges.
TEST(DamagedWindows, TheFiltersWindowRefusesOrTamesADamagedSelectionFile) {
    ScriptedDialogs dialogs;
    ProgramEnv env(dialogs);
    for (const auto& file : damagedSelectionFiles()) {
        SCOPED_TRACE(file.name);
        env.data.writeBytes(files::Selection, file.bytes);
        dialogs.clear();
        auto* w = env.open<FrmProhibit>(WindowId::Prohibit);
        dialogs.answerYes();
        w->loadSelection();
        const auto shown = dialogs.messages();
        if (file.bytes.size() != 170) {
            ASSERT_EQ(shown.size(), 1U);
            EXPECT_EQ(shown[0].title, ErrorTitle);
            EXPECT_EQ(shown[0].text, QString::fromUtf8(selectionfile::WrongSizeText));
        } else {
            EXPECT_TRUE(shown.empty());
        }
        w->readSelection();
        EXPECT_TRUE(selectionRangeProblems(env.state.Selection).empty());
        env.registry.closeAllExcept(WindowId::Loto);
        settle();
    }
}

// A grouping file with another magic is ignored (the question is asked for a
// file of the right length); impossible group numbers never reach the window.
TEST(DamagedWindows, TheGroupingWindowIgnoresAWrongMagicAndTamesGroupNumbers) {
    ScriptedDialogs dialogs;
    ProgramEnv env(dialogs);
    for (const auto& file : damagedGroupingFiles()) {
        SCOPED_TRACE(file.name);
        env.data.writeBytes(files::Groups, file.bytes);
        dialogs.clear();
        auto* w = env.open<FrmArbitGrp>(WindowId::ArbitGrp);
        const GroupMembership before = w->groupOf();
        if (file.bytes.size() == 150)
            dialogs.answerYes();
        w->loadGrouping();
        EXPECT_TRUE(dialogs.messages().empty());
        if (file.name == "wrong-magic" || file.bytes.size() != 150) {
            EXPECT_EQ(w->groupOf(), before);
        }
        for (int16_t g : w->groupOf())
            EXPECT_TRUE(g >= 0 && g <= 10);
        w->drawColumn(); // the limits read back from the boxes are usable
        if (const auto& drawn = w->drawnColumn()) {
            EXPECT_TRUE(isValidColumn(*drawn));
        }
        env.registry.closeAllExcept(WindowId::Loto);
        settle();
    }
}
