#include "WindowTestContext.h"
#include "windows/balls/FrmBalls.h"
#include "windows/balls/FrmBanko.h"

#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace velmorix;
using namespace velmorix::test;

namespace {

// The bag and banker windows open beside the main window, its six balls in
// sight, to its right or, with no room there, to its left.
TEST(BesideMainWindowTest, BallWindowsLeaveTheMainWindowInSight) {
    WindowTestContext t;
    t.registry.registerWindow(WindowId::Loto, [](AppContext&) { return new QWidget; });
    QWidget* main = t.registry.get(WindowId::Loto);
    main->resize(200, 150);
    main->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
    const QRect area = main->screen()->availableGeometry();

    for (const int mainX : {area.left(), area.right() + 1 - 200}) {
        main->move(mainX, area.top() + 40);
        const QRect mainFrame = main->frameGeometry();
        std::unique_ptr<QWidget> windows[] = {std::make_unique<FrmBalls>(t.context),
                                              std::make_unique<FrmBanko>(t.context)};
        for (const auto& w : windows) {
            ASSERT_LE(w->width() + 200 + 4, area.width()) << "screen too small for the test";
            const QRect placed(w->pos(), w->size());
            EXPECT_FALSE(placed.intersects(mainFrame)) << w->objectName().toStdString() << " at " << mainX;
            EXPECT_TRUE(area.contains(placed)) << w->objectName().toStdString() << " at " << mainX;
        }
    }
    delete main;
}

} // namespace
