#include "EditorFixture.h"
#include "windows/editors/FrmOKList.h"
#include "windows/editors/FrmYasak6.h"

using namespace velmorix;
using namespace velmorix::test;

namespace {

class SextetsEditorTest : public EditorFixture {
protected:
    FrmYasak6* sextets() { return open<FrmYasak6>(WindowId::Yasak6); }
};

TEST_F(SextetsEditorTest, BallsStayInTypedOrderWithTheRecordNumberAsTag) {
    data.writeRecords(files::Sextets, numbered(4, 99));
    FrmYasak6* w = sextets();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Yasak Altılılar... Kolon= 1"));
    EXPECT_EQ(w->findChild<QWidget*>(QStringLiteral("Command8")), nullptr);
    press(w, Qt::Key_F1);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Yeni Kolon... Kayıt No= 5"));
    typeCells(w, {"9", "3", "1", "40", "22", "17"});
    press(w, Qt::Key_F2);
    EXPECT_EQ(data.readRecords(files::Sextets).back(), rec(5, {9, 3, 1, 40, 22, 17}));
    EXPECT_EQ(cellTexts(w), texts({"9", "3", "1", "40", "22", "17"}));
    EXPECT_EQ(listLines(w).back(), QStringLiteral(" 09, 03, 01, 40, 22, 17"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Kayıtlandı... Kayıt No= 5"));
}

TEST_F(SextetsEditorTest, TheLimitHandsOverToTheListWindow) {
    data.writeRecords(files::Sextets, numbered(FrmYasak6::RecordLimit - 1));
    FrmYasak6* w = sextets();
    w->show();
    press(w, Qt::Key_F1);
    typeCells(w, {"1", "2", "3", "4", "5", "7"});
    press(w, Qt::Key_F2);
    EXPECT_EQ(data.readRecords(files::Sextets).back(), rec(32736, {1, 2, 3, 4, 5, 7}));
    EXPECT_TRUE(dialogs.calls().empty());

    press(w, Qt::Key_F1);
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral(
                  "Bu Yasak Altılılar formunun 32736 kayıt sınırı aşıldığı için, Yasak Altılılar yeni formda "
                  "işlem görecek...\r\rYeni kayıt girişi yapmak için, yeni açılacak formda 'F1' tuşuna "
                  "basın... [ F10 = Yardım ]"));
    EXPECT_EQ(dialogs.last().title, QStringLiteral("! Dikkat !"));
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(opened.count(WindowId::Ysk6));
}

TEST_F(SextetsEditorTest, CopyToTheCombinationListKeepsTheOldList) {
    data.writeRecords(files::Sextets, numbered(2, 1));
    data.writeRecords(files::List, numbered(5, 0));
    FrmYasak6* w = sextets();
    dialogs.answerYes();
    press(w, Qt::Key_F5);
    EXPECT_EQ(dialogs.calls()[0].title, QStringLiteral(" VELMORIX 653 Dizimci u4.5"));
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral("'VELMORIX.YSK' dosyası kayıtları 'VELMORIX.LST' dosyasına kopyelendi."));
    EXPECT_EQ(data.readRecords(files::List), numbered(2, 1));
    EXPECT_EQ(data.readRecords(files::OldList), numbered(5, 0));
}

TEST_F(SextetsEditorTest, TextFileAndPrintOut) {
    data.writeRecords(files::Sextets, {rec(1, {9, 3, 1, 40, 22, 17}), rec(2, {1, 2, 3, 4, 5, 6})});
    FrmYasak6* w = sextets();
    press(w, Qt::Key_F8);
    const auto bytes = data.readBytes(files::Text);
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral(" %1 byte \"VELMORIX.TXT\" dosyasına yazıldı.").arg(bytes.size()));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Yasak Altılılar [ F10= Yardım ]"));

    dialogs.answerYes();
    press(w, Qt::Key_F9);
    EXPECT_EQ(dialogs.last().text, QStringLiteral("Yasak Altılılar'ı printere bastırmak istiyormusunuz ?"));
    ASSERT_EQ(printer.jobs, 1);
    EXPECT_FALSE(printer.open);
    ASSERT_EQ(printer.lines.size(), 5u);
    EXPECT_EQ(printer.lines.back().text, QStringLiteral("< Toplam 2 kolon. >"));

