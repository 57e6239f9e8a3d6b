#include "ListWindowTestContext.h"

#include "windows/lists/FrmComLst.h"
#include "windows/lists/ListWindows.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

using namespace velmorix;
using namespace velmorix::test;

namespace {

class PagedListWindowTest : public ::testing::Test {
protected:
    ListWindowTestContext t;
    std::unique_ptr<FrmComLst> w = std::make_unique<FrmComLst>(t.context);

    void open(int count) {
        t.data.writeRecords("VELMORIX.LST", ListWindowTestContext::columns(count));
        w->onActivated();
    }
    QString caption(int page) const {
        return QStringLiteral("Kombinasyon Listesi - Sayfa ") + QString::number(page) +
               QStringLiteral("  [ F10= Yardım ]");
    }
};

TEST_F(PagedListWindowTest, APageShowsLabelsBallsAndSumsAtTheirPositions) {
    auto list = ListWindowTestContext::columns(30);
    list[0] = rec(0, {1, 2, 3, 4, 5, 6});
    list[1] = rec(0, {5, 10, 15, 20, 22, 28});
    t.data.writeRecords("VELMORIX.LST", list);
    w->onActivated();

    EXPECT_EQ(w->windowTitle(), caption(1));
    const auto& lines = w->pageLines();
    ASSERT_EQ(lines.size(), 25u);
    EXPECT_EQ(lines[0].label, QStringLiteral("Kolon - 1 : "));
    EXPECT_EQ(lines[0].y, 200);
    EXPECT_EQ(lines[0].ballsX, 1600);
    EXPECT_EQ(lines[0].balls[0], QStringLiteral(" 1  "));
    EXPECT_EQ(lines[0].balls[5], QStringLiteral(" 6  "));
    EXPECT_EQ(lines[0].bracket, QStringLiteral("[ 021 ]"));
    EXPECT_EQ(lines[1].bracket, QStringLiteral("[ 100 ]"));
    EXPECT_GT(lines[1].y, lines[0].y);
    EXPECT_EQ(lines[24].y - lines[0].y, 24 * (lines[1].y - lines[0].y));
    EXPECT_EQ(lines[24].label, QStringLiteral("Kolon - 25 : "));
    // The window is tall enough for all 25 lines.
    w->show();
    EXPECT_LE(w->canvas()->toPixelsY(lines[24].y + (lines[1].y - lines[0].y)), w->canvas()->height());
}

TEST_F(PagedListWindowTest, PagingListsOf25And26Columns) {
    open(25);
    press(w.get(), Qt::Key_End);
    EXPECT_EQ(w->firstShownPosition(), 0);
    press(w.get(), Qt::Key_PageDown);
    EXPECT_EQ(w->firstShownPosition(), 0);
    EXPECT_EQ(w->windowTitle(), caption(1));

    open(26);
    press(w.get(), Qt::Key_PageDown);
    EXPECT_EQ(w->pageLines().size(), 1u);
    EXPECT_EQ(w->pageLines()[0].label, QStringLiteral("Kolon - 26 : "));
    EXPECT_EQ(w->windowTitle(), caption(2));
    press(w.get(), Qt::Key_Home);
    EXPECT_EQ(w->windowTitle(), caption(1));
    press(w.get(), Qt::Key_End);
    EXPECT_EQ(w->firstShownPosition(), 1);
    EXPECT_EQ(w->windowTitle(), caption(2));
    press(w.get(), Qt::Key_Up);
    EXPECT_EQ(w->firstShownPosition(), 0);
    press(w.get(), Qt::Key_Up);
    EXPECT_EQ(w->firstShownPosition(), 0);
    press(w.get(), Qt::Key_Down);
    EXPECT_EQ(w->pageLines()[0].label, QStringLiteral("Kolon - 2 : "));
    press(w.get(), Qt::Key_Space);
    EXPECT_EQ(w->firstShownPosition(), 1); // fewer than 25 below: it stays
    press(w.get(), Qt::Key_PageUp);
    EXPECT_EQ(w->firstShownPosition(), 0);
    press(w.get(), Qt::Key_Return);
    EXPECT_EQ(w->firstShownPosition(), 25);
}

TEST_F(PagedListWindowTest, AClickShowsTheNextPageAndPastTheEndTheLastOne) {
    open(60);
    QTest::mouseClick(w->canvas(), Qt::LeftButton);
    EXPECT_EQ(w->firstShownPosition(), 25);
    QTest::mouseClick(w->canvas(), Qt::LeftButton);
    QTest::mouseClick(w->canvas(), Qt::LeftButton);
    EXPECT_EQ(w->firstShownPosition(), 35);
    EXPECT_EQ(w->windowTitle(), caption(3));
}

TEST_F(PagedListWindowTest, FiveMillionColumnsPageToTheEnd) {
    t.data.writeRecords("VELMORIX.LST", {});
    std::filesystem::resize_file(t.data.dir().path("VELMORIX.LST"), 5'000'000LL * 16);
    w->onActivated();
    press(w.get(), Qt::Key_End);
    press(w.get(), Qt::Key_PageUp);
    press(w.get(), Qt::Key_PageDown);
    EXPECT_EQ(w->windowTitle(), caption(200000));
    EXPECT_EQ(w->pageLines()[24].label, QStringLiteral("Kolon - 5000000 : "));
    EXPECT_GT(w->pageLines()[24].ballsX, 1700); // a long label pushes the balls right
}

TEST_F(PagedListWindowTest, AMissingListIsSaidAndTheWindowCloses) {
    registerListWindows(t.registry);
    QPointer<QWidget> opened = t.registry.get(WindowId::ComLst);
    ASSERT_TRUE(opened);
    qobject_cast<FrmComLst*>(opened.data())->onActivated();
    EXPECT_EQ(t.dialogs.beeps(), 1);
    ASSERT_EQ(t.dialogs.messages().size(), 1u);
    EXPECT_EQ(t.dialogs.last().text,
              QStringLiteral("Kombinasyon listesi dosyası 'VELMORIX.LST' bulunamadı!"));
    EXPECT_EQ(t.dialogs.last().title, QStringLiteral(" VELMORIX 2005 Randomizer"));
    EXPECT_EQ(t.dialogs.last().icon, DialogIcon::Exclamation);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(opened);
}

TEST_F(PagedListWindowTest, AnEmptyListIsSaidAndTheWindowStays) {
    t.data.writeRecords("VELMORIX.LST", {});
    w->show();
    w->onActivated();
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral("Kombinasyon listesi dosyası 'VELMORIX.LST' boş!"));
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->pageLines().empty());
}

TEST_F(PagedListWindowTest, ReturningFromAMessageBoxKeepsThePage) {
    open(60);
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    press(w.get(), Qt::Key_PageDown);
    ASSERT_EQ(w->firstShownPosition(), 25);
    // A real modal box takes the activation and gives it back.
    QWidget box;
    box.setWindowModality(Qt::ApplicationModal);
    box.show();
    box.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    box.close();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    EXPECT_EQ(w->firstShownPosition(), 25);
}

} // namespace
