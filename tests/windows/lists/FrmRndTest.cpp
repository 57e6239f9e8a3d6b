#include "ListWindowTestContext.h"

#include "windows/lists/FrmRnd.h"

#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <gtest/gtest.h>

using namespace velmorix;
using namespace velmorix::test;

namespace {

const QString VersionTitle = QStringLiteral(" VELMORIX 653 DİZİMCİ Uyarlama 4.5");

class FrmRndTest : public ::testing::Test {
protected:
    ListWindowTestContext t;
    QPointer<FrmRnd> w;

    FrmRndTest() { t.standIn(WindowId::RndLst); }
    ~FrmRndTest() override {
        t.registry.closeAllExcept(WindowId::Loto);
        delete w.data();
    }
    void create() {
        w = new FrmRnd(t.context);
        w->onActivated();
    }
    std::vector<ColumnRecord> rnd() const { return t.data.readRecords("VELMORIX.RND"); }
};

TEST_F(FrmRndTest, AnExistingListOpensInAppendModeWithRoomLeft) {
    t.data.writeRecords("VELMORIX.RND", ListWindowTestContext::columns(100));
    create();
    EXPECT_TRUE(w->Option2->isEnabled());
    EXPECT_TRUE(w->Option2->isChecked());
    EXPECT_EQ(w->Text1->text(), QStringLiteral("32667"));
    w->Text1->setText(QStringLiteral("32668"));
    press(w, Qt::Key_F1);
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral("En çok 32667 kolon ekleyebilirsiniz!"));
    w->Text1->setText(QStringLiteral("99999999999999999999")); // reads as the largest count
    press(w, Qt::Key_F1);
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral("En çok 32667 kolon ekleyebilirsiniz!"));
    EXPECT_EQ(t.dialogs.last().title, QStringLiteral("! DİKKAT !"));
    EXPECT_EQ(t.dialogs.last().icon, DialogIcon::Exclamation);
    EXPECT_EQ(rnd().size(), 100u);

    w->Option1->click();
    EXPECT_EQ(w->Text1->text(), QStringLiteral("100"));
}

TEST_F(FrmRndTest, WithoutAListTheNewListCountFallsBackTo32767BelowEight) {
    create();
    EXPECT_FALSE(w->Option2->isEnabled());
    w->Text1->setText(QStringLiteral("5"));
    w->Option1->click();
    EXPECT_EQ(w->Text1->text(), QStringLiteral("32767"));
    w->Text1->setText(QStringLiteral("20"));
    w->Option1->click();
    EXPECT_EQ(w->Text1->text(), QStringLiteral("20"));
}

TEST_F(FrmRndTest, ANewListIsNumberedFromOneThenShownAndTheGeneratorCloses) {
    t.setBankers({7, 12});
    create();
    w->show();
    w->Text1->setText(QStringLiteral("3"));
    press(w, Qt::Key_F1);
    const auto records = rnd();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_TRUE((columnMask(records[2].Ball) >> 12) & 1U);
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral(" 3 kolon 'VELMORIX.RND' dosyasına kayıtlandı."));
    EXPECT_EQ(t.dialogs.last().title, VersionTitle);
    EXPECT_EQ(t.state.BagBalls.count(), 0); // the empty bag stays empty
    EXPECT_EQ(t.opened[WindowId::RndLst], 1);
    EXPECT_FALSE(w->isVisible());
}

TEST_F(FrmRndTest, AppendingGoesOnWithTheRecordNumbers) {
    t.data.writeRecords("VELMORIX.RND",
                        {rec(1, {1, 2, 3, 4, 5, 6}), rec(2, {1, 2, 3, 4, 5, 7}), rec(3, {1, 2, 3, 4, 5, 8})});
    create();
    w->Text1->setText(QStringLiteral("2"));
    press(w, Qt::Key_F1);
    const auto records = rnd();
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[4].Tag, 5);
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral(" 2 kolon 'VELMORIX.RND' dosyasına eklendi."));
}

TEST_F(FrmRndTest, ReplacingAListIsAskedAndNoKeepsIt) {
    const auto old = ListWindowTestContext::columns(4);
    t.data.writeRecords("VELMORIX.RND", old);
    create();
    w->Option1->click();
    w->Text1->setText(QStringLiteral("10"));
    t.dialogs.answerNo();
    press(w, Qt::Key_F1);
    EXPECT_EQ(t.dialogs.last().text,
              QStringLiteral("Mevcut rastgele kolon listesini yenisi ile değiştirmek istiyormusunuz?"));
    EXPECT_EQ(t.dialogs.last().title, VersionTitle);
    EXPECT_EQ(rnd(), old);

    w->Text1->setText(QStringLiteral("40000"));
    press(w, Qt::Key_F1);
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral("En az 1 ve en çok 32767 kolon kayıtlayabilirsiniz!"));
    EXPECT_EQ(rnd(), old);
}

TEST_F(FrmRndTest, BagAndBankersWithoutSixBallsAreRefused) {
    t.setBag({1, 2, 3});
    t.setBankers({7, 12});
    create();
    w->Text1->setText(QStringLiteral("10"));
    press(w, Qt::Key_F1);
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral("En az 6 top seçmeniz gerekir !"));
    EXPECT_EQ(t.dialogs.last().icon, DialogIcon::Exclamation);
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.RND"));
    EXPECT_EQ(t.opened[WindowId::RndLst], 0);
}

} // namespace
