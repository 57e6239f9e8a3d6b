#include "windows/balls/WindowTestContext.h"

#include "engine/BackTest.h"
#include "engine/LiveCount.h"
#include "engine/RunData.h"
#include "engine/SelectionControls.h"
#include "windows/filters/FrmProhibit.h"
#include "windows/filters/LiveCountPanel.h"
#include "windows/filters/SelectionView.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace velmorix;
using namespace velmorix::test;

namespace {

class LiveCountPanelTest : public ::testing::Test {
protected:
    WindowTestContext t;
    std::unique_ptr<FrmProhibit> w;

    void open() {
        w = std::make_unique<FrmProhibit>(t.context);
        w->show();
        QApplication::setActiveWindow(w.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }
    template <class T> T* child(const QString& name) const {
        T* c = w->findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }
    QLabel* label() const { return child<QLabel>(QStringLiteral("LabelLive")); }
    QTableWidget* table() const { return child<QTableWidget>(QStringLiteral("TableLive")); }
    QCheckBox* check(const char* name) const { return child<QCheckBox>(QString::fromLatin1(name)); }

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
    // What the engine counts for the controls as they stand.
    LiveCountResult expected() {
        LiveSelection r;
        r.selection = t.state.Selection;
        readSelection(w->selectionView()->controls(), r.selection);
        r.bag = t.state.BagBalls;
        r.bankers = t.state.BankoBalls;
        const auto data = RunData::take(t.data.dir());
        return countLive(r, *data);
    }
    std::vector<std::pair<QString, QString>> rows() const {
        std::vector<std::pair<QString, QString>> out;
        for (int r = 0; r < table()->rowCount(); ++r)
            out.emplace_back(table()->item(r, 0)->text(), table()->item(r, 1)->text());
        return out;
    }
};

TEST_F(LiveCountPanelTest, ShowsTheEstimateAndFollowsTheFilters) {
    for (int b = 1; b <= 14; ++b)
        t.state.BagBalls.push(b);
    open();
    settle();
    const LiveCountResult chaos = expected();
    EXPECT_EQ(label()->text(), QString::fromStdString(liveCountLabel(chaos.survivors)));
    EXPECT_EQ(rows(), (std::vector<std::pair<QString, QString>>{
                          {QStringLiteral("Varsayılan Kaos Filtreleri"),
                           QString::number(CombinationCount(14, 6) - chaos.survivors)}}));

    // Chaos off: every column of the bag stays.
    check("Check3")->click();
    EXPECT_FALSE(label()->isEnabled()); // the old figure is greyed at once
    EXPECT_TRUE(w->liveCount()->countPending());
    settle();
    EXPECT_EQ(label()->text(), QStringLiteral("Tahmini Uygun Kombinasyon =  3003"));
    EXPECT_EQ(rows(),
              (std::vector<std::pair<QString, QString>>{{QStringLiteral("Seçili filtre yok"), QString()}}));

    // Sum limits typed: the figure follows the box.
    check("Check7")->click();
    w->selectionView()->text1()->setText(QStringLiteral("40"));
    settle();
    EXPECT_EQ(label()->text(), QString::fromStdString(liveCountLabel(expected().survivors)));
    ASSERT_EQ(table()->rowCount(), 1);
    EXPECT_EQ(table()->item(0, 0)->text(), QStringLiteral("Toplam Filtreleri"));
    EXPECT_TRUE(t.dialogs.calls().empty());
    EXPECT_EQ(t.dialogs.beeps(), 0);
    // Counting read the controls only: the program's selection is as it was.
    EXPECT_EQ(t.state.Selection.ChaosOn, -1);
}

TEST_F(LiveCountPanelTest, ResultsOfAnOlderRequestAreDropped) {
    for (int b = 1; b <= 10; ++b)
        t.state.BagBalls.push(b);
    open();
    settle();
    const QString shown = label()->text();
    LiveCountPanel* panel = w->liveCount();
    const uint64_t before = panel->latestGeneration();
    const int dropped = panel->droppedResults();

    LiveCountResult stale;
    stale.total = 210;
    stale.survivors = 12345;
    stale.partsDone = true;
    panel->acceptResult(before - 1, stale);
    EXPECT_EQ(label()->text(), shown);
    EXPECT_EQ(panel->droppedResults(), dropped + 1);

    // Two quick changes: only the second count is ever shown.
    check("Check3")->click();
    panel->countNow();
    const uint64_t first = panel->latestGeneration();
    check("Check3")->click();
    panel->countNow();
    EXPECT_EQ(panel->latestGeneration(), first + 1);
    panel->acceptResult(first, stale);
    EXPECT_NE(label()->text(), QStringLiteral("Tahmini Uygun Kombinasyon =  12345"));
    settle();
    EXPECT_EQ(label()->text(), shown); // chaos on again, as at the start
    EXPECT_GE(panel->droppedResults(), dropped + 2);
}

TEST_F(LiveCountPanelTest, CountsAgainWhenTheWindowComesBack) {
    for (int b = 1; b <= 12; ++b)
        t.state.BagBalls.push(b);
    t.state.Selection.ChaosOn = 0;
    open();
    settle();
    EXPECT_EQ(label()->text(), QStringLiteral("Tahmini Uygun Kombinasyon =  924"));
    // Another window changed the bag meanwhile.
    t.state.BagBalls.push(13);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(w.get(), &activate);
    settle();
    EXPECT_EQ(label()->text(), QStringLiteral("Tahmini Uygun Kombinasyon =  1716"));
}

TEST_F(LiveCountPanelTest, BackTestFromTheMenuAndCtrlT) {
    // The start-up choice is the chaos filters: the first and the last break them.
    t.data.writeRecords("VELMORIX.RES",
                        {rec(2005001, {1, 2, 3, 4, 5, 6}), rec(2005002, {2, 7, 9, 21, 33, 46}),
                         rec(2005003, {3, 11, 12, 14, 41, 43})});
    open();
    const auto before = t.data.readBytes("VELMORIX.RES");
    EXPECT_TRUE(press(w.get(), Qt::Key_T, Qt::ControlModifier));
    ASSERT_EQ(t.dialogs.messages().size(), 1u);
    FilterSelection selection = t.state.Selection;
    readSelection(w->selectionView()->controls(), selection);
    const auto data = RunData::take(t.data.dir());
    EXPECT_EQ(t.dialogs.last().text, QString::fromStdString(backTestText(runBackTest(selection, *data))));
    EXPECT_TRUE(t.dialogs.last().text.startsWith(
        QStringLiteral("Seçiminiz geçmiş 3 sonucun 2 tanesini elerdi (%66.6)")))
        << t.dialogs.last().text.toStdString();
    EXPECT_EQ(t.dialogs.last().title, QStringLiteral(" SEÇİMİN GEÇMİŞ SONUÇLARLA TESTİ"));
    EXPECT_EQ(t.dialogs.beeps(), 2);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("VELMORIX 653 Dizimci u4.5  [ YASAKLAR & ZORUNLULUKLAR ]"));
    EXPECT_EQ(t.data.readBytes("VELMORIX.RES"), before);

    QAction* menu = child<QAction>(QStringLiteral("mnuTestBackTest"));
    EXPECT_EQ(menu->text(), QStringLiteral("Seçimi geçmiş sonuçlarla test et"));
    t.data.dir().remove("VELMORIX.RES");
    menu->trigger();
    EXPECT_EQ(t.dialogs.last().text,
              QStringLiteral("Seçimi test etmek için 'VELMORIX.RES' dosyasında en az 1 sonuç olmalı !"));
    EXPECT_EQ(t.dialogs.last().title, QStringLiteral("! DİKKAT !"));
    EXPECT_EQ(t.dialogs.last().icon, DialogIcon::Exclamation);
}

} // namespace
