#include "support/WindowTests.h"

class FrmBallsTest : public WindowTest {
protected:
    std::unique_ptr<FrmBalls> w = std::make_unique<FrmBalls>(context);

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
};

TEST_F(FrmBallsTest, ApplyDropsTickedBankersFromBagAndBoxes) {
    setBankers({12});
    tick({7, 12, 30});
    press(w.get(), Qt::Key_F1);
    EXPECT_EQ(bag(), (std::vector<int>{7, 30}));
    EXPECT_EQ(ticked(), (std::vector<int>{7, 30}));
    EXPECT_EQ(w->box(12)->palette().color(QPalette::WindowText), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(dialogs.beeps(), 1);
    // Only bankers ticked: the bag becomes empty.
    press(w.get(), Qt::Key_F5);
    tick({12});
    press(w.get(), Qt::Key_F1);
    EXPECT_TRUE(bag().empty());
    EXPECT_TRUE(ticked().empty());
}

TEST_F(FrmBallsTest, SaveWritesTheTickedBoxesAndKeepsBankerRecords) {
    data.writeWords("VELMORIX.DAT", ballsFileWords({1, 2, 3, 4, 5, 6, 7, 8}, {12, 44}));
    setBankers({12});
    tick({7, 12, 30});
    dialogs.answerYes();
    press(w.get(), Qt::Key_F3);
    EXPECT_EQ(words("VELMORIX.DAT"), ballsFileWords({7, 12, 30}, {12, 44}));
    // The banker stays in the bag until the next apply or load.
    EXPECT_EQ(bag(), (std::vector<int>{7, 12, 30}));
    EXPECT_EQ(dialogs.last().text, QStringLiteral("Seçilen toplar VELMORIX.DAT dosyasına kayıtlandı..."));

    // Declined: nothing written; nothing ticked: an empty bag.
    data.dir().remove("VELMORIX.DAT");
    dialogs.answerNo();
    press(w.get(), Qt::Key_F3);
    EXPECT_FALSE(data.dir().exists("VELMORIX.DAT"));
    press(w.get(), Qt::Key_F5);
    dialogs.answerYes();
    press(w.get(), Qt::Key_F3);
    EXPECT_EQ(words("VELMORIX.DAT"), std::vector<int16_t>(50, 0));
}

TEST_F(FrmBallsTest, LoadRemovesBankersAndRefusesDamage) {
    press(w.get(), Qt::Key_F2); // no file: only the beep
    EXPECT_TRUE(dialogs.calls().empty());
    EXPECT_EQ(dialogs.beeps(), 1);

    data.writeWords("VELMORIX.DAT", ballsFileWords({7, 12, 30}));
    setBankers({12});
    dialogs.answerYes();
    press(w.get(), Qt::Key_F2);
    EXPECT_EQ(bag(), (std::vector<int>{7, 30}));
    EXPECT_EQ(ticked(), (std::vector<int>{7, 30}));

    data.writeWords("VELMORIX.DAT", {40, 3, 4, 5}); // 8 bytes for 40 balls
    dialogs.answerYes();
    press(w.get(), Qt::Key_F2);
    EXPECT_EQ(dialogs.last().text, QStringLiteral("'VELMORIX.DAT' dosyası bozuk !"));
    EXPECT_EQ(bag(), (std::vector<int>{7, 30}));
    EXPECT_EQ(ticked(), (std::vector<int>{7, 30}));

    // A count of 60 in a file long enough for it: the bag becomes empty.
    auto long60 = ballsFileWords({});
    long60.resize(60);
    long60[0] = 60;
    data.writeWords("VELMORIX.DAT", long60);
    dialogs.answerYes();
    press(w.get(), Qt::Key_F2);
    EXPECT_TRUE(bag().empty());
    EXPECT_TRUE(ticked().empty());
}

TEST_F(FrmBallsTest, AutomaticSelectionWaitsForTheResultsDialog) {
    press(w.get(), Qt::Key_F6); // no results: nothing after the beep
    EXPECT_TRUE(dialogs.calls().empty());
    EXPECT_FALSE(w->isWaiting());

    data.writeRecords("VELMORIX.RES", {rec(653, {1, 2, 3, 4, 5, 6})});
    setBag({5, 6});
    w->onActivated();
    dialogs.answerYes();
    press(w.get(), Qt::Key_F8);
    EXPECT_EQ(state.ResultsDialogMode, dialogmode::MostDrawn);
    EXPECT_TRUE(w->isWaiting());
    EXPECT_EQ(w->findChild<QTimer*>(QStringLiteral("Timer1"))->interval(), 250);
    // The dialog is not done: the window keeps waiting without touching anything.
    setBag({10, 11, 12});
    w->pollResults();
    EXPECT_TRUE(w->isWaiting());
    EXPECT_EQ(ticked(), (std::vector<int>{5, 6}));
    // The dialog chose: boxes show its bag, bankers included.
    setBankers({11});
    state.ResultsDialogMode = dialogmode::Done;
    w->pollResults();
    EXPECT_FALSE(w->isWaiting());
    EXPECT_EQ(ticked(), (std::vector<int>{10, 11, 12}));
    // Closed without a choice: the boxes stay.
    dialogs.answerYes();
    press(w.get(), Qt::Key_F7);
    EXPECT_EQ(state.ResultsDialogMode, dialogmode::MiddleDrawn);
    setBag({20});
    state.ResultsDialogMode = dialogmode::Closed;
    w->pollResults();
    EXPECT_FALSE(w->isWaiting());
    EXPECT_EQ(ticked(), (std::vector<int>{10, 11, 12}));
}

TEST_F(FrmBallsTest, ActivationTakenKeysEscapeAndUnappliedTicksAcrossAModalBox) {
    setBag({3, 9, 41});
    tick({1, 2});
    ASSERT_TRUE(activate(w.get()));
    EXPECT_EQ(ticked(), (std::vector<int>{3, 9, 41}));
    // Ticking all or none leaves the bag alone.
    press(w.get(), Qt::Key_F4);
    EXPECT_EQ(ticked().size(), 49u);
    press(w.get(), Qt::Key_F5);
    EXPECT_TRUE(ticked().empty());
    EXPECT_EQ(bag(), (std::vector<int>{3, 9, 41}));
    EXPECT_TRUE(press(w.get(), Qt::Key_F9)); // taken, does nothing
    EXPECT_TRUE(dialogs.calls().empty());
    w->box(20)->setChecked(true);
    QDialog box(w.get());
    box.setModal(true);
    ASSERT_TRUE(activate(&box));
    box.hide();
    ASSERT_TRUE(activate(w.get()));
    EXPECT_TRUE(w->box(20)->isChecked());
    // Back from another window: the boxes show the bag again.
    QWidget other;
    ASSERT_TRUE(activate(&other));
    ASSERT_TRUE(activate(w.get()));
    EXPECT_EQ(ticked(), (std::vector<int>{3, 9, 41}));
    press(w.get(), Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
}
