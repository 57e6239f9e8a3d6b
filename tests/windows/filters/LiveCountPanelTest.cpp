#include "support/WindowTests.h"

// The filters window, shown and active; the windows it opens are stand-ins.
class LiveCountPanelTest : public WindowTest {
protected:
    LiveCountPanelTest() {
        for (WindowId id :
             {WindowId::ComLst, WindowId::Results, WindowId::OKList, WindowId::Yasak2, WindowId::Yasak6})
            standIn(id);
    }
    ~LiveCountPanelTest() override {
        w.reset();
        registry.closeAllExcept(WindowId::Loto);
        flushDeletes();
    }
    void open(int bagSize) {
        for (int b = 1; b <= bagSize; ++b)
            state.BagBalls.push(b);
        w = std::make_unique<FrmProhibit>(context);
        EXPECT_TRUE(activate(w.get()));
    }
    QLabel* label() const { return control<QLabel>(w.get(), QStringLiteral("LabelLive")); }
    QTableWidget* table() const { return control<QTableWidget>(w.get(), QStringLiteral("TableLive")); }
    QCheckBox* check(const char* name) const {
        return control<QCheckBox>(w.get(), QString::fromLatin1(name));
    }
    // Waits for the count the panel is after now, the figures of every part included.
    void settle() {
        LiveCountPanel* panel = w->liveCount();
        for (int i = 0; i < 400 && (panel->countPending() || !label()->isEnabled() || !table()->isEnabled());
             ++i) {
            panel->waitIdle(std::chrono::seconds(10));
            QTest::qWait(10);
        }
        ASSERT_TRUE(label()->isEnabled());
        ASSERT_TRUE(table()->isEnabled());
    }
    FilterSelection shownSelection() const {
        FilterSelection s = state.Selection;
        readSelection(w->selectionView()->controls(), s);
        return s;
    }
    // The label the engine's count of the controls as they stand would give.
    QString expectedLabel() {
        LiveSelection r{shownSelection(), state.BagBalls, state.BankoBalls, state.game};
        return QString::fromStdString(liveCountLabel(countLive(r, *RunData::take(data.dir())).survivors));
    }
    QString firstRow() const { return table()->rowCount() ? table()->item(0, 0)->text() : QString(); }

    std::unique_ptr<FrmProhibit> w;
};

TEST_F(LiveCountPanelTest, ShowsTheEstimateAndFollowsTheFilters) {
    open(14);
    settle();
    EXPECT_EQ(label()->text(), expectedLabel());
    ASSERT_EQ(table()->rowCount(), 1);
    EXPECT_EQ(firstRow(), QStringLiteral("Varsayılan Kaos Filtreleri"));

    // Chaos off: every column of the bag stays.
    check("Check3")->click();
    EXPECT_FALSE(label()->isEnabled()); // the old figure is greyed at once
    EXPECT_TRUE(w->liveCount()->countPending());
    settle();
    EXPECT_EQ(label()->text(), QStringLiteral("Tahmini Uygun Kombinasyon =  3003"));
    EXPECT_EQ(firstRow(), QStringLiteral("Seçili filtre yok"));

    // Sum limits typed: the figure follows the box.
    check("Check7")->click();
    w->selectionView()->text1()->setText(QStringLiteral("40"));
    settle();
    EXPECT_EQ(label()->text(), expectedLabel());
    EXPECT_EQ(firstRow(), QStringLiteral("Toplam Filtreleri"));
    EXPECT_TRUE(dialogs.calls().empty());
    EXPECT_EQ(dialogs.beeps(), 0);
    // Counting read the controls only: the program's selection is as it was.
    EXPECT_EQ(state.Selection.ChaosOn, -1);
}

TEST_F(LiveCountPanelTest, ResultsOfAnOlderRequestAreDropped) {
    open(10);
    settle();
    const QString shown = label()->text();
    LiveCountPanel* panel = w->liveCount();
    const int dropped = panel->droppedResults();
    LiveCountResult stale;
    stale.total = 210;
    stale.survivors = 12345;
    stale.partsDone = true;
    panel->acceptResult(panel->latestGeneration() - 1, stale);
    EXPECT_EQ(label()->text(), shown);
    EXPECT_EQ(panel->droppedResults(), dropped + 1);
}

