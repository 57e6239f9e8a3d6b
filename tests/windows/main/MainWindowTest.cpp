#include "MainFixture.h"

#include "core/ColumnFile.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <set>

using namespace velmorix;
using namespace velmorix::test;

namespace {

class MainWindowTest : public MainFixture {
protected:
    QLabel* label(int n) { return loto()->findChild<QLabel*>(QStringLiteral("Label") + QString::number(n)); }
    QString status() { return label(8)->text(); }
    QTimer* timer() { return loto()->findChild<QTimer*>(QStringLiteral("Timer1")); }
    void trigger(const char* entry) {
        auto* action = loto()->findChild<QAction*>(QString::fromLatin1(entry));
        ASSERT_NE(action, nullptr) << entry;
        action->trigger();
    }
    std::vector<int> shownBalls() {
        std::vector<int> balls;
        for (int p = 1; p <= 6; ++p)
            balls.push_back(label(p)->text().toInt());
        return balls;
    }
    std::vector<int> currentColumn() const { return {state.CurColumn.begin() + 1, state.CurColumn.end()}; }
    // Runs the animation tick by tick until it stops; returns the ticks it took.
    int finishDraw() {
        int ticks = 0;
        while (loto()->isDrawing() && ticks < 100) {
            loto()->drawTick();
            ++ticks;
        }
        EXPECT_FALSE(loto()->isDrawing());
        return ticks;
    }
    void expectTooFewBallsMessage() {
        ASSERT_EQ(dialogs.messages().size(), 1u);
        const auto m = dialogs.messages().front();
        EXPECT_EQ(m.text,
                  QStringLiteral("En az 6 top seçmeniz gerekir !\r\rTop seçme (Torba) formuna geçmek için "
                                 "F2 tuşuna basın..."));
        EXPECT_EQ(m.title, QStringLiteral("! VELMORIX 653 Dizimci u4.5 !"));
        EXPECT_EQ(m.icon, DialogIcon::Exclamation);
    }
};

TEST_F(MainWindowTest, DrawPutsTheBankersFirstAndEndsOnDistinctBallsOfTheBag) {
    setBankers({7, 12});
    setBag({1, 2, 3, 4, 5, 6});
    loto()->findChild<QGroupBox*>(QStringLiteral("Frame1"))->setTitle(QStringLiteral("x"));
    ASSERT_TRUE(press(loto(), Qt::Key_F1));
    EXPECT_TRUE(timer()->isActive());
    EXPECT_EQ(status(), FrmLoto::statusText());
    EXPECT_TRUE(loto()->findChild<QGroupBox*>(QStringLiteral("Frame1"))->title().isEmpty());

    int ticks = 0;
    while (loto()->isDrawing() && ticks < 100) {
        loto()->drawTick();
        ++ticks;
        EXPECT_EQ(label(1)->text(), QStringLiteral("7"));
        EXPECT_EQ(label(2)->text(), QStringLiteral("12"));
    }
    ASSERT_FALSE(loto()->isDrawing());
    EXPECT_EQ(dialogs.beeps(), ticks);

    const std::vector<int> column = currentColumn();
    EXPECT_EQ(shownBalls(), column);
    EXPECT_EQ(column[0], 7);
    EXPECT_EQ(column[1], 12);

    press(loto(), Qt::Key_F5);
    std::vector<int> sorted = column;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(currentColumn(), sorted);
    EXPECT_EQ(shownBalls(), sorted);
}

TEST_F(MainWindowTest, DrawWithAnEmptyBagFillsItWithEveryBall) {
    press(loto(), Qt::Key_F1);
    finishDraw();
    EXPECT_EQ(state.BagBalls.count(), 49);
    const std::vector<int> column = currentColumn();
    EXPECT_EQ(std::set<int>(column.begin(), column.end()).size(), 6u);
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(MainWindowTest, TooFewBallsRefusesTheDrawWithoutStartingTheTimer) {
    setBag({1, 2, 3});
    setBankers({10, 11});
    press(loto(), Qt::Key_F1);
    EXPECT_FALSE(timer()->isActive());
    expectTooFewBallsMessage();
    EXPECT_EQ(dialogs.beeps(), 1);
    EXPECT_EQ(label(1)->text(), QStringLiteral("1. top"));
}

TEST_F(MainWindowTest, DrawEndsWhenTheBagShrinksWhileItRuns) {
    setBag({1, 2, 3, 4, 5, 6, 7});
    press(loto(), Qt::Key_F1);
    ASSERT_TRUE(timer()->isActive());
    setBag({1, 2}); // another window applied a smaller bag meanwhile
    finishDraw();
    expectTooFewBallsMessage();
    EXPECT_EQ(currentColumn(), std::vector<int>(6, 0));
    EXPECT_EQ(label(3)->text(), QStringLiteral("3. top"));
}

TEST_F(MainWindowTest, SaveBeforeAnyDrawDoesNothing) {
    loto()->onActivated();
    press(loto(), Qt::Key_F9);
    EXPECT_FALSE(data.dir().exists(files::Random));
    EXPECT_EQ(dialogs.beeps(), 0);
    EXPECT_EQ(status(), FrmLoto::statusText());
}

TEST_F(MainWindowTest, SaveAppendsTheSortedColumnWithTagZero) {
    data.writeRecords(files::Random, {rec(1, {1, 2, 3, 4, 5, 6}), rec(2, {7, 8, 9, 10, 11, 12})});
    press(loto(), Qt::Key_F1);
    finishDraw();
    std::vector<int> sorted = currentColumn();
    std::sort(sorted.begin(), sorted.end());

    press(loto(), Qt::Key_F9);
    EXPECT_EQ(status(), QStringLiteral("Kolon kayıtlandı... Kayıt No= 3"));
    EXPECT_EQ(shownBalls(), sorted);
    EXPECT_EQ(currentColumn(), sorted);

    const auto records = data.readRecords(files::Random);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[2].Tag, 0);
    EXPECT_EQ(std::vector<int>(records[2].Ball.begin(), records[2].Ball.end()), sorted);
    EXPECT_EQ(data.fileNames(), std::vector<std::string>{files::Random});
}

TEST_F(MainWindowTest, SaveRefusesAFullListAndADamagedColumn) {
    state.CurColumn = {0, 9, 3, 5, 1, 40, 22};
    data.writeBytes(files::Random, std::vector<unsigned char>(32767 * 16, 0));
    press(loto(), Qt::Key_F9);
    EXPECT_EQ(dialogs.beeps(), 1);
    EXPECT_EQ(data.dir().fileSize(files::Random), 32767 * 16);

    data.dir().remove(files::Random);
    state.CurColumn = {0, 9, 3, 9, 1, 40, 22}; // a ball twice, as a hand-made list may hold
    press(loto(), Qt::Key_F9);
    EXPECT_FALSE(data.dir().exists(files::Random));
}

TEST_F(MainWindowTest, RandomColumnFromTheListIsSortedAndShown) {
    trigger("RndComListColumn");
    EXPECT_EQ(currentColumn(), std::vector<int>(6, 0));
    EXPECT_EQ(dialogs.beeps(), 0);

    data.writeRecords(files::List, {rec(0, {40, 3, 17, 8, 29, 1}), rec(0, {45, 44, 43, 42, 41, 40})});
    trigger("RndComListColumn");
    ASSERT_TRUE(state.RecNo == 1 || state.RecNo == 2);
    const std::vector<int> expected =
        state.RecNo == 1 ? std::vector<int>{1, 3, 8, 17, 29, 40} : std::vector<int>{40, 41, 42, 43, 44, 45};
    EXPECT_EQ(currentColumn(), expected);
    EXPECT_EQ(shownBalls(), expected);
    EXPECT_EQ(dialogs.beeps(), 1);
}

TEST_F(MainWindowTest, PlayedColumnsOpenTheListWindowOnlyForLongFiles) {
    registerStub(WindowId::OKLst);
    registerStub(WindowId::OKList);
    trigger("ShowPlayingList"); // no file: the editor
    EXPECT_NE(registry.find(WindowId::OKList), nullptr);
    EXPECT_EQ(registry.find(WindowId::OKLst), nullptr);
    registry.find(WindowId::OKList)->close();
    flushDeletes();

    data.writeBytes(files::Played, std::vector<unsigned char>(32766 * 16, 0));
    trigger("ShowPlayingList");
    EXPECT_NE(registry.find(WindowId::OKList), nullptr);
    EXPECT_EQ(registry.find(WindowId::OKLst), nullptr);
    registry.find(WindowId::OKList)->close();
    flushDeletes();

    data.writeBytes(files::Played, std::vector<unsigned char>(32767 * 16, 0));
    trigger("ShowPlayingList");
    EXPECT_NE(registry.find(WindowId::OKLst), nullptr);
    EXPECT_EQ(registry.find(WindowId::OKList), nullptr);
}

TEST_F(MainWindowTest, LoadingTheBagAsksFirstAndBeepsOnceMore) {
    trigger("LoadBalls"); // no file: one beep, no question
    EXPECT_EQ(dialogs.beeps(), 1);
    EXPECT_TRUE(dialogs.calls().empty());

    data.writeWords(files::Balls, {3, 5, 9, 44});
    dialogs.answerNo();
    trigger("LoadBalls");
    ASSERT_EQ(dialogs.calls().size(), 1u);
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral("Topları VELMORIX.DAT dosyasından yüklemek istiyormusunuz ?"));
    EXPECT_EQ(dialogs.last().title, QStringLiteral("VELMORIX 653 Dizimci u4.5"));
    EXPECT_EQ(dialogs.last().kind, ScriptedDialogs::Kind::Question);
    EXPECT_TRUE(state.BagBalls.empty());
    EXPECT_EQ(dialogs.beeps(), 2);

