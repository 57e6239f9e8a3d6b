#include "WindowTestContext.h"

#include "windows/balls/FrmBalls.h"

#include <QCheckBox>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

using namespace velmorix;
using namespace velmorix::test;

namespace {

const QString Title = QStringLiteral("VELMORIX 653 Dizimci u4.5");
const QString SavedText = QStringLiteral("Seçilen toplar VELMORIX.DAT dosyasına kayıtlandı...");

std::vector<int16_t> datWords(std::vector<int16_t> bag, std::vector<int16_t> bankers = {}) {
    std::vector<int16_t> w(50, 0);
    w[0] = static_cast<int16_t>(bag.size());
    for (std::size_t i = 0; i < bag.size(); ++i)
        w[i + 1] = bag[i];
    if (!bankers.empty()) {
        w.push_back(static_cast<int16_t>(bankers.size()));
        w.insert(w.end(), bankers.begin(), bankers.end());
    }
    return w;
}

class FrmBallsTest : public ::testing::Test {
protected:
    WindowTestContext t;
    std::unique_ptr<FrmBalls> w = std::make_unique<FrmBalls>(t.context);

    std::vector<int> ticked() const {
        std::vector<int> v;
        for (int b = 1; b <= 49; ++b)
            if (w->box(b)->isChecked())
                v.push_back(b);
        return v;
    }
    void tick(std::initializer_list<int> balls) {
        for (int b : balls)
            w->box(b)->setChecked(true);
    }
    QColor textColour(int ball) const { return w->box(ball)->palette().color(QPalette::WindowText); }
};

TEST_F(FrmBallsTest, ActivationShowsTheBagAndTickAllOrNoneLeaveItAlone) {
    t.setBag({3, 9, 41});
    tick({1, 2});
    w->onActivated();
    EXPECT_EQ(ticked(), (std::vector<int>{3, 9, 41}));
    press(w.get(), Qt::Key_F4);
    EXPECT_EQ(ticked().size(), 49u);
    press(w.get(), Qt::Key_F5);
    EXPECT_TRUE(ticked().empty());
    EXPECT_EQ(t.bag(), (std::vector<int>{3, 9, 41}));
}

TEST_F(FrmBallsTest, ApplyDropsTickedBankersFromBagAndBoxes) {
    t.setBankers({12});
    tick({7, 12, 30});
    press(w.get(), Qt::Key_F1);
    EXPECT_EQ(t.bag(), (std::vector<int>{7, 30}));
    EXPECT_EQ(ticked(), (std::vector<int>{7, 30}));
    EXPECT_EQ(textColour(12), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(t.dialogs.beeps(), 1);

    // Only bankers ticked: the bag becomes empty and nothing stays ticked.
    press(w.get(), Qt::Key_F5);
    tick({12});
    press(w.get(), Qt::Key_F1);
    EXPECT_TRUE(t.bag().empty());
    EXPECT_TRUE(ticked().empty());
}

TEST_F(FrmBallsTest, SaveWritesTheTickedBoxesAndKeepsBankerRecords) {
    t.data.writeWords("VELMORIX.DAT", datWords({1, 2, 3, 4, 5, 6, 7, 8}, {12, 44}));
    t.setBankers({12});
    tick({7, 12, 30});
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F3);

    const auto words = t.words("VELMORIX.DAT");
    ASSERT_EQ(words.size(), 53u);
    EXPECT_EQ(std::vector<int16_t>(words.begin(), words.begin() + 4), (std::vector<int16_t>{3, 7, 12, 30}));
    for (std::size_t r = 4; r < 50; ++r)
        EXPECT_EQ(words[r], 0) << "record " << r + 1;
    EXPECT_EQ(std::vector<int16_t>(words.begin() + 50, words.end()), (std::vector<int16_t>{2, 12, 44}));
    // The banker stays in the bag until the next apply or load.
    EXPECT_EQ(t.bag(), (std::vector<int>{7, 12, 30}));
    ASSERT_EQ(t.dialogs.calls().size(), 2u);
    EXPECT_EQ(t.dialogs.calls()[0].text,
              QStringLiteral("Topları VELMORIX.DAT dosyasına kayıtlamak istiyormusunuz ?"));
    EXPECT_EQ(t.dialogs.last().text, SavedText);
    EXPECT_EQ(t.dialogs.last().title, Title);
    EXPECT_EQ(t.dialogs.last().icon, DialogIcon::None);
}

TEST_F(FrmBallsTest, SaveWithNoFileOrNoTicksAndDeclinedSave) {
    t.dialogs.answerNo();
    tick({5});
    press(w.get(), Qt::Key_F3);
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.DAT"));
    EXPECT_TRUE(t.bag().empty());

    press(w.get(), Qt::Key_F5);
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F3);
    EXPECT_EQ(t.words("VELMORIX.DAT"), std::vector<int16_t>(50, 0));
}

