#include "support/WindowTests.h"

const QString WrongEntry =
    QStringLiteral("Sayıları yanlış girdiniz!\r\rAralarına virgül koyarak, 1 ile 49 arasında 6 sayı girin.");

class FrmOKLstTest : public ListWindowTest<FrmOKLst> {
protected:
    FrmOKLstTest() : ListWindowTest("VELMORIX.OKL") {}
};

// The page position is the program-wide record number.
TEST_F(FrmOKLstTest, ANewColumnIsStoredAscendingWithKeepMarkAndShownOnTheLastPage) {
    open(WindowEnv::columns(40));
    t.state.RecNo = 30;
    w->drawPage();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Oynanan Kolonlar - Sayfa 2  [ F10= Yardım ]"));
    press(w.get(), Qt::Key_Home);
    EXPECT_EQ(t.state.RecNo, 0);
    t.dialogs.answerInput(QStringLiteral("9,3,1,40,22,17"));
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F1);
    EXPECT_EQ(
        t.dialogs.calls()[1].text,
        QStringLiteral("< 1,3,9,17,22,40 > kolonunu Oynanan Kolonlar dosyasına eklemek istiyormusunuz?"));
    ASSERT_EQ(stored().size(), 41u);
    EXPECT_EQ(stored().back(), rec(KeepMark, {1, 3, 9, 17, 22, 40}));
    EXPECT_EQ(w->pageLines().back().label, QStringLiteral("Kolon - 41 : "));
}

TEST_F(FrmOKLstTest, AnEntryWithoutSixBallsIsAskedAgain) {
    open(WindowEnv::columns(3));
    t.dialogs.answerInput(QStringLiteral("5,5,6,7,8,9"));
    t.dialogs.answerInput(QStringLiteral("1,2,3,4,5,6,7"));
    t.dialogs.answerInput(QStringLiteral("60,1,2,3,4,5,6")); // the first number is no ball: give up
    press(w.get(), Qt::Key_F1);
    ASSERT_EQ(t.dialogs.calls().size(), 3u);
    EXPECT_EQ(t.dialogs.calls()[1].text, WrongEntry);
    EXPECT_EQ(t.dialogs.inputDefaults()[1], QString());
    EXPECT_EQ(t.dialogs.calls()[2].text, WrongEntry);
    EXPECT_EQ(stored(), list);
}

TEST_F(FrmOKLstTest, ChangingTheFirstColumnOfThePageIsAsked) {
    open({rec(5, {9, 3, 1, 40, 22, 17}), rec(5, {1, 2, 3, 4, 5, 6})});
    t.dialogs.answerInput(QStringLiteral("1,2,3,4,5,6"));
    t.dialogs.answerNo();
    press(w.get(), Qt::Key_F2);
    EXPECT_EQ(stored(), list);
    t.dialogs.answerInput(QStringLiteral("2,4,6,8,10,12"));
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F2);
    EXPECT_EQ(t.dialogs.inputDefaults()[1], QStringLiteral("9, 3, 1, 40, 22, 17"));
    EXPECT_EQ(
        t.dialogs.last().text,
        QStringLiteral("< 2,4,6,8,10,12 > kolonunu Oynanan Kolonlar dosyasına kayıtlamak istiyormusunuz?"));
    EXPECT_EQ(stored(), (std::vector<ColumnRecord>{rec(KeepMark, {2, 4, 6, 8, 10, 12}), list[1]}));
}

TEST_F(FrmOKLstTest, DeletingAColumnShowsTheLastPageAndTheOnlyOneRemovesTheFile) {
    open(WindowEnv::columns(60));
    t.data.writeRecords("VELMORIX.OLS", WindowEnv::columns(2)); // left over
    t.dialogs.answerInput(QStringLiteral("60"));
    press(w.get(), Qt::Key_F3);
    EXPECT_EQ(stored(), std::vector<ColumnRecord>(list.begin(), list.end() - 1));
    EXPECT_EQ(w->pageLines().back().label, QStringLiteral("Kolon - 59 : "));
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.OLD"));
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.OLS"));

    open(WindowEnv::columns(1));
    t.dialogs.answerInput(QStringLiteral("1"));
    press(w.get(), Qt::Key_F3);
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.OKL"));
}

