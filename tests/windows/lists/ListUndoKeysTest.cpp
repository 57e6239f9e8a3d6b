#include "ListWindowTestContext.h"

#include "windows/lists/FrmComLst.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace velmorix;
using namespace velmorix::test;

namespace {

void press(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = window.focusWidget() ? window.focusWidget() : &window;
    QTest::keyClick(target, key, modifiers);
}

// Ctrl+Z takes back exactly the last change of the list, whatever command
// made it, says which one, and a second Ctrl+Z makes it again.
TEST(ListUndoKeysTest, CtrlZTakesBackTheDeletedListThenTheEliminationAndNamesEach) {
    ListWindowTestContext t;
    t.data.writeRecords("VELMORIX.LST", ListWindowTestContext::columns(30));
    t.data.writeRecords("VELMORIX.OLD", ListWindowTestContext::columns(3)); // an unrelated older list
    const auto original = t.data.readBytes("VELMORIX.LST");
    FrmComLst w(t.context);
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));

    press(w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral("Geri alınacak işlem yok !"));

    t.dialogs.answerInput(QStringLiteral("2"));
    t.dialogs.answerYes();
    press(w, Qt::Key_F5); // the one column holding ball 2 goes
    const auto thinned = t.data.readBytes("VELMORIX.LST");
    const auto old = t.data.readBytes("VELMORIX.OLD");
    ASSERT_NE(thinned, original);
    t.dialogs.answerYes();
    press(w, Qt::Key_F4);
    ASSERT_FALSE(t.data.dir().exists("VELMORIX.LST"));

    press(w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(t.data.readBytes("VELMORIX.LST"), thinned);
    EXPECT_EQ(t.dialogs.last().text,
              QStringLiteral("Son işlem geri alındı: Listeyi silme\r(Tekrar CTRL+Z ile "
                             "yeniden yapılır.)\r\rKombinasyon Listesi: 29 kolon"));
    EXPECT_EQ(w.pageLines().size(), 25u);

    press(w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.LST"));
    EXPECT_TRUE(t.dialogs.last().text.startsWith(
        QStringLiteral("Geri alınan işlem yeniden yapıldı: Listeyi silme\r\rKombinasyon Listesi: yok")));
    press(w, Qt::Key_Z, Qt::ControlModifier);

    // Only the last change is kept: the elimination itself is not taken back,
    // and VELMORIX.OLD keeps what the elimination put there.
    EXPECT_EQ(t.data.readBytes("VELMORIX.LST"), thinned);
    EXPECT_EQ(t.data.readBytes("VELMORIX.OLD"), old);
}

} // namespace
