#include "EditorFixture.h"
#include "support/WindowTests.h"

class ZeroTest : public EditorFixture {
protected:
    FrmZero* zero() { return open<FrmZero>(WindowId::Zero); }
};

TEST_F(ZeroTest, SixtyFiveColumnsAreRefusedAndDeleteUsesItsOwnTexts) {
    data.writeRecords(files::Zero, numbered(63));
    FrmZero* w = zero();
    EXPECT_EQ(textBox(w, "Text3")->text(), QStringLiteral("63"));
    press(w, Qt::Key_F1);
    typeCells(w, {"9", "3", "1", "40", "22", "17"});
    press(w, Qt::Key_F2);
    EXPECT_EQ(data.readRecords(files::Zero).back(), rec(64, {9, 3, 1, 40, 22, 17}));
    EXPECT_EQ(textBox(w, "Text3")->text(), QStringLiteral("64"));
    press(w, Qt::Key_F1);
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral("'SIFIRI YAKALA' yönteminde kullanılacak kolon sayısı en çok 64 olabilir."));
    EXPECT_FALSE(w->isNewRecord());

    press(w, Qt::Key_Home);
    dialogs.answerYes();
    press(w, Qt::Key_F3);
    EXPECT_EQ(dialogs.calls()[1].text, QStringLiteral(" 1. kolonu silmek istiyormusunuz ?"));
    EXPECT_EQ(dialogs.last().text, QStringLiteral("Kolon 1 SİLİNDİ ..."));
    EXPECT_EQ(data.readRecords(files::Zero).size(), 63u);
    EXPECT_EQ(data.readRecords(files::Zero)[0], numbered(63)[1]);
    EXPECT_EQ(textBox(w, "Text3")->text(), QStringLiteral("63"));
}

TEST_F(ZeroTest, OrRuleKeepsColumnsWithoutTheBalls) {
    data.writeRecords(files::Zero, {rec(1, {1, 2, 3, 4, 5, 6})});
    data.writeRecords(files::List, {rec(0, {1, 10, 11, 12, 13, 14}), rec(0, {7, 8, 9, 10, 11, 12}),
                                    rec(0, {6, 7, 8, 9, 10, 11}), rec(0, {20, 21, 22, 23, 24, 25})});
    FrmZero* w = zero();
    dialogs.answerYes();
    press(w, Qt::Key_F5);
    EXPECT_EQ(dialogs.last().text, QStringLiteral(" 2 kolon VELMORIX.LST dosyasına kayıtlandı..."));
    EXPECT_EQ(data.readRecords(files::List), (std::vector<ColumnRecord>{rec(653, {7, 8, 9, 10, 11, 12}),
                                                                        rec(653, {20, 21, 22, 23, 24, 25})}));
    EXPECT_EQ(data.fileNames(), (std::vector<std::string>{files::List, files::Zero}));

    // The range boxes are checked before any question.
    textBox(w, "Text2")->setText(QStringLiteral("70"));
    press(w, Qt::Key_F6);
    EXPECT_EQ(textBox(w, "Text2")->text(), QStringLiteral("1"));
    textBox(w, "Text3")->setText(QStringLiteral("4"));
    dialogs.clear();
    press(w, Qt::Key_F7);
    EXPECT_EQ(onlyMessage().text, QStringLiteral("Bitiş kayıt numarası GEÇERSİZ !\r\r[ KOLON SAYISI = 1 ]"));
    EXPECT_EQ(data.readRecords(files::List).size(), 2u);
}

TEST_F(ZeroTest, CopiesBetweenTheCatchTheZeroAndPlayedFiles) {
    data.writeRecords(files::Played, numbered(65));
    FrmZero* w = zero();
    press(w, Qt::Key_F9); // 65 played columns are too many
    EXPECT_TRUE(dialogs.calls().empty());
    EXPECT_EQ(data.dir().fileSize(files::Zero), 0);

    data.writeRecords(files::Played, numbered(3));
    dialogs.answerYes();
    press(w, Qt::Key_F9);
    EXPECT_EQ(data.readRecords(files::Zero), numbered(3));
    EXPECT_EQ(listLines(w).size(), 3);
    EXPECT_EQ(w->currentRecord(), 1);

    typeCells(w, {"9", "3", "1", "40", "22", "17"});
    press(w, Qt::Key_F2);
    dialogs.answerYes();
    press(w, Qt::Key_F8);
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral("VELMORIX.ZMC dosyası  VELMORIX.OKL olarak kayıtlandı.\r( 3 kolon )"));
    EXPECT_EQ(data.readRecords(files::Played)[0], rec(1, {9, 3, 1, 40, 22, 17}));
}

