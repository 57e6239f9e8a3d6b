#include "WindowTestContext.h"

#include "windows/balls/FrmBanko.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace velmorix;
using namespace velmorix::test;

namespace {

const QString SavedText = QStringLiteral("Seçilen toplar VELMORIX.DAT dosyasına kayıtlandı...");

class FrmBankoTest : public ::testing::Test {
protected:
    WindowTestContext t;
    std::unique_ptr<FrmBanko> w = std::make_unique<FrmBanko>(t.context);

    QRadioButton* option(int k) const {
        return w->findChild<QRadioButton*>(QStringLiteral("Option%1").arg(k));
    }
    void type(int box, const char* text) { w->entry(box)->setText(QString::fromLatin1(text)); }
    std::vector<QString> texts() const {
        std::vector<QString> v;
        for (int i = 0; i < 5; ++i)
            v.push_back(w->entry(i)->text());
        return v;
    }
};

TEST_F(FrmBankoTest, CountOptionsShowBoxesAndSetTheWindowHeight) {
    w->show();
    press(w.get(), Qt::Key_F7); // three bankers
    EXPECT_TRUE(option(4)->isChecked());
    EXPECT_TRUE(w->entry(2)->isVisible());
    EXPECT_FALSE(w->entry(3)->isVisible());
    EXPECT_EQ(w->height(), FrmBanko::twipsToPixels(3650));
    press(w.get(), Qt::Key_F9);
    EXPECT_EQ(w->height(), FrmBanko::twipsToPixels(5300));
    press(w.get(), Qt::Key_F5);
    EXPECT_EQ(w->height(), FrmBanko::twipsToPixels(2800));
    press(w.get(), Qt::Key_F8);
    EXPECT_EQ(w->height(), FrmBanko::twipsToPixels(4475));
    press(w.get(), Qt::Key_F4);
    EXPECT_FALSE(w->entry(0)->isVisible());
    EXPECT_EQ(w->height(), FrmBanko::twipsToPixels(2800));
}

TEST_F(FrmBankoTest, TypingKeepsOnlyBalls) {
    w->selectCount(5);
    type(0, "50");
    type(1, "0");
    type(2, "07");
    type(3, "x");
    type(4, "49");
    EXPECT_EQ(texts(), (std::vector<QString>{{}, {}, QStringLiteral("7"), {}, QStringLiteral("49")}));

    // Typed key by key, as a player does.
    w->entry(0)->setFocus();
    QTest::keyClicks(w->entry(0), QStringLiteral("4"));
    QTest::keyClicks(w->entry(0), QStringLiteral("0"));
    EXPECT_EQ(w->entry(0)->text(), QStringLiteral("40"));
}

TEST_F(FrmBankoTest, EnterMovesToTheNextVisibleBoxThenToApply) {
    w->show();
    QApplication::setActiveWindow(w.get());
    w->selectCount(2);
    w->entry(0)->setFocus();
    QTest::keyClick(w->entry(0), Qt::Key_Return);
    EXPECT_TRUE(w->entry(1)->hasFocus());
    QTest::keyClick(w->entry(1), Qt::Key_Return);
    EXPECT_TRUE(w->findChild<QPushButton*>(QStringLiteral("Command1"))->hasFocus());
}

TEST_F(FrmBankoTest, ApplyReadsTheChosenBoxesWithoutRepeats) {
    t.setBag({5, 6, 9, 10, 17});
    w->selectCount(3);
    type(0, "5");
    type(1, "5");
    type(2, "9");
    press(w.get(), Qt::Key_F1);
    EXPECT_EQ(t.bankers(), (std::vector<int>{5, 9}));
    EXPECT_EQ(t.bag(), (std::vector<int>{6, 10, 17}));
    EXPECT_TRUE(option(3)->isChecked());
    EXPECT_EQ(texts(), (std::vector<QString>{QStringLiteral("5"), QStringLiteral("9"), {}, {}, {}}));

    // Count 2, first box empty, second 17.
    w->selectCount(2);
    w->entry(0)->clear();
    type(1, "17");
    press(w.get(), Qt::Key_F1);
    EXPECT_EQ(t.bankers(), std::vector<int>{17});

    // Three typed, then count 1: only the first box counts.
    w->selectCount(3);
    type(0, "21");
    type(1, "22");
    type(2, "23");
    w->selectCount(1);
    press(w.get(), Qt::Key_F1);
    EXPECT_EQ(t.bankers(), std::vector<int>{21});

    // Count 0 clears the bankers; balls removed earlier do not return to the bag.
    w->selectCount(0);
    press(w.get(), Qt::Key_F1);
    EXPECT_TRUE(t.bankers().empty());
    EXPECT_EQ(t.bag(), (std::vector<int>{6, 10}));
    EXPECT_TRUE(option(1)->isChecked());
}

TEST_F(FrmBankoTest, SaveWithNoFileCreatesAnEmptyBagFirst) {
    w->selectCount(2);
    type(0, "8");
    type(1, "33");
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F3);
    std::vector<int16_t> expected(50, 0);
    expected.insert(expected.end(), {2, 8, 33});
    EXPECT_EQ(t.words("VELMORIX.DAT"), expected);
    EXPECT_EQ(t.dialogs.calls()[0].text,
              QStringLiteral("Banko topları (topu) VELMORIX.DAT dosyasına kayıtlamak istiyormusunuz ?"));
    EXPECT_EQ(t.dialogs.last().text, SavedText);

