#include "support/WindowTests.h"

class FrmBankoTest : public WindowTest {
protected:
    std::unique_ptr<FrmBanko> w = std::make_unique<FrmBanko>(context);

    QRadioButton* option(int k) const { return test::option(w.get(), k); }
    void fill(std::initializer_list<const char*> texts) {
        int i = 0;
        for (const char* t : texts)
            w->entry(i++)->setText(QString::fromLatin1(t));
    }
    std::vector<QString> texts() const {
        std::vector<QString> v;
        for (int i = 0; i < 5; ++i)
            v.push_back(w->entry(i)->text());
        return v;
    }
};

TEST_F(FrmBankoTest, CountKeysShowTheirBoxesEnterWalksThemAndTheyKeepOnlyBalls) {
    ASSERT_TRUE(activate(w.get()));
    press(w.get(), Qt::Key_F7); // three bankers
    EXPECT_TRUE(option(4)->isChecked());
    EXPECT_TRUE(w->entry(2)->isVisible());
    EXPECT_FALSE(w->entry(3)->isVisible());
    press(w.get(), Qt::Key_F4);
    EXPECT_FALSE(w->entry(0)->isVisible());

    // Enter goes to the next visible box, then to the button.
    w->selectCount(2);
    w->entry(0)->setFocus();
    press(w.get(), Qt::Key_Return);
    EXPECT_TRUE(w->entry(1)->hasFocus());
    press(w.get(), Qt::Key_Return);
    EXPECT_TRUE(w->findChild<QPushButton*>(QStringLiteral("Command1"))->hasFocus());

    // Only balls stay in the boxes.
    w->selectCount(5);
    fill({"50", "0", "07", "x", "49"});
    EXPECT_EQ(texts(), (std::vector<QString>{{}, {}, QStringLiteral("7"), {}, QStringLiteral("49")}));
    QTest::keyClicks(w->entry(0), QStringLiteral("4"));
    QTest::keyClicks(w->entry(0), QStringLiteral("0"));
    EXPECT_EQ(w->entry(0)->text(), QStringLiteral("40"));
}

TEST_F(FrmBankoTest, ApplyReadsTheChosenBoxesWithoutRepeats) {
    setBag({5, 6, 9, 10, 17});
    w->selectCount(3);
    fill({"5", "5", "9"});
    press(w.get(), Qt::Key_F1);
    EXPECT_EQ(bankers(), (std::vector<int>{5, 9}));
    EXPECT_EQ(bag(), (std::vector<int>{6, 10, 17}));
    EXPECT_TRUE(option(3)->isChecked());
    EXPECT_EQ(texts(), (std::vector<QString>{QStringLiteral("5"), QStringLiteral("9"), {}, {}, {}}));

    w->selectCount(2); // first box empty
    fill({"", "17"});
    press(w.get(), Qt::Key_F1);
    EXPECT_EQ(bankers(), std::vector<int>{17});

    w->selectCount(3); // three typed, then count 1: only the first counts
    fill({"21", "22", "23"});
    w->selectCount(1);
    press(w.get(), Qt::Key_F1);
    EXPECT_EQ(bankers(), std::vector<int>{21});

    // Count 0 clears the bankers; balls removed earlier do not return to the bag.
    w->selectCount(0);
    press(w.get(), Qt::Key_F1);
    EXPECT_TRUE(bankers().empty());
    EXPECT_EQ(bag(), (std::vector<int>{6, 10}));
    EXPECT_TRUE(option(1)->isChecked());
}

TEST_F(FrmBankoTest, SaveWithNoFileCreatesAnEmptyBagFirst) {
    w->selectCount(2);
    fill({"8", "33"});
    dialogs.answerYes();
    press(w.get(), Qt::Key_F3);
    auto expected = ballsFileWords({}, {8, 33});
    EXPECT_EQ(words("VELMORIX.DAT"), expected);

    // Saving no bankers writes a count of 0 and keeps the bag records.
    w->selectCount(0);
    dialogs.answerYes();
    press(w.get(), Qt::Key_F3);
    expected[50] = 0;
    EXPECT_EQ(words("VELMORIX.DAT"), expected);
}

TEST_F(FrmBankoTest, LoadShowsTheStoredBankersOrReportsDamage) {
    auto stored = ballsFileWords({4, 11, 20}, {11, 40});
    data.writeWords("VELMORIX.DAT", stored);
    setBag({4, 11, 20});
    dialogs.answerYes();
    press(w.get(), Qt::Key_F2);
    EXPECT_EQ(bankers(), (std::vector<int>{11, 40}));
    EXPECT_EQ(bag(), (std::vector<int>{4, 20}));
    EXPECT_TRUE(option(3)->isChecked());
    EXPECT_EQ(w->entry(1)->text(), QStringLiteral("40"));

    stored[50] = 5; // five bankers claimed, two stored
    data.writeWords("VELMORIX.DAT", stored);
    dialogs.answerYes();
    press(w.get(), Qt::Key_F2);
    EXPECT_EQ(dialogs.last().text, QStringLiteral("'VELMORIX.DAT' dosyası bozuk !"));
    EXPECT_EQ(bankers(), (std::vector<int>{11, 40}));

    // A 100-byte file holds no bankers: nothing is asked.
    data.writeWords("VELMORIX.DAT", std::vector<int16_t>(50, 0));
    const auto asked = dialogs.calls().size();
    press(w.get(), Qt::Key_F2);
    EXPECT_EQ(dialogs.calls().size(), asked);
}

TEST_F(FrmBankoTest, AutomaticChoiceAndClear) {
    data.writeRecords("VELMORIX.RES", {rec(653, {1, 2, 3, 4, 5, 6})});
    dialogs.answerYes();
    trigger(w.get(), "mnuEnaz");
    EXPECT_EQ(state.ResultsDialogMode, dialogmode::LeastBanko);
    setBankers({27});
    state.ResultsDialogMode = dialogmode::Done;
    w->pollResults();
    EXPECT_FALSE(w->isWaiting());
    EXPECT_TRUE(option(2)->isChecked());
    EXPECT_EQ(w->entry(0)->text(), QStringLiteral("27"));

    trigger(w.get(), "mnuSil");
    EXPECT_TRUE(bankers().empty());
    EXPECT_TRUE(option(1)->isChecked());
}

// The bag and banker windows open beside the main window, its six balls in
// sight, to its right or, with no room there, to its left.
TEST(BallWindowsTest, BallWindowsLeaveTheMainWindowInSight) {
    WindowEnv t;
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