    printer.isReady = false;
    dialogs.answerYes();
    press(w, Qt::Key_F9);
    EXPECT_EQ(dialogs.last().text, QStringLiteral("Printer hazır değil !"));
    EXPECT_EQ(printer.jobs, 1);
}

class PlayedEditorTest : public EditorFixture {
protected:
    FrmOKList* played() { return open<FrmOKList>(WindowId::OKList); }
};

TEST_F(PlayedEditorTest, SavesSortedWithKeepMarkAndHoldsThePlayedFile) {
    FrmOKList* w = played();
    EXPECT_EQ(state.PlayedFileNo, 1);
    press(w, Qt::Key_F1);
    typeCells(w, {"40", "3", "17", "9", "22", "1"});
    press(w, Qt::Key_F2);
    EXPECT_EQ(data.readRecords(files::Played), std::vector<ColumnRecord>{rec(653, {1, 3, 9, 17, 22, 40})});
    EXPECT_EQ(listLines(w), QStringList{QStringLiteral(" 01, 03, 09, 17, 22, 40   [ 092 ]")});
    press(w, Qt::Key_Home);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Oynananlar...  Kolon= 1"));
    delete w;
    EXPECT_EQ(state.PlayedFileNo, 0);
}

TEST_F(PlayedEditorTest, FunctionKeysOpenTheirWindows) {
    FrmOKList* w = played();
    press(w, Qt::Key_F5); // no played column: nothing
    press(w, Qt::Key_F9);
    EXPECT_TRUE(opened.empty());
    data.writeRecords(files::Played, numbered(2));
    state.RangeFirst = 5;
    state.RangeLast = 9;
    press(w, Qt::Key_F5);
    EXPECT_EQ(state.ResultsDialogSubMode, 2);
    EXPECT_TRUE(opened.count(WindowId::ResFilt));
    press(w, Qt::Key_F6);
    EXPECT_TRUE(opened.count(WindowId::YS2Flt));
    press(w, Qt::Key_F9);
    EXPECT_TRUE(opened.count(WindowId::OKPrint));
    // The played columns leave the results range alone.
    EXPECT_EQ(state.RangeFirst, 5);
    EXPECT_EQ(state.RangeLast, 9);
}

TEST_F(PlayedEditorTest, AddToSextetsTwiceAppendsTwice) {
    data.writeRecords(files::Played, numbered(2));
    data.writeRecords(files::Sextets, {rec(1, {1, 2, 3, 4, 5, 6})});
    FrmOKList* w = played();
    for (int i = 0; i < 2; ++i) {
        dialogs.answerYes();
        press(w, Qt::Key_F8);
    }
    EXPECT_EQ(dialogs.calls()[0].text,
              QStringLiteral(
                  "Oynanan Kolonlar Listesi'ni Yasak Kombinasyonlar Listesi'ne eklemek istiyormusunuz ?"));
    EXPECT_EQ(dialogs.last().text, QStringLiteral("Oynanan Kolonlar Yasak Altılılar Listesi'ne eklendi."));
    EXPECT_EQ(data.readRecords(files::Sextets).size(), 5u);
    EXPECT_EQ(data.readRecords(files::Sextets)[4], numbered(2)[1]);
    EXPECT_EQ(w->currentRecord(), 1);
}

TEST_F(PlayedEditorTest, TheLimitHandsOverToThePlayedListWindow) {
    data.writeRecords(files::Played, numbered(FrmOKList::RecordLimit));
    FrmOKList* w = played();
    w->show();
    press(w, Qt::Key_F1);
    EXPECT_EQ(dialogs.last().title, QStringLiteral("! Dikkat !"));
    EXPECT_TRUE(
        dialogs.last().text.startsWith(QStringLiteral("Bu Oynanan Kolonlar formunun 32736 kayıt sınırı")));
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(opened.count(WindowId::OKLst));
}

} // namespace