TEST_F(LiveCountPanelTest, CountsAgainWhenTheWindowComesBackOrASelectionIsLoaded) {
    FilterSelection stored = state.Selection;
    stored.ChaosOn = 0;
    saveSelectionFile(data.dir(), stored);
    open(12);
    settle();
    ASSERT_NE(label()->text(), QStringLiteral("Tahmini Uygun Kombinasyon =  924"));
    dialogs.answerYes();
    press(w.get(), Qt::Key_F5); // every control changes at once
    settle();
    EXPECT_EQ(label()->text(), QStringLiteral("Tahmini Uygun Kombinasyon =  924"));
    // Another window changed the bag meanwhile.
    state.BagBalls.push(13);
    comeBackToFront(w.get());
    settle();
    EXPECT_EQ(label()->text(), QStringLiteral("Tahmini Uygun Kombinasyon =  1716"));
}

// Six free balls make one combination, which a build shows instead of listing.
TEST_F(LiveCountPanelTest, OneCombinationIsNotCountedAsAList) {
    setBag({3, 9, 17, 25, 33, 41});
    state.Selection.ChaosOn = 0;
    open(0);
    settle();
    EXPECT_EQ(label()->text(), QString::fromStdString(liveCountLabel(0)));
    EXPECT_EQ(firstRow(), QStringLiteral("Sadece 1 kombinasyon var !"));
    EXPECT_EQ(label()->toolTip(),
              QStringLiteral("Sadece 1 kombinasyon var !\n\nToplar:   3  9  17  25  33  41"));
}

// Every way to another window takes the ticks along, so coming back shows them.
TEST_F(LiveCountPanelTest, TicksSurviveAVisitToAnotherWindow) {
    open(0);
    const std::tuple<int, const char*, WindowId> ways[] = {
        {Qt::Key_F2, "", WindowId::ComLst}, {Qt::Key_F3, "", WindowId::Results},
        {Qt::Key_F4, "", WindowId::OKList}, {Qt::Key_F7, "", WindowId::Yasak2},
        {Qt::Key_F8, "", WindowId::Yasak6}, {0, "Command7", WindowId::Yasak2},
        {0, "Command6", WindowId::Yasak6}};
    bool ticked = false;
    for (const auto& [key, button, id] : ways) {
        SCOPED_TRACE(std::to_string(key) + button);
        check("Check4")->click();
        ticked = !ticked;
        if (key)
            press(w.get(), key);
        else
            control<QPushButton>(w.get(), QString::fromLatin1(button))->click();
        for (int i = 0; i < 100 && QApplication::activeWindow() == w.get(); ++i)
            QTest::qWait(10);
        ASSERT_NE(QApplication::activeWindow(), w.get());
        EXPECT_EQ(QApplication::activeWindow()->objectName(),
                  QStringLiteral("stub") + QString::number(static_cast<int>(id)));
        EXPECT_TRUE(activate(w.get()));
        EXPECT_EQ(check("Check4")->isChecked(), ticked);
        EXPECT_EQ(state.Selection.ForbiddenPairsOn, ticked ? -1 : 0);
    }
}

TEST_F(LiveCountPanelTest, BackTestFromCtrlTOrTheMenu) {
    // The start-up choice is the chaos filters: the first and the last break them.
    data.writeRecords("VELMORIX.RES", {rec(2005001, {1, 2, 3, 4, 5, 6}), rec(2005002, {2, 7, 9, 21, 33, 46}),
                                       rec(2005003, {3, 11, 12, 14, 41, 43})});
    open(0);
    const auto before = data.readBytes("VELMORIX.RES");
    EXPECT_TRUE(press(w.get(), Qt::Key_T, Qt::ControlModifier));
    const auto shown = onlyMessage();
    EXPECT_EQ(shown.text, QString::fromStdString(
                              backTestText(runBackTest(shownSelection(), *RunData::take(data.dir())))));
    EXPECT_EQ(dialogs.beeps(), 2);
    EXPECT_EQ(data.readBytes("VELMORIX.RES"), before);

    data.dir().remove("VELMORIX.RES");
    trigger(w.get(), "mnuTestBackTest");
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral("Seçimi test etmek için 'VELMORIX.RES' dosyasında en az 1 sonuç olmalı !"));
}
