#include "ProbeWindow.h"

#include "support/WindowTests.h"

class VelmorixWindowTest : public WindowTest {};

bool makeActive(QWidget* w) {
    QApplication::setActiveWindow(w);
    return QTest::qWaitForWindowActive(w);
}

TEST_F(VelmorixWindowTest, AKeyReachesTheHandlerOfItsOwnWindowOnce) {
    ProbeWindow w(context);
    ASSERT_TRUE(activate(&w));
    ASSERT_EQ(QApplication::focusWidget(), w.edit);
    // Taken: the control never sees it.
    EXPECT_TRUE(press(&w, Qt::Key_F1));
    // Let through: it climbs every parent, but the handler sees it once.
    EXPECT_FALSE(press(&w, Qt::Key_F2));
    EXPECT_FALSE(press(&w, Qt::Key_A));
    EXPECT_EQ(w.keys, (std::vector<int>{Qt::Key_F1, Qt::Key_F2, Qt::Key_A}));
    EXPECT_EQ(w.edit->text(), QStringLiteral("a"));
    // The same key pressed again is a new key.
    press(&w, Qt::Key_F1);
    EXPECT_EQ(w.keys.size(), 4u);

    // Keys of another window are not taken, nor those of a plain widget.
    ProbeWindow b(context);
    ASSERT_TRUE(activate(&b));
    press(&w, Qt::Key_F1);
    press(&b, Qt::Key_F2);
    EXPECT_EQ(w.keys.size(), 5u);
    EXPECT_EQ(b.keys, std::vector<int>{Qt::Key_F2});
    QLineEdit loose;
    press(&loose, Qt::Key_F1);
    EXPECT_EQ(w.keys.size() + b.keys.size(), 6u);
}

TEST_F(VelmorixWindowTest, ReturningFromAModalBoxDoesNotRefresh) {
    ProbeWindow w(context);
    w.show();
    ASSERT_TRUE(makeActive(&w));
    EXPECT_EQ(w.refreshes, 1);

    QDialog box(&w);
    box.setModal(true);
    box.show();
    ASSERT_TRUE(makeActive(&box));
    box.hide();
    ASSERT_TRUE(makeActive(&w));
    EXPECT_EQ(w.refreshes, 1);

    // Coming back from another window refreshes again.
    QWidget other;
    other.show();
    ASSERT_TRUE(makeActive(&other));
    ASSERT_TRUE(makeActive(&w));
    EXPECT_EQ(w.refreshes, 2);
}
