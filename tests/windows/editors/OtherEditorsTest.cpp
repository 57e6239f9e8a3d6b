#include "EditorFixture.h"
#include "support/WindowTests.h"

class SextetsEditorTest : public EditorFixture {
protected:
    FrmYasak6* sextets() { return open<FrmYasak6>(WindowId::Yasak6); }
};

TEST_F(SextetsEditorTest, BallsStayInTypedOrderWithTheRecordNumberAsTag) {
    data.writeRecords(files::Sextets, numbered(4, 99));
    FrmYasak6* w = sextets();
    press(w, Qt::Key_F1);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Yeni Kolon... Kayıt No= 5"));
    typeCells(w, {"9", "3", "1", "40", "22", "17"});
    press(w, Qt::Key_F2);
    EXPECT_EQ(data.readRecords(files::Sextets).back(), rec(5, {9, 3, 1, 40, 22, 17}));
    EXPECT_EQ(cellTexts(w), texts({"9", "3", "1", "40", "22", "17"}));
    EXPECT_EQ(listLines(w).back(), QStringLiteral(" 09, 03, 01, 40, 22, 17"));
}

// Past the record limit the list window takes over.
TEST_F(SextetsEditorTest, TheLimitsHandOverToTheListWindows) {
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
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(opened.count(WindowId::Ysk6));

    data.writeRecords(files::Played, numbered(FrmOKList::RecordLimit));
    auto* played = open<FrmOKList>(WindowId::OKList);
    played->show();
    press(played, Qt::Key_F1);
    EXPECT_TRUE(
        dialogs.last().text.startsWith(QStringLiteral("Bu Oynanan Kolonlar formunun 32736 kayıt sınırı")));
    EXPECT_FALSE(played->isVisible());
    EXPECT_TRUE(opened.count(WindowId::OKLst));
}

TEST_F(SextetsEditorTest, CopyToTheCombinationListTextFileAndPrintOut) {
    data.writeRecords(files::Sextets, {rec(1, {9, 3, 1, 40, 22, 17}), rec(2, {1, 2, 3, 4, 5, 6})});
    data.writeRecords(files::List, numbered(5, 0));
    FrmYasak6* w = sextets();
    dialogs.answerYes();
    press(w, Qt::Key_F5);
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral("'VELMORIX.YSK' dosyası kayıtları 'VELMORIX.LST' dosyasına kopyelendi."));
    EXPECT_EQ(data.readRecords(files::List), data.readRecords(files::Sextets));
    EXPECT_EQ(data.readRecords(files::OldList), numbered(5, 0));

    press(w, Qt::Key_F8);
    const auto bytes = data.readBytes(files::Text);
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral(" %1 byte \"VELMORIX.TXT\" dosyasına yazıldı.").arg(bytes.size()));

    dialogs.answerYes();
    press(w, Qt::Key_F9);
    ASSERT_EQ(printer.jobs, 1);
    EXPECT_FALSE(printer.open);
    ASSERT_EQ(printer.lines.size(), 5u);
    EXPECT_EQ(printer.lines.back().text, QStringLiteral("< Toplam 2 kolon. >"));
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
    delete w;
    EXPECT_EQ(state.PlayedFileNo, 0);
}

TEST_F(PlayedEditorTest, FunctionKeysOpenTheirWindowsAndAddToTheSextets) {
    FrmOKList* w = played();
    press(w, Qt::Key_F5); // no played column: nothing
    press(w, Qt::Key_F9);
    EXPECT_TRUE(opened.empty());
    data.writeRecords(files::Played, numbered(2));
    state.RangeFirst = 5;
    state.RangeLast = 9;
    for (int key : {Qt::Key_F5, Qt::Key_F6, Qt::Key_F9})
        press(w, key);
    EXPECT_EQ(state.ResultsDialogSubMode, 2);
    EXPECT_EQ(opened, (std::map<WindowId, int>{
                          {WindowId::ResFilt, 1}, {WindowId::YS2Flt, 1}, {WindowId::OKPrint, 1}}));
    // The played columns leave the results range alone.
    EXPECT_EQ(state.RangeFirst, 5);
    EXPECT_EQ(state.RangeLast, 9);

    // Adding to the sextets twice appends twice.
    data.writeRecords(files::Sextets, {rec(1, {1, 2, 3, 4, 5, 6})});
    for (int i = 0; i < 2; ++i) {
        dialogs.answerYes();
        press(w, Qt::Key_F8);
    }
    EXPECT_EQ(dialogs.last().text, QStringLiteral("Oynanan Kolonlar Yasak Altılılar Listesi'ne eklendi."));
    EXPECT_EQ(data.readRecords(files::Sextets).size(), 5u);
    EXPECT_EQ(data.readRecords(files::Sextets)[4], numbered(2)[1]);
    EXPECT_EQ(w->currentRecord(), 1);
}
