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
    EXPECT_EQ(w->Text2->text(), QStringLiteral("120")); // the record count
    range("4.6", "5");
    t.pressAnswering(w.get(), Qt::Key_F1);
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
    t.pressAnswering(w.get(), Qt::Key_F1);
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral("Bitiş Numarası GEÇERSİZ !"));
    EXPECT_EQ(w->focusWidget(), w->Text2);
    range("0", "5");
    t.pressAnswering(w.get(), Qt::Key_F1);
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
    t.pressAnswering(w.get(), Qt::Key_Return, false); // presses it: the question comes
    EXPECT_EQ(t.dialogs.calls().size(), 1u);
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.TXT"));
}

TEST_F(CombinationListPrintTest, PrintingPutsTheLinesOnPaperOrSaysThePrinterFailed) {
    w->Option2->click();
    range("1", "3");
    t.pressAnswering(w.get(), Qt::Key_F1);
    EXPECT_TRUE(t.dialogs.messages().empty());
    ASSERT_EQ(t.printer.jobs, 1);
    EXPECT_FALSE(t.printer.open);
    const auto& lines = t.printer.lines;
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[2].text, QStringLiteral("Kolon 1 - 02, 03, 04, 05, 06, 07  [027]"));
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.TXT"));

    // A job the printer gives up on at its end is not passed over in silence,
    // nor is a printer that is not ready.
    t.printer.failsAtEnd = true;
    for (const bool ready : {true, false}) {
        t.printer.isReady = ready;
        t.pressAnswering(w.get(), Qt::Key_F1);
        EXPECT_EQ(t.dialogs.last().text, QStringLiteral("Printer hazır değil !"));
    }
    EXPECT_EQ(t.printer.jobs, 2);
    EXPECT_EQ(t.dialogs.messages().size(), 2u);
    EXPECT_TRUE(w->isVisible());
}

// Each page is filled down to 500 twips above its printable end and no
// further, whatever the paper: Letter is shorter than the A4 of the layout.
TEST_F(CombinationListPrintTest, PagesBreakAtThePrintersPageHeight) {
    const int pageHeight = 15840;
    const int lineHeight = 11 * 23; // 11-point lines, in twips
    t.printer.pageHeight = pageHeight;
    w->Option2->click();
    t.pressAnswering(w.get(), Qt::Key_F1);
    const auto& lines = t.printer.lines;
    ASSERT_EQ(lines.size(), 123u); // the whole list
    ASSERT_GE(lines.back().page, 3);
    int lastY = 0;
    int page = 1;
    for (const auto& line : lines) {
        EXPECT_LE(line.y + lineHeight, pageHeight - 500);
        if (line.page != page) {
            EXPECT_EQ(line.y, 500);
            // The page before took every line that fits.
            EXPECT_GT(lastY + 2 * lineHeight, pageHeight - 500);
            page = line.page;
        }
        lastY = line.y;
    }
    EXPECT_TRUE(t.dialogs.messages().empty());
}

TEST_F(ListPrintDialogTest, RandomListIsWrittenWholeAndAnEmptyOneIsSaid) {
    t.data.writeRecords("VELMORIX.RND", {});
    FrmRLPrint w(t.context);
    t.pressAnswering(&w, Qt::Key_F1);
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral("VELMORIX.RND dosyasında kayıt yok !"));
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.TXT"));
    t.data.writeRecords("VELMORIX.RND", WindowEnv::columns(12));
    t.pressAnswering(&w, Qt::Key_F1);
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
    t.pressAnswering(&w, Qt::Key_F1);
    EXPECT_NE(text().find("Sonu\xE7 01 - "), std::string::npos);
    EXPECT_NE(text().find("< Toplam 12 sonu\xE7. >"), std::string::npos);
}

// The batch command's write-list must write what the dialog writes, the
// whole list when it is given no range.
TEST_F(CombinationListPrintTest, BatchWriteListWritesWhatTheDialogWrites) {
    TempDataDir batch;
    batch.writeRecords("VELMORIX.LST", t.data.readRecords("VELMORIX.LST"));
    for (const bool whole : {false, true}) {
        range(whole ? "1" : "5", whole ? "120" : "99");
        t.pressAnswering(w.get(), Qt::Key_F1);
        const QStringList args{QStringLiteral("write-list"), QStringLiteral("5"), QStringLiteral("99")};
        const BatchRun run =
            runBatchProgram(QStringLiteral(VELMORIX_BATCH_PROGRAM), batch, whole ? args.mid(0, 1) : args);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.err, t.dialogs.last().text + QLatin1Char('\n'));
        // The batch run dates its title by the system clock.
        std::string expected = text();
        const std::string fixedDate = shortDateText(t.clock.today());
        expected.replace(expected.find(fixedDate), fixedDate.size(), shortDateText(SystemClock().today()));
        const auto bytes = batch.readBytes("VELMORIX.TXT");
        EXPECT_EQ(std::string(bytes.begin(), bytes.end()), expected);
    }
}
