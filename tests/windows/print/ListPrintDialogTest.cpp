#include "PrintTestContext.h"

#include "core/DateCode.h"
#include "windows/print/FrmCLPrint.h"
#include "windows/print/FrmOKPrint.h"
#include "windows/print/FrmRLPrint.h"
#include "windows/print/FrmResPrint.h"
#include "windows/print/PrintWindows.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace velmorix;
using namespace velmorix::test;

namespace {

const QString ProgramTitle = QStringLiteral("VELMORIX 653 Dizimci u4.5");

class ListPrintDialogTest : public ::testing::Test {
protected:
    PrintTestContext t;

    std::string text() const {
        const auto b = t.data.readBytes("VELMORIX.TXT");
        return std::string(b.begin(), b.end());
    }
};

class CombinationListPrintTest : public ListPrintDialogTest {
protected:
    std::unique_ptr<FrmCLPrint> w;
    void SetUp() override {
        t.data.writeRecords("VELMORIX.LST", PrintTestContext::columns(120));
        w = std::make_unique<FrmCLPrint>(t.context);
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }
    void range(const char* start, const char* end) {
        w->Text1->setText(QString::fromLatin1(start));
        w->Text2->setText(QString::fromLatin1(end));
    }
};

TEST_F(CombinationListPrintTest, ActivationFillsTheEndWithTheRecordCount) {
    EXPECT_EQ(w->Text1->text(), QStringLiteral("1"));
    EXPECT_EQ(w->Text2->text(), QStringLiteral("120"));
    EXPECT_EQ(w->Command1->text(), QStringLiteral("Yaz"));
    w->Option2->click();
    EXPECT_EQ(w->Command1->text(), QStringLiteral("Bas"));
}

TEST_F(CombinationListPrintTest, ARangeOfOneRecordIsWrittenAndItsLengthReported) {
    range("4.6", "5");
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F1);
    EXPECT_EQ(w->Text1->text(), QStringLiteral("5")); // the boxes show the numbers read
    EXPECT_EQ(t.dialogs.calls()[0].text,
              QStringLiteral("Kombinasyon Listesi'ni VELMORIX.TXT dosyasına yazdırmak istiyormusunuz ?"));
    EXPECT_EQ(t.dialogs.calls()[0].title, ProgramTitle);
    const std::string expected = "< VELMORIX 653 Dizimci u4.5 >\r\n"
                                 "SAYISAL LOTO Kombinasyon Listesi [ 06.12.2026 ]\r\n"
                                 "\r\n"
                                 "Kolon 5 - 06, 07, 08, 09, 10, 11  [051]\r\n"
                                 "\r\n"
                                 "< Toplam 1 kolon. >\r\n";
    EXPECT_EQ(text(), expected);
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral(" ") + QString::number(expected.size()) +
                                         QStringLiteral(" byte \"VELMORIX.TXT\" dosyasına yazıldı."));
    EXPECT_EQ(t.dialogs.last().title, ProgramTitle);
    EXPECT_EQ(t.dialogs.last().icon, DialogIcon::None);
    EXPECT_EQ(t.dialogs.beeps(), 2);
}

TEST_F(CombinationListPrintTest, RangesOutsideTheListAreRefusedAndNothingIsWritten) {
    t.data.writeBytes("VELMORIX.TXT", {'o', 'l', 'd'});
    range("10", "9");
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F1);
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral("Bitiş Numarası GEÇERSİZ !"));
    EXPECT_EQ(t.dialogs.last().title, QStringLiteral("! HATA !"));
    EXPECT_EQ(t.dialogs.last().icon, DialogIcon::Exclamation);
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
    QTest::keyClick(w->Text1, Qt::Key_Return);
    EXPECT_EQ(w->focusWidget(), w->Text2);
    QTest::keyClick(w->Text2, Qt::Key_Return);
    EXPECT_EQ(w->focusWidget(), w->Command1);
    t.dialogs.answerNo();
    QTest::keyClick(w->Command1, Qt::Key_Return); // presses it: the question comes
    EXPECT_EQ(t.dialogs.calls().size(), 1u);
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.TXT"));
}

TEST_F(CombinationListPrintTest, PrintingPutsTheLinesOnPaper) {
    w->Option2->click();
    range("1", "3");
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F1);
    EXPECT_EQ(t.dialogs.calls()[0].text,
              QStringLiteral("Kombinasyon Listesi'ni printere bastırmak istiyormusunuz ?"));
    EXPECT_EQ(t.dialogs.messages().size(), 0u);
    ASSERT_EQ(t.printer.jobs, 1);
    EXPECT_FALSE(t.printer.open);
    const auto& lines = t.printer.lines;
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0].text, QStringLiteral("< VELMORIX 653 Dizimci u4.5 >"));
    EXPECT_EQ(lines[2].text, QStringLiteral("Kolon 1 - 02, 03, 04, 05, 06, 07  [027]"));
    EXPECT_EQ(lines[5].text, QStringLiteral("< Toplam 3 kolon. >"));
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.TXT"));
}

TEST_F(CombinationListPrintTest, NoPrinterIsSaid) {
    t.printer.isReady = false;
    w->Option2->click();
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F1);
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral("Printer hazır değil !"));
    EXPECT_EQ(t.dialogs.last().title, QStringLiteral("! HATA !"));
    EXPECT_EQ(t.dialogs.last().icon, DialogIcon::None);
    EXPECT_TRUE(w->isVisible());
}

TEST_F(ListPrintDialogTest, RandomListIsWrittenWholeAndAnEmptyOneIsSaid) {
    t.data.writeRecords("VELMORIX.RND", {});
    FrmRLPrint w(t.context);
    t.dialogs.answerYes();
    press(&w, Qt::Key_F1);
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral("VELMORIX.RND dosyasında kayıt yok !"));
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.TXT"));

    t.data.writeRecords("VELMORIX.RND", PrintTestContext::columns(12));
    t.dialogs.answerYes();
    press(&w, Qt::Key_F1);
    EXPECT_NE(text().find("Rastgele Kolon Listesi [ 06.12.2026 ] \r\n"), std::string::npos);
    EXPECT_NE(text().find("Kolon 01 - "), std::string::npos);
}

TEST_F(ListPrintDialogTest, PlayedColumnsDialogClosesWhenThereAreNone) {
    registerPrintWindows(t.registry);
    QPointer<FrmOKPrint> w = t.registry.getAs<FrmOKPrint>(WindowId::OKPrint);
    ASSERT_TRUE(w);
    w->onActivated();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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

} // namespace