class ScoresTest : public EditorFixture {
protected:
    FrmScores* scores() { return open<FrmScores>(WindowId::Scores); }
    static QLineEdit* cell2(QWidget* w, int i) {
        return w->findChild<QLineEdit*>(QStringLiteral("Text2_%1").arg(i));
    }
};

TEST_F(ScoresTest, PagingStaysWithinTheResultsAndTheScanReportsTheWinners) {
    data.writeRecords(files::Results, {rec(653, {1, 2, 3, 4, 5, 6}), rec(653, {7, 8, 9, 10, 11, 12})});
    data.writeRecords(files::Played, {rec(653, {1, 2, 3, 4, 5, 6})});
    const auto played = data.readBytes(files::Played);
    FrmScores* w = scores();
    ASSERT_TRUE(activate(w));
    EXPECT_EQ(w->shownResult(), 2);
    EXPECT_EQ(cell2(w, 0)->text(), QStringLiteral("7"));
    press(w, Qt::Key_Home);
    press(w, Qt::Key_PageUp);
    EXPECT_EQ(w->shownResult(), 1);
    EXPECT_EQ(cell2(w, 5)->text(), QStringLiteral("6"));
    EXPECT_EQ(w->findChild<QGroupBox*>(QStringLiteral("Frame1"))->title(), QStringLiteral("SONUÇ= 1"));
    press(w, Qt::Key_End);
    press(w, Qt::Key_PageDown);
    EXPECT_EQ(w->shownResult(), 2);

    // Balls typed by hand survive a visit to another window and the message.
    for (int i = 0; i < 6; ++i)
        cell2(w, i)->setText(QString::number(i + 1));
    cell2(w, 3)->setFocus();
    cell2(w, 3)->selectAll();
    QTest::keyClicks(cell2(w, 3), QStringLiteral("50"));
    QWidget other;
    ASSERT_TRUE(activate(&other));
    ASSERT_TRUE(activate(w));
    EXPECT_EQ(cell2(w, 3)->text(), QStringLiteral("50"));
    press(w, Qt::Key_F1);
    EXPECT_EQ(dialogs.last().text, QStringLiteral(" 4. hücredeki top numarası GEÇERSİZ !... Düzeltin..."));
    EXPECT_EQ(w->focusWidget(), cell2(w, 3));
    EXPECT_TRUE(w->reportText().isEmpty());
    cell2(w, 3)->setText(QStringLiteral("4.50"));
    press(w, Qt::Key_Return);
    EXPECT_EQ(cell2(w, 3)->text(), QStringLiteral("4.5"));
    EXPECT_EQ(w->focusWidget(), cell2(w, 4));
    press(w, Qt::Key_F1); // 4.5 reads as 4: six hits
    EXPECT_EQ(w->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->toPlainText(),
              QStringLiteral("\n 6 Tutturulan Kolonlar:\n Kolon 1 :    1 , 2 , 3 , 4 , 5 , 6\n"
                             "\n 1 kolona ikramiye isabet etti..."));
    EXPECT_EQ(data.readBytes(files::Played), played);
    for (int i = 0; i < 4; ++i)
        cell2(w, i)->setText(QString::number(20 + i));
    press(w, Qt::Key_F1);
    EXPECT_EQ(w->reportText(), QStringLiteral("\r\n Hiç bir kolona ikramiye isabet etmedi..."));
    press(w, Qt::Key_Home); // paging shows a stored result again
    EXPECT_EQ(cell2(w, 0)->text(), QStringLiteral("1"));
}
