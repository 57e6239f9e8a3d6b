#include "support/WindowTests.h"

class FrmRndTest : public WindowTest {
protected:
    QPointer<FrmRnd> w;

    FrmRndTest() { standIn(WindowId::RndLst); }
    ~FrmRndTest() override {
        registry.closeAllExcept(WindowId::Loto);
        delete w.data();
    }
    void create() {
        w = new FrmRnd(context);
        ASSERT_TRUE(activate(w));
    }
    // Asks for `count` columns with F1.
    void generate(const char* count) {
        w->Text1->setText(QString::fromLatin1(count));
        press(w, Qt::Key_F1);
    }
    std::vector<ColumnRecord> rnd() const { return data.readRecords("VELMORIX.RND"); }
};

TEST_F(FrmRndTest, AnExistingListOpensInAppendModeAndReplacingItIsAsked) {
    const auto old = WindowEnv::columns(100);
    data.writeRecords("VELMORIX.RND", old);
    create();
    EXPECT_TRUE(w->Option2->isEnabled());
    EXPECT_TRUE(w->Option2->isChecked());
    EXPECT_EQ(w->Text1->text(), QStringLiteral("32667"));
    generate("32668");
    EXPECT_EQ(dialogs.last().text, QStringLiteral("En çok 32667 kolon ekleyebilirsiniz!"));
    generate("99999999999999999999"); // reads as the largest count
    EXPECT_EQ(dialogs.last().text, QStringLiteral("En çok 32667 kolon ekleyebilirsiniz!"));
    w->Option1->click();
    EXPECT_EQ(w->Text1->text(), QStringLiteral("100"));
    dialogs.answerNo();
    generate("10");
    generate("40000");
    EXPECT_EQ(dialogs.last().text, QStringLiteral("En az 1 ve en çok 32767 kolon kayıtlayabilirsiniz!"));
    EXPECT_EQ(rnd(), old);
}

// The limit holds for the list as it is when the player applies.
TEST_F(FrmRndTest, TheLimitFollowsColumnsAnotherWindowAdded) {
    data.writeRecords(files::Random, WindowEnv::columns(32700));
    create();
    EXPECT_EQ(w->Text1->text(), QStringLiteral("67"));
    for (int i = 0; i < 10; ++i)
        appendRecord(data.dir(), files::Random, rec(0, {1, 2, 3, 4, 5, 6}));
    press(w, Qt::Key_F1);
    EXPECT_EQ(dialogs.last().text, QStringLiteral("En çok 57 kolon ekleyebilirsiniz!"));
    EXPECT_EQ(recordCount(data.dir(), files::Random), 32710);
    generate("57");
    EXPECT_EQ(recordCount(data.dir(), files::Random), 32767);
    EXPECT_EQ(rnd().back().Tag, 32767);
    EXPECT_EQ(dialogs.last().text, QStringLiteral(" 57 kolon 'VELMORIX.RND' dosyasına eklendi."));
}

TEST_F(FrmRndTest, ANewListIsNumberedFromOneThenShownAndTheGeneratorCloses) {
    setBankers({7, 12});
    create();
    TitleLog log(w);
    generate("3");
    const auto records = rnd();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[2].Tag, 3);
    EXPECT_TRUE((columnMask(records[2].Ball) >> 12) & 1U);
    EXPECT_EQ(dialogs.last().text, QStringLiteral(" 3 kolon 'VELMORIX.RND' dosyasına kayıtlandı."));
    // The count over the window ends on the last column.
    EXPECT_EQ(log.before(QStringLiteral("6/49 Rastgele Kolon Listesi")), QStringLiteral("KOLON= 3"));
    EXPECT_EQ(state.BagBalls.count(), 0); // the empty bag stays empty
    EXPECT_EQ(opened[WindowId::RndLst], 1);
    EXPECT_FALSE(w->isVisible());
}

TEST_F(FrmRndTest, WithoutAListSmallCountsFallBackAndTooFewBallsAreRefused) {
    setBag({1, 2, 3});
    setBankers({7, 12});
    create();
    EXPECT_FALSE(w->Option2->isEnabled());
    w->Text1->setText(QStringLiteral("5"));
    w->Option1->click();
    EXPECT_EQ(w->Text1->text(), QStringLiteral("32767"));
    w->Text1->setText(QStringLiteral("20"));
    w->Option1->click();
    EXPECT_EQ(w->Text1->text(), QStringLiteral("20"));
    generate("10");
    EXPECT_EQ(dialogs.last().text, QStringLiteral("En az 6 top seçmeniz gerekir !"));
    EXPECT_EQ(dialogs.last().icon, DialogIcon::Exclamation);
    EXPECT_FALSE(data.dir().exists("VELMORIX.RND"));
    EXPECT_EQ(opened[WindowId::RndLst], 0);
}
