#include "support/WindowTests.h"

class ListPrintDialogTest : public ::testing::Test {
protected:
    WindowEnv t;

    std::string text() const {
        const auto b = t.data.readBytes("VELMORIX.TXT");
        return std::string(b.begin(), b.end());
    }
};

class CombinationListPrintTest : public ListPrintDialogTest {
protected:
    std::unique_ptr<FrmCLPrint> w;
    void SetUp() override {
        t.data.writeRecords("VELMORIX.LST", WindowEnv::columns(120));
        w = std::make_unique<FrmCLPrint>(t.context);
        ASSERT_TRUE(activate(w.get()));
    }
    void range(const char* start, const char* end) {
        w->Text1->setText(QString::fromLatin1(start));
        w->Text2->setText(QString::fromLatin1(end));
    }
};

TEST_F(CombinationListPrintTest, ARangeOfOneRecordIsWrittenAndItsLengthReported) {
    EXPECT_EQ(w->Text1->text(), QStringLiteral("1"));
    EXPECT_EQ(w->Text2->text(), QStringLiteral("120")); // the record count
    range("4.6", "5");
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F1);
    EXPECT_EQ(w->Text1->text(), QStringLiteral("5")); // the boxes show the numbers read
    EXPECT_EQ(t.dialogs.calls()[0].text,
              QStringLiteral("Kombinasyon Listesi'ni VELMORIX.TXT dosyasına yazdırmak istiyormusunuz ?"));
    const std::string expected = "< VELMORIX 653 Dizimci u4.5 >\r\n"
                                 "SAYISAL LOTO Kombinasyon Listesi [ 06.12.2026 ]\r\n"
                                 "\r\n"
                                 "Kolon 5 - 06, 07, 08, 09, 10, 11  [051]\r\n"
                                 "\r\n"
                                 "< Toplam 1 kolon. >\r\n";
    EXPECT_EQ(text(), expected);
    EXPECT_EQ(t.dialogs.last().text,
              QStringLiteral(" %1 byte \"VELMORIX.TXT\" dosyasına yazıldı.").arg(expected.size()));
    EXPECT_EQ(t.dialogs.beeps(), 2);
}

TEST_F(CombinationListPrintTest, RangesOutsideTheListAreRefusedAndNothingIsWritten) {
    t.data.writeBytes("VELMORIX.TXT", {'o', 'l', 'd'});
    range("10", "9");
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F1);
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral("Bitiş Numarası GEÇERSİZ !"));
    EXPECT_EQ(w->focusWidget(), w->Text2);
    range("0", "5");
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F1);
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral("Başlangıç numarası GEÇERSİZ !"));
    EXPECT_EQ(w->focusWidget(), w->Text1);
    EXPECT_EQ(text(), "old");
}

TEST_F(CombinationListPrintTest, EnterMovesFromBoxToBoxToTheButton) {
    w->Text1->setFocus();
    press(w.get(), Qt::Key_Return);
    EXPECT_EQ(w->focusWidget(), w->Text2);
    press(w.get(), Qt::Key_Return);
    EXPECT_EQ(w->focusWidget(), w->Command1);
    t.dialogs.answerNo();
    press(w.get(), Qt::Key_Return); // presses it: the question comes
    EXPECT_EQ(t.dialogs.calls().size(), 1u);
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.TXT"));
}

TEST_F(CombinationListPrintTest, PrintingPutsTheLinesOnPaperOrSaysThereIsNoPrinter) {
    w->Option2->click();
    range("1", "3");
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F1);
    EXPECT_TRUE(t.dialogs.messages().empty());
    ASSERT_EQ(t.printer.jobs, 1);
    EXPECT_FALSE(t.printer.open);
    const auto& lines = t.printer.lines;
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0].text, QStringLiteral("< VELMORIX 653 Dizimci u4.5 >"));
    EXPECT_EQ(lines[2].text, QStringLiteral("Kolon 1 - 02, 03, 04, 05, 06, 07  [027]"));
    EXPECT_EQ(lines[5].text, QStringLiteral("< Toplam 3 kolon. >"));
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.TXT"));

    t.printer.isReady = false;
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F1);
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral("Printer hazır değil !"));
    EXPECT_TRUE(w->isVisible());
}