    setBankers({9});
    dialogs.answerYes();
    trigger("LoadBalls");
    ASSERT_EQ(state.BagBalls.count(), 2);
    EXPECT_EQ(state.BagBalls[1], 5);
    EXPECT_EQ(state.BagBalls[2], 44);
    EXPECT_EQ(dialogs.beeps(), 4);
}

TEST_F(MainWindowTest, LoadingTheBankersNeedsTheirPartOfTheFile) {
    std::vector<int16_t> words(50, 0);
    words[0] = 3;
    words[1] = 5;
    words[2] = 9;
    words[3] = 44;
    data.writeWords(files::Balls, words); // 100 bytes: no bankers in it
    trigger("LoadBankoBalls");
    EXPECT_TRUE(dialogs.calls().empty());
    EXPECT_EQ(dialogs.beeps(), 1);

    words.push_back(1);
    words.push_back(9);
    data.writeWords(files::Balls, words);
    setBag({5, 9, 44});
    dialogs.answerYes();
    trigger("LoadBankoBalls");
    ASSERT_EQ(dialogs.calls().size(), 1u);
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral("Banko seçimini VELMORIX.DAT dosyasından yüklemek istiyormusunuz ?"));
    EXPECT_EQ(dialogs.last().title, QStringLiteral("VELMORIX 653 Dizimci u4.5"));
    ASSERT_EQ(state.BankoBalls.count(), 1);
    EXPECT_EQ(state.BankoBalls[1], 9);
    ASSERT_EQ(state.BagBalls.count(), 2); // the banker left the bag
    EXPECT_EQ(state.BagBalls[2], 44);
    EXPECT_EQ(dialogs.beeps(), 3);
}

