#include "support/WindowTests.h"

constexpr int LineHeight = 11 * 23; // 11-point lines, in twips

class PrintPagesTest : public ::testing::Test {
protected:
    WindowEnv t;
    std::unique_ptr<FrmCLPrint> w;

    void printWholeList() {
        t.data.writeRecords("VELMORIX.LST", WindowEnv::columns(150));
        w = std::make_unique<FrmCLPrint>(t.context);
        ASSERT_TRUE(activate(w.get()));
        w->Option2->click();
        t.dialogs.answerYes();
        press(w.get(), Qt::Key_F1);
    }
};

// Each page is filled down to 500 twips above its printable end and no
// further, whatever the paper: Letter is shorter than A4.
TEST_F(PrintPagesTest, PagesBreakAtThePrintersPageHeight) {
    for (const int pageHeight : {15840, 16838}) {
        t.printer.lines.clear();
        t.printer.pageHeight = pageHeight;
        printWholeList();
        const auto& lines = t.printer.lines;
        ASSERT_FALSE(lines.empty());
        ASSERT_GE(lines.back().page, 3);
        int lastY = 0;
        int page = 1;
        for (const auto& line : lines) {
            EXPECT_LE(line.y + LineHeight, pageHeight - 500) << pageHeight;
            if (line.page != page) {
                EXPECT_EQ(line.y, 500) << pageHeight;
                // The page before took every line that fits.
                EXPECT_GT(lastY + 2 * LineHeight, pageHeight - 500) << pageHeight;
                page = line.page;
            }
            lastY = line.y;
        }
        EXPECT_TRUE(t.dialogs.messages().empty());
    }
}

// A job the printer gives up on is not passed over in silence.
TEST_F(PrintPagesTest, AFailedJobIsSaid) {
    t.printer.failsAtEnd = true;
    printWholeList();
    ASSERT_EQ(t.printer.jobs, 1);
    ASSERT_EQ(t.dialogs.messages().size(), 1u);
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral("Printer hazır değil !"));
    EXPECT_TRUE(w->isVisible());
}
