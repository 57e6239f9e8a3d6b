#include "windows/balls/WindowTestContext.h"

#include "windows/filters/FrmProhibit.h"

#include <QAction>
#include <QTest>
#include <gtest/gtest.h>

using namespace velmorix;
using namespace velmorix::test;

namespace {

// With no list the list window does not open, so the filters window offers
// the undo too: a deleted list comes back from its menu and from Ctrl+Z.
TEST(ListUndoMenuTest, TheFiltersWindowBringsBackADeletedList) {
    WindowTestContext t;
    t.data.writeRecords("VELMORIX.LST", {rec(1, {1, 2, 3, 4, 5, 6}), rec(1, {7, 8, 9, 10, 11, 12})});
    const auto list = t.data.readBytes("VELMORIX.LST");
    FrmProhibit w(t.context);
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));

    t.dialogs.answerYes();
    w.findChild<QAction*>(QStringLiteral("mnuDeleteList"))->trigger();
    ASSERT_FALSE(t.data.dir().exists("VELMORIX.LST"));

    QAction* undo = w.findChild<QAction*>(QStringLiteral("mnuUndoList"));
    ASSERT_NE(undo, nullptr);
    EXPECT_EQ(undo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    undo->trigger();
    EXPECT_EQ(t.data.readBytes("VELMORIX.LST"), list);
    EXPECT_EQ(t.dialogs.last().text,
              QStringLiteral("Son işlem geri alındı: Listeyi silme\r(Tekrar CTRL+Z ile "
                             "yeniden yapılır.)\r\rKombinasyon Listesi: 2 kolon"));

    QWidget* focus = w.focusWidget() ? w.focusWidget() : &w;
    QTest::keyClick(focus, Qt::Key_Z, Qt::ControlModifier); // makes the deletion again
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.LST"));
    QTest::keyClick(focus, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(t.data.readBytes("VELMORIX.LST"), list);
}

} // namespace
