#include "support/WindowTests.h"

const QString TooFewBalls = QStringLiteral(
    "En az 6 top seçmeniz gerekir !\r\rTop seçme (Torba) formuna geçmek için F2 tuşuna basın...");

class MainWindowTest : public WindowTest {
protected:
    MainWindowTest() : WindowTest(20260612) {}
    FrmLoto* loto() { return get<FrmLoto>(WindowId::Loto); }
    QLabel* label(int n) { return loto()->findChild<QLabel*>(QStringLiteral("Label") + QString::number(n)); }
    QString status() { return label(8)->text(); }
    QTimer* timer() { return loto()->findChild<QTimer*>(QStringLiteral("Timer1")); }
    std::vector<int> shownBalls() {
        std::vector<int> balls;
        for (int p = 1; p <= 6; ++p)
            balls.push_back(label(p)->text().toInt());
        return balls;
    }
    std::vector<int> currentColumn() const { return {state.CurColumn.begin() + 1, state.CurColumn.end()}; }
    static std::vector<int> sorted(std::vector<int> v) {
        std::sort(v.begin(), v.end());
        return v;
    }
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
    void closeFound(WindowId id) {
        registry.find(id)->close();
        flushDeletes();
    }
};

TEST_F(MainWindowTest, DrawPutsTheBankersFirstAndEndsOnDistinctBallsOfTheBag) {
    setBankers({7, 12});
    setBag({1, 2, 3, 4, 5, 6});
    loto()->findChild<QGroupBox*>(QStringLiteral("Frame1"))->setTitle(QStringLiteral("x"));
    ASSERT_TRUE(press(loto(), Qt::Key_F1));
    EXPECT_TRUE(timer()->isActive());
    EXPECT_TRUE(loto()->findChild<QGroupBox*>(QStringLiteral("Frame1"))->title().isEmpty());
    const int ticks = finishDraw();
    EXPECT_EQ(dialogs.beeps(), ticks); // one a tick
    const std::vector<int> column = currentColumn();
    EXPECT_EQ(shownBalls(), column);
    EXPECT_EQ(std::vector<int>(column.begin(), column.begin() + 2), (std::vector<int>{7, 12}));
    press(loto(), Qt::Key_F5);
    EXPECT_EQ(currentColumn(), sorted(column));
    EXPECT_EQ(shownBalls(), sorted(column));

    // An empty bag is filled with every ball first.
    setBankers({});
    setBag({});
    press(loto(), Qt::Key_F1);
    finishDraw();
    EXPECT_EQ(state.BagBalls.count(), 49);
    const std::vector<int> drawn = currentColumn();
    EXPECT_EQ(std::set<int>(drawn.begin(), drawn.end()).size(), 6u);
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(MainWindowTest, TooFewBallsRefuseTheDrawAtTheStartOrWhenTheBagShrinks) {
    setBag({1, 2, 3});
    setBankers({10, 11});
    press(loto(), Qt::Key_F1);
    EXPECT_FALSE(timer()->isActive());
    EXPECT_EQ(onlyMessage().text, TooFewBalls);
    EXPECT_EQ(onlyMessage().icon, DialogIcon::Exclamation);
    EXPECT_EQ(dialogs.beeps(), 1);
    EXPECT_EQ(label(1)->text(), QStringLiteral("1. top"));

    dialogs.clear();
    setBankers({});
    setBag({1, 2, 3, 4, 5, 6, 7});
    press(loto(), Qt::Key_F1);
    ASSERT_TRUE(timer()->isActive());
    setBag({1, 2}); // another window applied a smaller bag meanwhile
    finishDraw();
    EXPECT_EQ(onlyMessage().text, TooFewBalls);
    EXPECT_EQ(currentColumn(), std::vector<int>(6, 0));
    EXPECT_EQ(label(3)->text(), QStringLiteral("3. top"));
}

TEST_F(MainWindowTest, SaveAppendsTheSortedColumnWithTagZero) {
    loto()->onActivated();
    press(loto(), Qt::Key_F9); // before any draw: nothing
    EXPECT_FALSE(data.dir().exists(files::Random));
    EXPECT_EQ(dialogs.beeps(), 0);

    data.writeRecords(files::Random, {rec(1, {1, 2, 3, 4, 5, 6}), rec(2, {7, 8, 9, 10, 11, 12})});
    press(loto(), Qt::Key_F1);
    finishDraw();
    const std::vector<int> column = sorted(currentColumn());
    press(loto(), Qt::Key_F9);
    EXPECT_EQ(status(), QStringLiteral("Kolon kayıtlandı... Kayıt No= 3"));
    EXPECT_EQ(shownBalls(), column);
    EXPECT_EQ(currentColumn(), column);
    const auto records = data.readRecords(files::Random);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[2].Tag, 0);
    EXPECT_EQ(std::vector<int>(records[2].Ball.begin(), records[2].Ball.end()), column);
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
    EXPECT_EQ(dialogs.beeps(), 2);
}

