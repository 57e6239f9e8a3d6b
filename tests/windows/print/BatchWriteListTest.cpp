#include "PrintTestContext.h"

#include "analysis/TextReportFile.h"
#include "windows/print/FrmCLPrint.h"

#include <QLineEdit>
#include <gtest/gtest.h>

using namespace velmorix;
using namespace velmorix::test;

namespace {

BatchRun runBatch(const TempDataDir& folder, const QStringList& args) {
    return runBatchProgram(QStringLiteral(VELMORIX_BATCH_PROGRAM), folder,
                           QStringList{QStringLiteral("write-list")} + args);
}

class BatchWriteListTest : public ::testing::Test {
protected:
    PrintTestContext t;
    TempDataDir batchFolder;

    void SetUp() override {
        const auto list = PrintTestContext::columns(120);
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

} // namespace
