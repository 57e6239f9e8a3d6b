#include "windows/balls/WindowTestContext.h"

#include "windows/filters/FrmYasak2.h"

#include <QCheckBox>
#include <QTest>
#include <gtest/gtest.h>

using namespace velmorix;
using namespace velmorix::test;

namespace {

void press(QWidget& window, Qt::Key key) {
    QWidget* target = window.focusWidget() ? window.focusWidget() : &window;
    QTest::keyClick(target, key);
}

// F1 reloads whatever pairs the file holds, however long it has grown since
// the window opened; a file with no pair in it leaves the ticks as they are.
TEST(PairsEditorReloadTest, F1LoadsALongFileAndKeepsTicksForAFileWithoutPairs) {
    WindowTestContext t;
    t.data.writeWords("VELMORIX.YS2", {52});
    FrmYasak2 w(t.context);
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));

    std::vector<int16_t> longFile(1300, 2449);
    longFile.push_back(157);
    t.data.writeWords("VELMORIX.YS2", longFile);
    press(w, Qt::Key_F1);
    EXPECT_FALSE(w.isForbidden(1, 2));
    EXPECT_TRUE(w.isForbidden(3, 7));
    EXPECT_TRUE(w.isForbidden(49, 48));

    t.data.writeWords("VELMORIX.YS2", {0, 2600, 51});
    const int beeps = t.dialogs.beeps();
    press(w, Qt::Key_F1);
    EXPECT_EQ(t.dialogs.beeps(), beeps + 2);
    EXPECT_TRUE(w.isForbidden(3, 7));
    EXPECT_EQ(t.data.readBytes("VELMORIX.YS2").size(), 6u);
}

} // namespace
