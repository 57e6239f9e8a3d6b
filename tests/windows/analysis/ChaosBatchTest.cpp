#include "AnalysisFixture.h"

#include "core/Encoding.h"

using namespace velmorix;
using namespace velmorix::test;

namespace {

BatchRun runChaosBatch(const TempDataDir& folder, const QStringList& args) {
    return runBatchProgram(QStringLiteral(VELMORIX_BATCH_PROGRAM), folder,
                           QStringList{QStringLiteral("chaos-report")} + args);
}

// The report without the date and time of its heading.
std::string withoutDate(const std::vector<unsigned char>& bytes) {
    std::string text(bytes.begin(), bytes.end());
    const auto open = text.find("  [");
    const auto close = text.find(" ]", open);
    if (open != std::string::npos && close != std::string::npos)
        text.erase(open + 3, close - open - 3);
    return text;
}

class ChaosBatchTest : public AnalysisFixture {
protected:
    TempDataDir batchFolder;

    void SetUp() override {
        writeEvenResults();
        batchFolder.writeRecords(files::Results, data.readRecords(files::Results));
    }
};

} // namespace

TEST_F(ChaosBatchTest, WritesWhatTheDialogWrites) {
    applyRange(openDialog(0, 4), QStringLiteral("7"), QStringLiteral("31"));
    const BatchRun run = runChaosBatch(batchFolder, {QStringLiteral("7"), QStringLiteral("31")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, dialogs.last().text + QLatin1Char('\n'));
    const auto bytes = batchFolder.readBytes(files::Text);
    EXPECT_EQ(withoutDate(bytes), withoutDate(data.readBytes(files::Text)));
    EXPECT_EQ(batchFolder.fileNames(), (std::vector<std::string>{"VELMORIX.RES", "VELMORIX.TXT"}));
}