    // Saving no bankers writes M = 0 and keeps the bag records.
    w->selectCount(0);
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F3);
    const auto words = t.words("VELMORIX.DAT");
    ASSERT_EQ(words.size(), 53u);
    EXPECT_EQ(words[50], 0);
}

TEST_F(FrmBankoTest, LoadShowsTheStoredBankersOrReportsDamage) {
    std::vector<int16_t> words(50, 0);
    words[0] = 3;
    words[1] = 4;
    words[2] = 11;
    words[3] = 20;
    words.insert(words.end(), {2, 11, 40});
    t.data.writeWords("VELMORIX.DAT", words);
    t.setBag({4, 11, 20});
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F2);
    EXPECT_EQ(t.dialogs.calls()[0].text,
              QStringLiteral("Banko topları VELMORIX.DAT dosyasından yüklemek istiyormusunuz ?"));
    EXPECT_EQ(t.bankers(), (std::vector<int>{11, 40}));
    EXPECT_EQ(t.bag(), (std::vector<int>{4, 20}));
    EXPECT_TRUE(option(3)->isChecked());
    EXPECT_EQ(w->entry(1)->text(), QStringLiteral("40"));

    words.resize(53);
    words[50] = 5; // five bankers claimed, two stored
    t.data.writeWords("VELMORIX.DAT", words);
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F2);
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral("'VELMORIX.DAT' dosyası bozuk !"));
    EXPECT_EQ(t.dialogs.last().title, QStringLiteral("! HATA !"));
    EXPECT_EQ(t.bankers(), (std::vector<int>{11, 40}));

    // A 100-byte file holds no bankers: nothing is asked.
    t.data.writeWords("VELMORIX.DAT", std::vector<int16_t>(50, 0));
    const auto asked = t.dialogs.calls().size();
    press(w.get(), Qt::Key_F2);
    EXPECT_EQ(t.dialogs.calls().size(), asked);
}

TEST_F(FrmBankoTest, AutomaticChoiceAndClear) {
    t.data.writeRecords("VELMORIX.RES", {rec(653, {1, 2, 3, 4, 5, 6})});
    auto* least = w->findChild<QAction*>(QStringLiteral("mnuEnaz"));
    ASSERT_NE(least, nullptr);
    t.dialogs.answerYes();
    least->trigger();
    EXPECT_EQ(t.dialogs.last().text,
              QStringLiteral("Önceden çıkan sonuçlara göre banko top seçmek istiyormusunuz ?"));
    EXPECT_EQ(t.state.ResultsDialogMode, dialogmode::LeastBanko);
    EXPECT_TRUE(w->isWaiting());
    w->pollResults();
    EXPECT_TRUE(w->isWaiting());
    t.setBankers({27});
    t.state.ResultsDialogMode = dialogmode::Done;
    w->pollResults();
    EXPECT_FALSE(w->isWaiting());
    EXPECT_TRUE(option(2)->isChecked());
    EXPECT_EQ(w->entry(0)->text(), QStringLiteral("27"));

    w->findChild<QAction*>(QStringLiteral("mnuSil"))->trigger();
    EXPECT_TRUE(t.bankers().empty());
    EXPECT_TRUE(option(1)->isChecked());
}

} // namespace