TEST_F(MainWindowTest, RandomListNeedsRecordsOrSaysHowToSaveThem) {
    registerStub(WindowId::RndLst);
    trigger("mnuShowRndList");
    EXPECT_EQ(registry.find(WindowId::RndLst), nullptr);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral("Listelenecek (kayıtlı) Rastgele Kolon yok !\r\rNOT: Rastgele kolonları Kolon "
                             "menüsündeki 'Kolonu VELMORIX.RND dosyasına kayıtla' seçeneği vasıtasıyla "
                             "kayıtlayabilirsiniz..."));
    EXPECT_EQ(dialogs.last().title, QStringLiteral("VELMORIX 653 Dizimci u4.5"));
    EXPECT_EQ(dialogs.last().icon, DialogIcon::Exclamation);
    EXPECT_EQ(dialogs.beeps(), 1);

    press(loto(), Qt::Key_F4); // F4 does not look at the file
    EXPECT_NE(registry.find(WindowId::RndLst), nullptr);
}

TEST_F(MainWindowTest, RepetitionCountsAskTheResultsDialog) {
    registerStub(WindowId::ResFilt);
    state.ResultsDialogMode = 1000;
    state.ResultsDialogSubMode = 4;
    data.writeBytes(files::Results, std::vector<unsigned char>(15, 1));
    trigger("ShowReps");
    EXPECT_EQ(registry.find(WindowId::ResFilt), nullptr);
    EXPECT_EQ(state.ResultsDialogMode, 1000);

    data.writeRecords(files::Results, {rec(2005360, {1, 2, 3, 4, 5, 6})});
    trigger("ShowReps");
    EXPECT_NE(registry.find(WindowId::ResFilt), nullptr);
    EXPECT_EQ(state.ResultsDialogMode, 2);
    EXPECT_EQ(state.ResultsDialogSubMode, 0);
}