TEST_F(FrmOKLstTest, AppendingToTheSextetsTwiceAddsThemTwice) {
    open(WindowEnv::columns(3));
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F8);
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F8);
    EXPECT_EQ(t.data.readRecords("VELMORIX.YSK").size(), 6u);
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral("Oynanan Kolonlar Yasak Altılılar Listesi'ne eklendi."));
}

class FrmYsk6Test : public ListWindowTest<FrmYsk6> {
protected:
    FrmYsk6Test() : ListWindowTest("VELMORIX.YSK") {}
};

TEST_F(FrmYsk6Test, DeletingRecordOneShowsTheOldSecondFirstAndANewSextetIsAsked) {
    open(WindowEnv::columns(30));
    t.dialogs.answerInput(QStringLiteral("1"));
    press(w.get(), Qt::Key_F3);
    EXPECT_EQ(stored(), std::vector<ColumnRecord>(list.begin() + 1, list.end()));
    EXPECT_EQ(w->pageLines()[0].balls[0], QStringLiteral(" 3  "));
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.OLD"));
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.YYK"));

    t.dialogs.answerInput(QStringLiteral("40,3,17,9,22,1"));
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F1);
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral("< 1,3,9,17,22,40 > kombinasyonunu Yasak Altılılar "
                                                    "dosyasına eklemek istiyormusunuz?"));
    EXPECT_EQ(stored().back(), rec(KeepMark, {1, 3, 9, 17, 22, 40}));
}

TEST_F(FrmYsk6Test, SavingAsTheCombinationListKeepsTheOldOne) {
    open(WindowEnv::columns(4));
    t.data.writeRecords("VELMORIX.OLD", WindowEnv::columns(1));
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F5);
    EXPECT_EQ(t.data.readRecords("VELMORIX.LST"), list);
    EXPECT_EQ(t.data.readRecords("VELMORIX.OLD"), WindowEnv::columns(1)); // no list: untouched
    EXPECT_EQ(t.dialogs.last().text,
              QStringLiteral("'VELMORIX.YSK' dosyası kayıtları 'VELMORIX.LST' dosyasına kopyelendi."));
    EXPECT_EQ(t.dialogs.beeps(), 2);

    const auto previous = WindowEnv::columns(7);
    t.data.writeRecords("VELMORIX.LST", previous);
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F5);
    EXPECT_EQ(t.data.readRecords("VELMORIX.OLD"), previous);
    EXPECT_EQ(t.data.readRecords("VELMORIX.LST"), list);
}

TEST_F(FrmYsk6Test, WritingTheTextFileReportsItsLengthAndShowsTheLastPage) {
    open(WindowEnv::columns(60));
    press(w.get(), Qt::Key_F8);
    const auto bytes = t.data.readBytes("VELMORIX.TXT");
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral(" ") + QString::number(bytes.size()) +
                                         QStringLiteral(" byte \"VELMORIX.TXT\" dosyasına yazıldı."));
    EXPECT_EQ(w->firstShownPosition(), 35);
}

TEST_F(FrmYsk6Test, PrintingPutsTheSextetsOnPaper) {
    open(WindowEnv::columns(3));
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F9);
    ASSERT_EQ(t.printer.jobs, 1);
    EXPECT_FALSE(t.printer.open);
    const auto& lines = t.printer.lines;
    ASSERT_EQ(lines.size(), 6u); // two title lines, three sextets, the total
    EXPECT_EQ(lines[0].fontSize, 11);
    EXPECT_EQ(lines[1].text, QStringLiteral("Yasak Altılılar Listesi [ 06.12.2026 12:34:56 ] "));
    EXPECT_EQ(lines[2].text, QStringLiteral("Kolon 1 - 02, 03, 04, 05, 06, 07  [027]"));
    EXPECT_GT(lines[2].y - lines[1].y, lines[1].y - lines[0].y); // an empty line between
}
