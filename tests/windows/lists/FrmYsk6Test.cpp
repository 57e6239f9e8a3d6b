#include "ListWindowTestContext.h"

#include "windows/lists/FrmYsk6.h"

#include <gtest/gtest.h>

using namespace velmorix;
using namespace velmorix::test;

namespace {

class FrmYsk6Test : public ListWindowTest<FrmYsk6> {
protected:
    FrmYsk6Test() : ListWindowTest("VELMORIX.YSK") {}
};

TEST_F(FrmYsk6Test, ANewSextetIsStoredAscendingWithKeepMark) {
    open(ListWindowTestContext::columns(2));
    t.dialogs.answerInput(QStringLiteral("40,3,17,9,22,1"));
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F1);
    EXPECT_EQ(t.dialogs.calls()[0].title, QStringLiteral("Yeni Yasak Altılı"));
    EXPECT_EQ(t.dialogs.calls()[1].text, QStringLiteral("< 1,3,9,17,22,40 > kombinasyonunu Yasak Altılılar "
                                                        "dosyasına eklemek istiyormusunuz?"));
    EXPECT_EQ(stored().back(), rec(KeepMark, {1, 3, 9, 17, 22, 40}));
}

TEST_F(FrmYsk6Test, ChangingASextetUsesItsOwnWords) {
    open(ListWindowTestContext::columns(2));
    t.dialogs.answerInput(QStringLiteral("1,2,3,4,5,6"));
    t.dialogs.answerNo();
    press(w.get(), Qt::Key_F2);
    EXPECT_EQ(t.dialogs.calls()[0].title, QStringLiteral("Yasak Altılı Değişikliği"));
    EXPECT_EQ(t.dialogs.calls()[0].text,
              QStringLiteral("1 numaralı kombinasyonda yer alacak 6 sayıyı aralarına virgül koyarak girin."));
    EXPECT_EQ(t.dialogs.calls()[1].title, QStringLiteral(" 1 numaralı kombinasyon değişikliği ?"));
    EXPECT_EQ(stored(), list); // "No" changes nothing
}

TEST_F(FrmYsk6Test, DeletingRecordOneOf30ShowsTheOldSecondRecordFirst) {
    open(ListWindowTestContext::columns(30));
    t.dialogs.answerInput(QStringLiteral("1"));
    press(w.get(), Qt::Key_F3);
    EXPECT_EQ(stored(), std::vector<ColumnRecord>(list.begin() + 1, list.end()));
    EXPECT_EQ(w->pageLines()[0].balls[0], QStringLiteral(" 3  "));
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.OLD"));
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.YYK"));
}

TEST_F(FrmYsk6Test, SavingAsTheCombinationListKeepsTheOldOne) {
    open(ListWindowTestContext::columns(4));
    t.data.writeRecords("VELMORIX.OLD", ListWindowTestContext::columns(1));
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F5);
    EXPECT_EQ(t.data.readRecords("VELMORIX.LST"), list);
    EXPECT_EQ(t.data.readRecords("VELMORIX.OLD"), ListWindowTestContext::columns(1)); // no list: untouched
    EXPECT_EQ(t.dialogs.last().text,
              QStringLiteral("'VELMORIX.YSK' dosyası kayıtları 'VELMORIX.LST' dosyasına kopyelendi."));
    EXPECT_EQ(t.dialogs.beeps(), 2);

    const auto previous = ListWindowTestContext::columns(7);
    t.data.writeRecords("VELMORIX.LST", previous);
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F5);
    EXPECT_EQ(t.data.readRecords("VELMORIX.OLD"), previous);
    EXPECT_EQ(t.data.readRecords("VELMORIX.LST"), list);
}

TEST_F(FrmYsk6Test, WritingTheTextFileReportsItsLengthAndShowsTheLastPage) {
    open(ListWindowTestContext::columns(60));
    press(w.get(), Qt::Key_F8);
    const auto bytes = t.data.readBytes("VELMORIX.TXT");
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral(" ") + QString::number(bytes.size()) +
                                         QStringLiteral(" byte \"VELMORIX.TXT\" dosyasına yazıldı."));
    EXPECT_EQ(t.dialogs.last().title, QStringLiteral("VELMORIX 653 Dizimci u4.5"));
    EXPECT_EQ(w->firstShownPosition(), 35);
}

TEST_F(FrmYsk6Test, PrintingSaysWhenThePrinterIsNotReady) {
    open(ListWindowTestContext::columns(3));
    t.printer.isReady = false;
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F9);
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral("Printer hazır değil !"));
    EXPECT_EQ(t.dialogs.last().title, QStringLiteral("! HATA !"));
    EXPECT_EQ(t.printer.jobs, 0);

    t.printer.isReady = true;
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F9);
    ASSERT_EQ(t.printer.jobs, 1);
    EXPECT_FALSE(t.printer.open);
    const auto& lines = t.printer.lines;
    ASSERT_EQ(lines.size(), 6u); // two title lines, three sextets, the total
    EXPECT_EQ(lines[0].x, 1000);
    EXPECT_EQ(lines[0].y, 500);
    EXPECT_EQ(lines[0].fontSize, 11);
    EXPECT_EQ(lines[1].text, QStringLiteral("Yasak Altılılar Listesi [ 06.12.2026 12:34:56 ] "));
    EXPECT_EQ(lines[2].text, QStringLiteral("Kolon 1 - 02, 03, 04, 05, 06, 07  [027]"));
    EXPECT_GT(lines[2].y - lines[1].y, lines[1].y - lines[0].y); // an empty line between
}

} // namespace
