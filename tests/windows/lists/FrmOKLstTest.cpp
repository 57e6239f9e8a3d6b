#include "ListWindowTestContext.h"

#include "windows/lists/FrmOKLst.h"

#include <gtest/gtest.h>

using namespace velmorix;
using namespace velmorix::test;

namespace {

const QString WrongEntry =
    QStringLiteral("Sayıları yanlış girdiniz!\r\rAralarına virgül koyarak, 1 ile 49 arasında 6 sayı girin.");

class FrmOKLstTest : public ListWindowTest<FrmOKLst> {
protected:
    FrmOKLstTest() : ListWindowTest("VELMORIX.OKL") {}
};

TEST_F(FrmOKLstTest, TheProgramWideRecordNumberIsThePagePosition) {
    open(ListWindowTestContext::columns(40));
    t.state.RecNo = 30;
    w->drawPage();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Oynanan Kolonlar - Sayfa 2  [ F10= Yardım ]"));
    press(w.get(), Qt::Key_Home);
    EXPECT_EQ(t.state.RecNo, 0);
}

TEST_F(FrmOKLstTest, ANewColumnIsStoredAscendingWithKeepMarkAndShownOnTheLastPage) {
    open(ListWindowTestContext::columns(40));
    t.dialogs.answerInput(QStringLiteral("9,3,1,40,22,17"));
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F1);
    EXPECT_EQ(t.dialogs.calls()[0].title, QStringLiteral("Yeni Kolon"));
    EXPECT_EQ(t.dialogs.calls()[0].text,
              QStringLiteral("Kolonda yer alacak 6 sayıyı aralarına virgül koyarak girin."));
    EXPECT_EQ(
        t.dialogs.calls()[1].text,
        QStringLiteral("< 1,3,9,17,22,40 > kolonunu Oynanan Kolonlar dosyasına eklemek istiyormusunuz?"));
    EXPECT_EQ(t.dialogs.calls()[1].title, QStringLiteral(" VELMORIX 653 Dizimci u4.5"));
    ASSERT_EQ(stored().size(), 41u);
    EXPECT_EQ(stored().back(), rec(KeepMark, {1, 3, 9, 17, 22, 40}));
    EXPECT_EQ(w->pageLines().back().label, QStringLiteral("Kolon - 41 : "));
}

TEST_F(FrmOKLstTest, AnEntryWithoutSixBallsIsAskedAgain) {
    open(ListWindowTestContext::columns(3));
    t.dialogs.answerInput(QStringLiteral("5,5,6,7,8,9"));
    t.dialogs.answerInput(QStringLiteral("1,2,3,4,5,6,7"));
    t.dialogs.answerInput(QStringLiteral("60,1,2,3,4,5,6")); // the first number is no ball: give up
    press(w.get(), Qt::Key_F1);
    ASSERT_EQ(t.dialogs.calls().size(), 3u);
    EXPECT_EQ(t.dialogs.calls()[1].text, WrongEntry);
    EXPECT_EQ(t.dialogs.calls()[1].title, QStringLiteral("Yeni Kolon"));
    EXPECT_EQ(t.dialogs.inputDefaults()[1], QString());
    EXPECT_EQ(t.dialogs.calls()[2].text, WrongEntry);
    EXPECT_EQ(stored(), list);
}

TEST_F(FrmOKLstTest, ChangingTheFirstColumnOfThePage) {
    open({rec(5, {9, 3, 1, 40, 22, 17}), rec(5, {1, 2, 3, 4, 5, 6})});
    t.dialogs.answerInput(QStringLiteral("2,4,6,8,10,12"));
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F2);
    EXPECT_EQ(t.dialogs.calls()[0].title, QStringLiteral("Oynanan Kolon Değişikliği"));
    EXPECT_EQ(t.dialogs.calls()[0].text,
              QStringLiteral("1 numaralı kolonda yer alacak 6 sayıyı aralarına virgül koyarak girin."));
    EXPECT_EQ(t.dialogs.inputDefaults()[0], QStringLiteral("9, 3, 1, 40, 22, 17"));
    EXPECT_EQ(t.dialogs.calls()[1].title, QStringLiteral(" 1 numaralı kolon değişikliği ?"));
    EXPECT_EQ(
        t.dialogs.calls()[1].text,
        QStringLiteral("< 2,4,6,8,10,12 > kolonunu Oynanan Kolonlar dosyasına kayıtlamak istiyormusunuz?"));
    EXPECT_EQ(stored(), (std::vector<ColumnRecord>{rec(KeepMark, {2, 4, 6, 8, 10, 12}), list[1]}));
}

TEST_F(FrmOKLstTest, DeletingAColumnShowsTheLastPageAndTheOnlyOneRemovesTheFile) {
    open(ListWindowTestContext::columns(60));
    t.data.writeRecords("VELMORIX.OLS", ListWindowTestContext::columns(2)); // left over
    t.dialogs.answerInput(QStringLiteral("60"));
    press(w.get(), Qt::Key_F3);
    EXPECT_EQ(stored(), std::vector<ColumnRecord>(list.begin(), list.end() - 1));
    EXPECT_EQ(w->pageLines().back().label, QStringLiteral("Kolon - 59 : "));
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.OLD"));
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.OLS"));

    open(ListWindowTestContext::columns(1));
    t.dialogs.answerInput(QStringLiteral("1"));
    press(w.get(), Qt::Key_F3);
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.OKL"));
}

TEST_F(FrmOKLstTest, AppendingToTheSextetsTwiceAddsThemTwice) {
    open(ListWindowTestContext::columns(3));
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F8);
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F8);
    EXPECT_EQ(t.data.readRecords("VELMORIX.YSK").size(), 6u);
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral("Oynanan Kolonlar Yasak Altılılar Listesi'ne eklendi."));
    EXPECT_EQ(t.dialogs.last().title, QStringLiteral("VELMORIX 653 Dizimci u4.5"));
}

} // namespace
