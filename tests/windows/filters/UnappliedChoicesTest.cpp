#include "windows/balls/WindowTestContext.h"

#include "engine/LiveCount.h"
#include "engine/RunData.h"
#include "engine/SelectionControls.h"
#include "engine/SelectionFile.h"
#include "windows/filters/FrmProhibit.h"
#include "windows/filters/LiveCountPanel.h"
#include "windows/filters/SelectionView.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace velmorix;
using namespace velmorix::test;

namespace {

// The filters window, shown and active; the windows it opens are stand-ins.
class UnappliedChoicesTest : public ::testing::Test {
protected:
    UnappliedChoicesTest() {
        for (WindowId id :
             {WindowId::ComLst, WindowId::Results, WindowId::OKList, WindowId::Yasak2, WindowId::Yasak6})
            t.registry.registerWindow(id, [](AppContext&) { return new QWidget; });
    }
    ~UnappliedChoicesTest() override {
        w.reset();
        t.registry.closeAllExcept(WindowId::Loto);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void open() {
        w = std::make_unique<FrmProhibit>(t.context);
        EXPECT_TRUE(activate(w.get()));
    }
    void key(int k) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : w.get(), static_cast<Qt::Key>(k));
    }
    QCheckBox* pairsBox() const { return w->findChild<QCheckBox*>(QStringLiteral("Check4")); }
    QLabel* liveLabel() const { return w->findChild<QLabel*>(QStringLiteral("LabelLive")); }
    QTableWidget* liveTable() const { return w->findChild<QTableWidget*>(QStringLiteral("TableLive")); }

    // Waits for the count the panel is after now.
    void settle() {
        LiveCountPanel* panel = w->liveCount();
        for (int i = 0; i < 400 && (panel->countPending() || !liveLabel()->isEnabled()); ++i) {
            panel->waitIdle(std::chrono::seconds(10));
            QTest::qWait(10);
        }
        ASSERT_TRUE(liveLabel()->isEnabled());
    }

    WindowTestContext t;
    std::unique_ptr<FrmProhibit> w;
};

// Every way to another window takes the ticks along, so coming back shows them.
TEST_F(UnappliedChoicesTest, TicksSurviveAVisitToAnotherWindow) {
    open();
    const auto viaButton = [this](const char* name) {
        return [this, name] { w->findChild<QPushButton*>(QString::fromLatin1(name))->click(); };
    };
    const std::vector<std::pair<const char*, std::function<void()>>> ways{
        {"F2", [this] { key(Qt::Key_F2); }},      {"F3", [this] { key(Qt::Key_F3); }},
        {"F4", [this] { key(Qt::Key_F4); }},      {"F7", [this] { key(Qt::Key_F7); }},
        {"F8", [this] { key(Qt::Key_F8); }},      {"pairs button", viaButton("Command7")},
        {"sextets button", viaButton("Command6")}};
    bool ticked = false;
    for (const auto& [name, go] : ways) {
        pairsBox()->click();
        ticked = !ticked;
        go();
        for (int i = 0; i < 100 && QApplication::activeWindow() == w.get(); ++i)
            QTest::qWait(10);
        ASSERT_NE(QApplication::activeWindow(), w.get()) << name;
        EXPECT_TRUE(activate(w.get()));
        EXPECT_EQ(pairsBox()->isChecked(), ticked) << name;
        EXPECT_EQ(t.state.Selection.ForbiddenPairsOn, ticked ? -1 : 0) << name;
    }
}

// Loading VELMORIX.FLT changes every control at once; the estimate follows.
TEST_F(UnappliedChoicesTest, LiveCountFollowsALoadedSelection) {
    for (int b = 1; b <= 14; ++b)
        t.state.BagBalls.push(b);
    FilterSelection stored = t.state.Selection;
    stored.ChaosOn = 0;
    saveSelectionFile(t.data.dir(), stored);
    open();
    settle();
    ASSERT_NE(liveLabel()->text(), QString::fromStdString(liveCountLabel(CombinationCount(14, 6))));

    t.dialogs.answerYes();
    key(Qt::Key_F5);
    settle();
    EXPECT_EQ(liveLabel()->text(), QString::fromStdString(liveCountLabel(CombinationCount(14, 6))));
}

// Six free balls make one combination, which a build shows instead of listing.
TEST_F(UnappliedChoicesTest, OneCombinationIsNotCountedAsAList) {
    t.setBag({3, 9, 17, 25, 33, 41});
    t.state.Selection.ChaosOn = 0;
    open();
    settle();
    EXPECT_EQ(liveLabel()->text(), QString::fromStdString(liveCountLabel(0)));
    ASSERT_EQ(liveTable()->rowCount(), 1);
    EXPECT_EQ(liveTable()->item(0, 0)->text(), QStringLiteral("Sadece 1 kombinasyon var !"));
    EXPECT_EQ(liveLabel()->toolTip(),
              QStringLiteral("Sadece 1 kombinasyon var !\n\nToplar:   3  9  17  25  33  41"));
}

} // namespace
