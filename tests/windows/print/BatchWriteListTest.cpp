#include "PrintTestContext.h"

#include "analysis/TextReportFile.h"
#include "windows/print/FrmCLPrint.h"

#include <QLineEdit>
#include <QProcess>
#include <gtest/gtest.h>

using namespace velmorix;
using namespace velmorix::test;

namespace {

struct BatchRun {
    int exitCode = -1;
    QString err;
};

BatchRun runBatch(const TempDataDir& folder, const QStringList& args) {
    QProcess process;
    process.setWorkingDirectory(QString::fromStdString(folder.path().string()));
    process.start(QStringLiteral(VELMORIX_BATCH_PROGRAM), QStringList{QStringLiteral("write-list")} + args);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
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
        w.pressKey(Qt::Key_F1);
        auto bytes = t.data.readBytes("VELMORIX.TXT");
        std::string text(bytes.begin(), bytes.end());
        const std::string fixedDate = shortDateText(t.clock.today());
        text.replace(text.find(fixedDate), fixedDate.size(), shortDateText(SystemClock().today()));
        return {text.begin(), text.end()};
    }
};

TEST_F(BatchWriteListTest, WritesWhatTheDialogWritesAndRefusesWhatItRefuses) {
    const auto expected = dialogFile("5", "99");
    BatchRun run = runBatch(batchFolder, {QStringLiteral("5"), QStringLiteral("99")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, t.dialogs.last().text + QLatin1Char('\n'));
    EXPECT_EQ(batchFolder.readBytes("VELMORIX.TXT"), expected);

    const auto whole = dialogFile("1", "120");
    EXPECT_EQ(runBatch(batchFolder, {}).exitCode, 0);
    EXPECT_EQ(batchFolder.readBytes("VELMORIX.TXT"), whole);

    run = runBatch(batchFolder, {QStringLiteral("10"), QStringLiteral("9")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, QStringLiteral("Bitiş Numarası GEÇERSİZ !\n"));
    EXPECT_EQ(runBatch(batchFolder, {QStringLiteral("3")}).exitCode, 2);
    EXPECT_EQ(batchFolder.readBytes("VELMORIX.TXT"), whole);
}

} // namespace
