#include "windows/balls/WindowTestContext.h"

#include "windows/filters/FrmYasak2.h"

#include <QCheckBox>
#include <QLabel>
#include <gtest/gtest.h>
#include <memory>

using namespace velmorix;
using namespace velmorix::test;

namespace {

const QString SpacedTitle = QStringLiteral(" VELMORIX 653 Dizimci u4.5");

class FrmYasak2Test : public ::testing::Test {
protected:
    WindowTestContext t;
    std::unique_ptr<FrmYasak2> w;

    void open() { w = std::make_unique<FrmYasak2>(t.context); }
    std::vector<int> ticked() const {
        std::vector<int> v;
        for (int b = 1; b <= 49; ++b)
            if (b != w->currentBall() && w->box(b)->isChecked())
                v.push_back(b);
        return v;
    }
    QString label() const { return w->findChild<QLabel*>(QStringLiteral("Label1"))->text(); }
};

TEST_F(FrmYasak2Test, TickingSevenForThreeSavesTheSingleRecord157) {
    open();
    press(w.get(), Qt::Key_PageDown);
    press(w.get(), Qt::Key_PageDown);
    EXPECT_EQ(w->currentBall(), 3);
    EXPECT_EQ(label(), QStringLiteral("[ 3 ]"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral(" 3 ile yanyana gelmesi yasak olan toplar."));
    EXPECT_TRUE(w->box(3)->isHidden());
    w->box(7)->click();
    EXPECT_TRUE(w->isForbidden(3, 7));
    EXPECT_EQ(w->box(7)->palette().color(QPalette::WindowText), QColor(Qt::black));

    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F2);
    EXPECT_EQ(t.dialogs.last().text,
              QStringLiteral("Yasak ikilileri 'VELMORIX.YS2' dosyasına kayıtlamak istiyormusunuz ?"));
    EXPECT_EQ(t.dialogs.last().title, SpacedTitle);
    EXPECT_EQ(t.data.readBytes("VELMORIX.YS2"), (std::vector<unsigned char>{157, 0}));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Yasak İkililer 'VELMORIX.YS2' dosyasına kayıtlandı..."));

    // Ball 7 shows its partner 3; clearing it there clears the pair.
    w->showBall(7);
    EXPECT_EQ(ticked(), std::vector<int>{3});
    w->box(3)->click();
    EXPECT_FALSE(w->isForbidden(3, 7));
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F2);
    EXPECT_TRUE(t.data.dir().exists("VELMORIX.YS2"));
    EXPECT_TRUE(t.data.readBytes("VELMORIX.YS2").empty());
}

TEST_F(FrmYasak2Test, StoredPairsShowFromBothBallsAndSaveAscending) {
    // 7-3 written the other way round, 49-1, and a record that is no pair.
    t.data.writeWords("VELMORIX.YS2", {353, 2451, 2549, 157});
    open();
    EXPECT_EQ(ticked(), std::vector<int>{49}); // ball 1
    press(w.get(), Qt::Key_End);
    EXPECT_EQ(w->currentBall(), 49);
    EXPECT_EQ(ticked(), std::vector<int>{1});
    w->showBall(3);
    EXPECT_EQ(ticked(), std::vector<int>{7});
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F2);
    EXPECT_EQ(t.words("VELMORIX.YS2"), (std::vector<int16_t>{99, 157}));
}

TEST_F(FrmYasak2Test, PagingStopsAtTheEnds) {
    open();
    press(w.get(), Qt::Key_PageUp);
    EXPECT_EQ(w->currentBall(), 1);
    EXPECT_EQ(label(), QStringLiteral("[ 1 ]"));
    press(w.get(), Qt::Key_End);
    press(w.get(), Qt::Key_PageDown);
    EXPECT_EQ(w->currentBall(), 49);
    press(w.get(), Qt::Key_PageUp);
    EXPECT_EQ(w->currentBall(), 48);
    press(w.get(), Qt::Key_Home);
    EXPECT_EQ(w->currentBall(), 1);
    EXPECT_FALSE(w->box(49)->isHidden());
}

TEST_F(FrmYasak2Test, AFileOfMoreThanEveryPairIsDeletedOnOpening) {
    t.data.writeWords("VELMORIX.YS2", std::vector<int16_t>(1177, 157));
    open();
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.YS2"));
    EXPECT_TRUE(ticked().empty());
    EXPECT_TRUE(t.dialogs.calls().empty());

    // 1176 records is a full list and stays.
    w.reset();
    t.data.writeWords("VELMORIX.YS2", std::vector<int16_t>(1176, 157));
    open();
    EXPECT_TRUE(t.data.dir().exists("VELMORIX.YS2"));
    EXPECT_TRUE(w->isForbidden(3, 7));
}

TEST_F(FrmYasak2Test, ClearLoadAndDelete) {
    t.data.writeWords("VELMORIX.YS2", {52});
    open();
    press(w.get(), Qt::Key_F3);
    EXPECT_FALSE(w->isForbidden(1, 2));
    EXPECT_EQ(t.words("VELMORIX.YS2"), std::vector<int16_t>{52});
    press(w.get(), Qt::Key_F1);
    EXPECT_TRUE(w->isForbidden(1, 2));
    EXPECT_TRUE(w->box(2)->isChecked());

    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F4);
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.YS2"));
    EXPECT_EQ(t.dialogs.calls()[0].text, QStringLiteral("'VELMORIX.YS2' dosyasını silmek istiyormusunuz ?"));
    EXPECT_EQ(t.dialogs.calls()[0].title, QStringLiteral("VELMORIX 653 Dizimci u4.5"));
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral("'VELMORIX.YS2' dosyası silindi..."));
    EXPECT_EQ(t.dialogs.last().title, SpacedTitle);
    EXPECT_TRUE(w->box(2)->isChecked()); // the ticks stay

    const int beeps = t.dialogs.beeps();
    press(w.get(), Qt::Key_F1); // no file: two beeps, nothing else
    EXPECT_EQ(t.dialogs.beeps(), beeps + 2);
    EXPECT_TRUE(w->isForbidden(1, 2));
}

} // namespace