TEST_F(ListPrintDialogTest, RandomListIsWrittenWholeAndAnEmptyOneIsSaid) {
    t.data.writeRecords("VELMORIX.RND", {});
    FrmRLPrint w(t.context);
    t.dialogs.answerYes();
    press(&w, Qt::Key_F1);
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral("VELMORIX.RND dosyasında kayıt yok !"));
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.TXT"));
    t.data.writeRecords("VELMORIX.RND", WindowEnv::columns(12));
    t.dialogs.answerYes();
    press(&w, Qt::Key_F1);
    EXPECT_NE(text().find("Rastgele Kolon Listesi [ 06.12.2026 ] \r\n"), std::string::npos);
    EXPECT_NE(text().find("Kolon 01 - "), std::string::npos);
}

TEST_F(ListPrintDialogTest, PlayedColumnsDialogClosesWhenThereAreNone) {
    QPointer<FrmOKPrint> w = t.registry.getAs<FrmOKPrint>(WindowId::OKPrint);
    ASSERT_TRUE(w);
    w->onActivated();
    flushDeletes();
    EXPECT_FALSE(w);
}

TEST_F(ListPrintDialogTest, ResultsUseTheirOwnCount) {
    t.data.writeRecords("VELMORIX.RES", std::vector<ColumnRecord>(12, rec(KeepMark, {1, 2, 3, 4, 5, 6})));
    t.state.RangeLast = 3; // the editor's range does not cut the print-out
    FrmResPrint w(t.context);
    t.dialogs.answerYes();
    press(&w, Qt::Key_F1);
    EXPECT_NE(text().find("Sonu\xE7 01 - "), std::string::npos);
    EXPECT_NE(text().find("< Toplam 12 sonu\xE7. >"), std::string::npos);
}

// The batch command's write-list must write what the dialog writes.
BatchRun runBatch(const TempDataDir& folder, const QStringList& args) {
    return runBatchProgram(QStringLiteral(VELMORIX_BATCH_PROGRAM), folder,
                           QStringList{QStringLiteral("write-list")} + args);
}

class BatchWriteListTest : public ::testing::Test {
protected:
    WindowEnv t;
    TempDataDir batchFolder;

    void SetUp() override {
        const auto list = WindowEnv::columns(120);
        t.data.writeRecords("VELMORIX.LST", list);
        batchFolder.writeRecords("VELMORIX.LST", list);
    }
    // The dialog's file with the batch run's date in its title.
    std::vector<unsigned char> dialogFile(const char* start, const char* end) {
        FrmCLPrint w(t.context);
        w.Text1->setText(QString::fromLatin1(start));
        w.Text2->setText(QString::fromLatin1(end));
        t.dialogs.answerYes();
        press(&w, Qt::Key_F1);
        auto bytes = t.data.readBytes("VELMORIX.TXT");
        std::string text(bytes.begin(), bytes.end());
        const std::string fixedDate = shortDateText(t.clock.today());
        text.replace(text.find(fixedDate), fixedDate.size(), shortDateText(SystemClock().today()));
        return {text.begin(), text.end()};
    }
};

TEST_F(BatchWriteListTest, WritesWhatTheDialogWrites) {
    const auto expected = dialogFile("5", "99");
    BatchRun run = runBatch(batchFolder, {QStringLiteral("5"), QStringLiteral("99")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, t.dialogs.last().text + QLatin1Char('\n'));
    EXPECT_EQ(batchFolder.readBytes("VELMORIX.TXT"), expected);

    const auto whole = dialogFile("1", "120");
    EXPECT_EQ(runBatch(batchFolder, {}).exitCode, 0);
    EXPECT_EQ(batchFolder.readBytes("VELMORIX.TXT"), whole);
}
