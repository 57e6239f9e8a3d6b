#include "support/WindowTests.h"

class FrmYasak2Test : public WindowTest {
protected:
    std::unique_ptr<FrmYasak2> w;

    void open() {
        w.reset();
        w = std::make_unique<FrmYasak2>(context);
    }
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
    w->box(7)->click();
    EXPECT_TRUE(w->isForbidden(3, 7));
    dialogs.answerYes();
    press(w.get(), Qt::Key_F2);
    EXPECT_EQ(data.readBytes("VELMORIX.YS2"), (std::vector<unsigned char>{157, 0}));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Yasak İkililer 'VELMORIX.YS2' dosyasına kayıtlandı..."));

    // Ball 7 shows its partner 3; clearing it there clears the pair.
    w->showBall(7);
    EXPECT_EQ(ticked(), std::vector<int>{3});
    w->box(3)->click();
    EXPECT_FALSE(w->isForbidden(3, 7));
    dialogs.answerYes();
    press(w.get(), Qt::Key_F2);
    EXPECT_TRUE(data.dir().exists("VELMORIX.YS2"));
    EXPECT_TRUE(data.readBytes("VELMORIX.YS2").empty());
}

TEST_F(FrmYasak2Test, StoredPairsShowFromBothBallsAndSaveAscending) {
    // 7-3 written the other way round, 49-1, and a record that is no pair.
    data.writeWords("VELMORIX.YS2", {353, 2451, 2549, 157});
    open();
    EXPECT_EQ(ticked(), std::vector<int>{49}); // ball 1
    w->showBall(3);
    EXPECT_EQ(ticked(), std::vector<int>{7});
    dialogs.answerYes();
    press(w.get(), Qt::Key_F2);
    EXPECT_EQ(words("VELMORIX.YS2"), (std::vector<int16_t>{99, 157}));
}

TEST_F(FrmYasak2Test, AFileOfMoreThanEveryPairIsDeletedOnOpeningAndPagingStopsAtTheEnds) {
    data.writeWords("VELMORIX.YS2", std::vector<int16_t>(1177, 157));
    open();
    EXPECT_FALSE(data.dir().exists("VELMORIX.YS2"));
    EXPECT_TRUE(ticked().empty());
    EXPECT_TRUE(dialogs.calls().empty());
    // 1176 records is a full list and stays.
    data.writeWords("VELMORIX.YS2", std::vector<int16_t>(1176, 157));
    open();
    EXPECT_TRUE(data.dir().exists("VELMORIX.YS2"));
    EXPECT_TRUE(w->isForbidden(3, 7));

    // Paging stops at the ends.
    for (const auto& [key, ball] :
         {std::pair{Qt::Key_PageUp, 1}, {Qt::Key_End, 49}, {Qt::Key_PageUp, 48}, {Qt::Key_Home, 1}}) {
        press(w.get(), key);
        EXPECT_EQ(w->currentBall(), ball) << key;
        EXPECT_EQ(label(), QStringLiteral("[ %1 ]").arg(ball));
    }
    EXPECT_FALSE(w->box(49)->isHidden());
}

TEST_F(FrmYasak2Test, ClearReloadAndDelete) {
    data.writeWords("VELMORIX.YS2", {52});
    open();
    ASSERT_TRUE(activate(w.get()));
    press(w.get(), Qt::Key_F3);
    EXPECT_FALSE(w->isForbidden(1, 2));
    EXPECT_EQ(words("VELMORIX.YS2"), std::vector<int16_t>{52});
    press(w.get(), Qt::Key_F1);
    EXPECT_TRUE(w->isForbidden(1, 2));
    EXPECT_TRUE(w->box(2)->isChecked());

    // F1 reloads whatever pairs the file holds, however long it has grown.
    std::vector<int16_t> longFile(1300, 2449);
    longFile.push_back(157);
    data.writeWords("VELMORIX.YS2", longFile);
    press(w.get(), Qt::Key_F1);
    EXPECT_FALSE(w->isForbidden(1, 2));
    EXPECT_TRUE(w->isForbidden(3, 7));
    EXPECT_TRUE(w->isForbidden(49, 48));
    // A file with no pair in it leaves the ticks as they are.
    data.writeWords("VELMORIX.YS2", {0, 2600, 51});
    int beeps = dialogs.beeps();
    press(w.get(), Qt::Key_F1);
    EXPECT_EQ(dialogs.beeps(), beeps + 2);
    EXPECT_TRUE(w->isForbidden(3, 7));
    EXPECT_EQ(data.readBytes("VELMORIX.YS2").size(), 6u);

    dialogs.answerYes();
    press(w.get(), Qt::Key_F4);
    EXPECT_FALSE(data.dir().exists("VELMORIX.YS2"));
    EXPECT_EQ(dialogs.last().text, QStringLiteral("'VELMORIX.YS2' dosyası silindi..."));
    EXPECT_TRUE(w->isForbidden(3, 7)); // the ticks stay
    beeps = dialogs.beeps();
    press(w.get(), Qt::Key_F1); // no file: two beeps, nothing else
    EXPECT_EQ(dialogs.beeps(), beeps + 2);
    EXPECT_TRUE(w->isForbidden(3, 7));
}