TEST_F(MainWindowTest, RandomColumnFromTheListIsSortedAndShown) {
    trigger(loto(), "RndComListColumn");
    EXPECT_EQ(currentColumn(), std::vector<int>(6, 0));
    EXPECT_EQ(dialogs.beeps(), 0);

    data.writeRecords(files::List, {rec(0, {40, 3, 17, 8, 29, 1})});
    trigger(loto(), "RndComListColumn");
    EXPECT_EQ(state.RecNo, 1);
    EXPECT_EQ(currentColumn(), (std::vector<int>{1, 3, 8, 17, 29, 40}));
    EXPECT_EQ(shownBalls(), currentColumn());
    EXPECT_EQ(dialogs.beeps(), 1);
}

TEST_F(MainWindowTest, ListWindowsOpenAsTheirFilesAllow) {
    standIn(WindowId::OKLst);
    standIn(WindowId::OKList);
    for (const auto& [bytes, id] : {std::pair{0, WindowId::OKList}, std::pair{32766 * 16, WindowId::OKList},
                                    std::pair{32767 * 16, WindowId::OKLst}}) {
        if (bytes > 0)
            data.writeBytes(files::Played, std::vector<unsigned char>(static_cast<std::size_t>(bytes), 0));
        trigger(loto(), "ShowPlayingList");
        EXPECT_EQ(opened, (std::map<WindowId, int>{{id, 1}})) << bytes;
        closeFound(id);
        opened.clear();
    }

    // The random list needs records or says how to save them; F4 does not look at the file.
    standIn(WindowId::RndLst);
    trigger(loto(), "mnuShowRndList");
    EXPECT_EQ(registry.find(WindowId::RndLst), nullptr);
    EXPECT_EQ(onlyMessage().text,
              QStringLiteral("Listelenecek (kayıtlı) Rastgele Kolon yok !\r\rNOT: Rastgele kolonları Kolon "
                             "menüsündeki 'Kolonu VELMORIX.RND dosyasına kayıtla' seçeneği vasıtasıyla "
                             "kayıtlayabilirsiniz..."));
    EXPECT_EQ(dialogs.beeps(), 1);
    press(loto(), Qt::Key_F4); // F4 does not look at the file
    EXPECT_NE(registry.find(WindowId::RndLst), nullptr);
}

TEST_F(MainWindowTest, LoadingTheBagAndTheBankersAsksFirst) {
    trigger(loto(), "LoadBalls"); // no file: one beep, no question
    EXPECT_EQ(dialogs.beeps(), 1);
    EXPECT_TRUE(dialogs.calls().empty());

    data.writeWords(files::Balls, ballsFileWords({5, 9, 44}));
    dialogs.answerNo();
    trigger(loto(), "LoadBalls");
    EXPECT_TRUE(state.BagBalls.empty());
    EXPECT_EQ(dialogs.beeps(), 2);

    trigger(loto(), "LoadBankoBalls"); // 100 bytes: no bankers in it
    EXPECT_EQ(dialogs.calls().size(), 1u);
    EXPECT_EQ(dialogs.beeps(), 3);

    setBankers({9});
    dialogs.answerYes();
    trigger(loto(), "LoadBalls");
    EXPECT_EQ(bag(), (std::vector<int>{5, 44}));
    EXPECT_EQ(dialogs.beeps(), 5);

    data.writeWords(files::Balls, ballsFileWords({5, 9, 44}, {9}));
    setBankers({});
    setBag({5, 9, 44});
    dialogs.answerYes();
    trigger(loto(), "LoadBankoBalls");
    EXPECT_EQ(bankers(), std::vector<int>{9});
    EXPECT_EQ(bag(), (std::vector<int>{5, 44})); // the banker left the bag
}

