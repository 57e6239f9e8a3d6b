#include "support/WindowTests.h"

class PagedListWindowTest : public WindowTest {
protected:
    std::unique_ptr<FrmComLst> w = std::make_unique<FrmComLst>(context);

    void open(int count) {
        data.writeRecords("VELMORIX.LST", WindowEnv::columns(count));
        w->onActivated();
    }
    static QString caption(int page) {
        return QStringLiteral("Kombinasyon Listesi - Sayfa %1  [ F10= Yardım ]").arg(page);
    }
};

TEST_F(PagedListWindowTest, APageShowsLabelsBallsAndSumsAtTheirPositions) {
    auto list = WindowEnv::columns(30);
    list[0] = rec(0, {1, 2, 3, 4, 5, 6});
    list[1] = rec(0, {5, 10, 15, 20, 22, 28});
    data.writeRecords("VELMORIX.LST", list);
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

TEST_F(PagedListWindowTest, KeysAndClicksPageWithinTheListAndAModalBoxKeepsIt) {
    open(25);
    press(w.get(), Qt::Key_End);
    press(w.get(), Qt::Key_PageDown);
    EXPECT_EQ(w->firstShownPosition(), 0);

    open(26);
    const std::pair<int, int> steps[] = {{Qt::Key_PageDown, 25}, {Qt::Key_Home, 0},   {Qt::Key_End, 1},
                                         {Qt::Key_Up, 0},        {Qt::Key_Up, 0},     {Qt::Key_Down, 1},
                                         {Qt::Key_Space, 1}, // fewer than 25 below: it stays
                                         {Qt::Key_PageUp, 0},    {Qt::Key_Return, 25}};
    for (const auto& [key, first] : steps) {
        press(w.get(), key);
        EXPECT_EQ(w->firstShownPosition(), first) << key;
        EXPECT_EQ(w->windowTitle(), caption(first == 0 ? 1 : 2)) << key;
    }
    EXPECT_EQ(w->pageLines()[0].label, QStringLiteral("Kolon - 26 : "));

    // A click shows the next page and past the end the last one.
    open(60);
    ASSERT_TRUE(activate(w.get()));
    QTest::mouseClick(w->canvas(), Qt::LeftButton);
    EXPECT_EQ(w->firstShownPosition(), 25);
    QTest::mouseClick(w->canvas(), Qt::LeftButton);
    QTest::mouseClick(w->canvas(), Qt::LeftButton);
    EXPECT_EQ(w->firstShownPosition(), 35);
    EXPECT_EQ(w->windowTitle(), caption(3));
    // Coming back from a modal box keeps the page.
    QDialog box(w.get());
    box.setModal(true);
    ASSERT_TRUE(activate(&box));
    box.close();
    ASSERT_TRUE(activate(w.get()));
    EXPECT_EQ(w->firstShownPosition(), 35);
}

TEST_F(PagedListWindowTest, FiveMillionColumnsPageToTheEnd) {
    data.writeRecords("VELMORIX.LST", {});
    std::filesystem::resize_file(data.dir().path("VELMORIX.LST"), 5'000'000LL * 16);
    w->onActivated();
    press(w.get(), Qt::Key_End);
    press(w.get(), Qt::Key_PageUp);
    press(w.get(), Qt::Key_PageDown);
    EXPECT_EQ(w->windowTitle(), caption(200000));
    EXPECT_EQ(w->pageLines()[24].label, QStringLiteral("Kolon - 5000000 : "));
    EXPECT_GT(w->pageLines()[24].ballsX, 1700); // a long label pushes the balls right
}

TEST_F(PagedListWindowTest, AMissingListClosesTheWindowAndAnEmptyOneStays) {
    QPointer<QWidget> opened = registry.get(WindowId::ComLst);
    qobject_cast<FrmComLst*>(opened.data())->onActivated();
    EXPECT_EQ(dialogs.beeps(), 1);
    EXPECT_EQ(onlyMessage().text, QStringLiteral("Kombinasyon listesi dosyası 'VELMORIX.LST' bulunamadı!"));
    flushDeletes();
    EXPECT_FALSE(opened);

    data.writeRecords("VELMORIX.LST", {});
    w->show();
    w->onActivated();
    EXPECT_EQ(dialogs.last().text, QStringLiteral("Kombinasyon listesi dosyası 'VELMORIX.LST' boş!"));
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->pageLines().empty());
}
