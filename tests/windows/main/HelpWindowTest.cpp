#include "MainFixture.h"

#include "windows/main/FrmHelp.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <set>

using namespace velmorix;
using namespace velmorix::test;

namespace {

class HelpWindowTest : public MainFixture {
protected:
    FrmHelp* openHelp() {
        press(loto(), Qt::Key_F10);
        return registry.findAs<FrmHelp>(WindowId::Help);
    }
    static int helpWindowsAlive() {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            n += qobject_cast<FrmHelp*>(w) != nullptr ? 1 : 0;
        return n;
    }
};

TEST_F(HelpWindowTest, PictureSlidesDownClimbsBackAndStartsAgain) {
    FrmHelp* help = openHelp();
    auto* timer = help->findChild<QTimer*>(QStringLiteral("Timer1"));
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 25);
    auto* picture = help->findChild<QWidget*>(QStringLiteral("Picture2"));
    const int start = help->pictureTopTwips();

    for (int i = 0; i < 260; ++i)
        help->animationTick();
    EXPECT_EQ(help->pictureTopTwips(), start + 2600);
    EXPECT_EQ(picture->y(), (start + 2600) / 15);

    int climbing = 0;
    while (help->tickCounter() != 0 && climbing < 1000) {
        help->animationTick();
        ++climbing;
    }
    EXPECT_LT(help->pictureTopTwips(), 730);
    EXPECT_GE(help->pictureTopTwips(), 720);
    const int top = help->pictureTopTwips();
    help->animationTick();
    EXPECT_EQ(help->pictureTopTwips(), top + 10); // and down again
}

TEST_F(HelpWindowTest, CreditsLineFlickersInPaletteColours) {
    FrmHelp* help = openHelp();
    auto* credits = help->findChild<QLabel*>(QStringLiteral("Label4"));
    std::set<QRgb> seen;
    for (int i = 0; i < 60; ++i) {
        help->animationTick();
        seen.insert(credits->palette().color(QPalette::WindowText).rgb() & 0xffffff);
    }
    EXPECT_GT(seen.size(), 2u);
    const std::set<QRgb> palette{0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                 0x808000, 0xc0c0c0, 0x808080, 0x0000ff, 0x00ff00, 0x00ffff,
                                 0xff0000, 0xff00ff, 0xffff00, 0xffffff};
    seen.erase(QApplication::palette().color(QPalette::WindowText).rgb() & 0xffffff);
    for (QRgb c : seen)
        EXPECT_TRUE(palette.count(c)) << std::hex << c;
}

TEST_F(HelpWindowTest, F10ShowsTheBuildWithoutAnIconAndOtherKeysDoNothing) {
    FrmHelp* help = openHelp();
    dialogs.clear();
    EXPECT_TRUE(press(help, Qt::Key_F10));
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.last().icon, DialogIcon::None);
    EXPECT_EQ(dialogs.beeps(), 1);
    EXPECT_FALSE(press(help, Qt::Key_F1));
    EXPECT_TRUE(help->isVisible());
}

TEST_F(HelpWindowTest, ClosesByEscapeButtonOrDoubleClickAndOnlyItself) {
    loto()->show();
    FrmHelp* help = openHelp();
    press(help, Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
    EXPECT_TRUE(loto()->isVisible());
    flushDeletes();

    help = openHelp();
    help->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    EXPECT_FALSE(help->isVisible());
    flushDeletes();

    help = openHelp();
    QTest::mouseDClick(help->findChild<QLabel*>(QStringLiteral("Label5")), Qt::LeftButton);
    EXPECT_FALSE(help->isVisible());
    flushDeletes();
    EXPECT_EQ(helpWindowsAlive(), 0);
    EXPECT_TRUE(loto()->isVisible());
}

} // namespace