TEST_F(MainWindowTest, ChaosTestOfTheResultsAsksAndSetsOnlyTheSubMode) {
    registerStub(WindowId::ResFilt);
    press(loto(), Qt::Key_F11); // no results: a beep and nothing else
    EXPECT_EQ(dialogs.beeps(), 1);
    EXPECT_TRUE(dialogs.calls().empty());

    data.writeRecords(files::Results, {rec(2005360, {1, 2, 3, 4, 5, 6})});
    state.ResultsDialogMode = 1000;
    dialogs.answerNo();
    press(loto(), Qt::Key_F11);
    ASSERT_EQ(dialogs.calls().size(), 1u);
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral("SAYISAL LOTO sonuçlarının DİZİMCİ 4 kaos filtrelerine uygunluğunu test etmek "
                             "istiyormusunuz?\r\r( Evet cevabı verirseniz, test sonuçları 'VELMORIX.TXT' "
                             "dosyasına yazılacak. )"));
    EXPECT_EQ(dialogs.last().title, QStringLiteral("VELMORIX 653 DİZİMCİ Uyarlama 4.5"));
    EXPECT_EQ(registry.find(WindowId::ResFilt), nullptr);
    EXPECT_EQ(state.ResultsDialogSubMode, 0);

    dialogs.answerYes();
    trigger("mnuTestResults");
    EXPECT_NE(registry.find(WindowId::ResFilt), nullptr);
    EXPECT_EQ(state.ResultsDialogSubMode, 4);
    EXPECT_EQ(state.ResultsDialogMode, 1000);
}

TEST_F(MainWindowTest, FiltersWindowTakesTheMainWindowsPlaceUntilItIsGone) {
    registerStub(WindowId::Prohibit);
    loto()->show();
    press(loto(), Qt::Key_F7);
    QWidget* filters = registry.find(WindowId::Prohibit);
    ASSERT_NE(filters, nullptr);
    EXPECT_TRUE(filters->isVisible());
    EXPECT_FALSE(loto()->isVisible());

    filters->close();
    flushDeletes();
    EXPECT_TRUE(loto()->isVisible());

    // The same through the button, and a window that does not exist yet leaves the main window alone.
    loto()->findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    EXPECT_FALSE(loto()->isVisible());
    delete registry.find(WindowId::Prohibit);
    EXPECT_TRUE(loto()->isVisible());
    registry.registerWindow(WindowId::ArbitGrp, [](AppContext&) { return nullptr; });
    press(loto(), Qt::Key_F6);
    EXPECT_TRUE(loto()->isVisible());
}

TEST_F(MainWindowTest, EscapeEndsTheProgramWhateverIsOpen) {
    registerStub(WindowId::Balls);
    registerStub(WindowId::Prohibit);
    QPointer<FrmLoto> main = loto();
    main->show();
    press(main, Qt::Key_F2);
    press(main, Qt::Key_F10);
    press(main, Qt::Key_F1); // a draw is running too
    QPointer<QWidget> bag = registry.find(WindowId::Balls);
    QPointer<QWidget> help = registry.find(WindowId::Help);
    ASSERT_TRUE(bag && help);
    ASSERT_TRUE(bag->isVisible() && help->isVisible());
    dialogs.clear();

    EXPECT_TRUE(press(main, Qt::Key_Escape));
    EXPECT_FALSE(main->isDrawing());
    EXPECT_FALSE(main->isVisible());
    EXPECT_FALSE(bag->isVisible());
    EXPECT_FALSE(help->isVisible());
    flushDeletes();
    EXPECT_TRUE(main.isNull()); // its end is what ends the program
    EXPECT_TRUE(bag.isNull());
    EXPECT_TRUE(help.isNull());
    EXPECT_TRUE(dialogs.calls().empty());
    EXPECT_TRUE(data.fileNames().empty());
}

TEST_F(MainWindowTest, ClosingTheMainWindowClosesTheOthers) {
    registerStub(WindowId::ComLst);
    loto()->show();
    press(loto(), Qt::Key_F8);
    QPointer<QWidget> list = registry.find(WindowId::ComLst);
    ASSERT_TRUE(list);
    loto()->close();
    flushDeletes();
    EXPECT_TRUE(list.isNull());
}

} // namespace