TEST_F(FrmBallsTest, LoadRemovesBankersAndTreatsBadCountsAsTheFileSays) {
    t.data.writeWords("VELMORIX.DAT", datWords({7, 12, 30}));
    t.setBankers({12});
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F2);
    EXPECT_EQ(t.bag(), (std::vector<int>{7, 30}));
    EXPECT_EQ(ticked(), (std::vector<int>{7, 30}));
    EXPECT_EQ(t.dialogs.calls()[0].text,
              QStringLiteral("Topları VELMORIX.DAT dosyasından yüklemek istiyormusunuz ?"));

    // Record 1 = 60 in a file long enough for it: the bag becomes empty.
    auto words = datWords({});
    words.resize(60);
    words[0] = 60;
    t.data.writeWords("VELMORIX.DAT", words);
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F2);
    EXPECT_TRUE(t.bag().empty());
    EXPECT_TRUE(ticked().empty());
}

TEST_F(FrmBallsTest, LoadOfDamagedOrMissingFile) {
    press(w.get(), Qt::Key_F2); // no file: only the beep
    EXPECT_TRUE(t.dialogs.calls().empty());
    EXPECT_EQ(t.dialogs.beeps(), 1);

    t.setBag({1, 2});
    tick({1, 2});
    t.data.writeWords("VELMORIX.DAT", {40, 3, 4, 5}); // 8 bytes for 40 balls
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F2);
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral("'VELMORIX.DAT' dosyası bozuk !"));
    EXPECT_EQ(t.dialogs.last().title, QStringLiteral("! HATA !"));
    EXPECT_EQ(t.dialogs.last().icon, DialogIcon::Exclamation);
    EXPECT_EQ(t.bag(), (std::vector<int>{1, 2}));
    EXPECT_EQ(ticked(), (std::vector<int>{1, 2}));
}

TEST_F(FrmBallsTest, AutomaticSelectionWaitsForTheResultsDialog) {
    press(w.get(), Qt::Key_F6); // no results: nothing after the beep
    EXPECT_TRUE(t.dialogs.calls().empty());
    EXPECT_FALSE(w->isWaiting());

    t.data.writeRecords("VELMORIX.RES", {rec(653, {1, 2, 3, 4, 5, 6})});
    t.setBag({5, 6});
    w->onActivated();
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F8);
    EXPECT_EQ(t.dialogs.last().text,
              QStringLiteral("Topları önceden çıkan sonuçlara göre değiştirmek istiyormusunuz ?"));
    EXPECT_EQ(t.state.ResultsDialogMode, dialogmode::MostDrawn);
    EXPECT_EQ(t.state.ResultsDialogSubMode, 0);
    EXPECT_TRUE(w->isWaiting());
    EXPECT_EQ(w->findChild<QTimer*>(QStringLiteral("Timer1"))->interval(), 250);

    // The dialog is not there: the window keeps waiting without touching anything.
    t.setBag({10, 11, 12});
    w->pollResults();
    EXPECT_TRUE(w->isWaiting());
    EXPECT_EQ(ticked(), (std::vector<int>{5, 6}));

    // The dialog chose: boxes show its bag, bankers included.
    t.setBankers({11});
    t.state.ResultsDialogMode = dialogmode::Done;
    w->pollResults();
    EXPECT_FALSE(w->isWaiting());
    EXPECT_EQ(ticked(), (std::vector<int>{10, 11, 12}));

    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F7);
    EXPECT_EQ(t.state.ResultsDialogMode, dialogmode::MiddleDrawn);
    t.setBag({20});
    t.state.ResultsDialogMode = dialogmode::Closed;
    w->pollResults();
    EXPECT_FALSE(w->isWaiting());
    EXPECT_EQ(ticked(), (std::vector<int>{10, 11, 12}));

    t.dialogs.answerNo();
    press(w.get(), Qt::Key_F6);
    EXPECT_FALSE(w->isWaiting());
    EXPECT_EQ(t.state.ResultsDialogMode, dialogmode::Closed);
}

TEST_F(FrmBallsTest, TakenKeysAndEscape) {
    w->show();
    EXPECT_TRUE(press(w.get(), Qt::Key_F9)); // taken, does nothing
    EXPECT_TRUE(t.dialogs.calls().empty());
    press(w.get(), Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
}

} // namespace

namespace {

TEST(FrmBallsActivationTest, UnappliedTicksSurviveAModalBoxButNotAReturnFromElsewhere) {
    WindowTestContext t;
    t.setBag({3});
    FrmBalls w(t.context);
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    EXPECT_TRUE(w.box(3)->isChecked());
    w.box(20)->setChecked(true);

    // A modal box (a help text, a question) comes and goes.
    QDialog box(&w);
    box.setModal(true);
    box.show();
    QApplication::setActiveWindow(&box);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    box.hide();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    EXPECT_TRUE(w.box(20)->isChecked());

    // Back from another window: the boxes show the bag again.
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    EXPECT_FALSE(w.box(20)->isChecked());
    EXPECT_TRUE(w.box(3)->isChecked());
}

} // namespace