TEST_F(MainWindowTest, RepetitionCountsAndTheChaosTestAskTheResultsDialog) {
    standIn(WindowId::ResFilt);
    state.ResultsDialogMode = 1000;
    state.ResultsDialogSubMode = 4;
    press(loto(), Qt::Key_F11); // no results: a beep and nothing else
    data.writeBytes(files::Results, std::vector<unsigned char>(15, 1));
    trigger(loto(), "ShowReps"); // no whole result
    EXPECT_EQ(registry.find(WindowId::ResFilt), nullptr);
    EXPECT_EQ(state.ResultsDialogMode, 1000);
    EXPECT_TRUE(dialogs.calls().empty());

    data.writeRecords(files::Results, {rec(2005360, {1, 2, 3, 4, 5, 6})});
    trigger(loto(), "ShowReps");
    EXPECT_NE(registry.find(WindowId::ResFilt), nullptr);
    EXPECT_EQ(state.ResultsDialogMode, 2);
    EXPECT_EQ(state.ResultsDialogSubMode, 0);
    closeFound(WindowId::ResFilt);

    state.ResultsDialogMode = 1000;
    pressAnswering(loto(), Qt::Key_F11, false);
    EXPECT_EQ(registry.find(WindowId::ResFilt), nullptr);
    EXPECT_EQ(state.ResultsDialogSubMode, 0);
    dialogs.answerYes();
    trigger(loto(), "mnuTestResults");
    EXPECT_NE(registry.find(WindowId::ResFilt), nullptr);
    EXPECT_EQ(state.ResultsDialogSubMode, 4);
    EXPECT_EQ(state.ResultsDialogMode, 1000);
}

TEST_F(MainWindowTest, FiltersWindowTakesTheMainWindowsPlaceUntilItIsGone) {
    standIn(WindowId::Prohibit);
    loto()->show();
    press(loto(), Qt::Key_F7);
    QWidget* filters = registry.find(WindowId::Prohibit);
    ASSERT_NE(filters, nullptr);
    EXPECT_TRUE(filters->isVisible());
    EXPECT_FALSE(loto()->isVisible());
    closeFound(WindowId::Prohibit);
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

TEST_F(MainWindowTest, EscapeOrClosingEndsTheProgramWhateverIsOpen) {
    standIn(WindowId::Balls);
    standIn(WindowId::Prohibit);
    QPointer<FrmLoto> main = loto();
    main->show();
    press(main, Qt::Key_F2);
    press(main, Qt::Key_F10);
    press(main, Qt::Key_F1); // a draw is running too
    QPointer<QWidget> bag = registry.find(WindowId::Balls);
    QPointer<QWidget> help = registry.find(WindowId::Help);
    ASSERT_TRUE(bag && help && bag->isVisible() && help->isVisible());
    dialogs.clear();

    EXPECT_TRUE(press(main, Qt::Key_Escape));
    EXPECT_FALSE(main->isDrawing());
    flushDeletes();
    EXPECT_TRUE(main.isNull()); // its end is what ends the program
    EXPECT_TRUE(bag.isNull());
    EXPECT_TRUE(help.isNull());
    EXPECT_TRUE(dialogs.calls().empty());
    EXPECT_TRUE(data.fileNames().empty());

    // Closing it ends the others as well.
    standIn(WindowId::ComLst);
    loto()->show();
    press(loto(), Qt::Key_F8);
    QPointer<QWidget> list = registry.find(WindowId::ComLst);
    ASSERT_TRUE(list);
    loto()->close();
    flushDeletes();
    EXPECT_TRUE(list.isNull());
}

// The help window: F10 shows the build; Escape, its button or a double click close it alone.
TEST_F(MainWindowTest, HelpWindowShowsTheBuildAndClosesAlone) {
    loto()->show();
    press(loto(), Qt::Key_F10);
    auto* help = registry.findAs<FrmHelp>(WindowId::Help);
    dialogs.clear();
    EXPECT_TRUE(press(help, Qt::Key_F10));
    EXPECT_EQ(onlyMessage().icon, DialogIcon::None);
    EXPECT_EQ(dialogs.beeps(), 1);
    EXPECT_FALSE(press(help, Qt::Key_F1));

    const std::function<void(FrmHelp*)> closers[] = {
        [](FrmHelp* h) { press(h, Qt::Key_Escape); },
        [](FrmHelp* h) { h->findChild<QPushButton*>(QStringLiteral("Command1"))->click(); },
        [](FrmHelp* h) {
            QTest::mouseDClick(h->findChild<QLabel*>(QStringLiteral("Label5")), Qt::LeftButton);
        }};
    for (const auto& close : closers) {
        close(help);
        EXPECT_FALSE(isOpen(WindowId::Help));
        EXPECT_TRUE(loto()->isVisible());
        press(loto(), Qt::Key_F10);
        help = registry.findAs<FrmHelp>(WindowId::Help);
    }
}
