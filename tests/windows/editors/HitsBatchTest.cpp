#include "EditorFixture.h"
#include "windows/editors/FrmScores.h"

using namespace velmorix;
using namespace velmorix::test;

namespace {

BatchRun runHits(const TempDataDir& folder, const QStringList& balls) {
    return runBatchProgram(QStringLiteral(VELMORIX_BATCH_PROGRAM), folder,
                           QStringList{QStringLiteral("hits")} + balls);
}

class HitsBatchTest : public EditorFixture {};

TEST_F(HitsBatchTest, PrintsExactlyTheWindowsReport) {
    const std::vector<ColumnRecord> played{rec(653, {3, 11, 19, 27, 35, 43}), rec(653, {1, 2, 3, 11, 19, 27}),
                                           rec(12, {3, 4, 5, 6, 35, 43}), rec(653, {1, 2, 4, 5, 6, 7})};
    data.writeRecords(files::Played, played);
    data.writeRecords(files::Results, {rec(653, {3, 11, 19, 27, 35, 43})});
    auto* w = open<FrmScores>(WindowId::Scores);
    w->scan();
    ASSERT_FALSE(w->reportText().isEmpty());

    const BatchRun run = runHits(data, {QStringLiteral("43"), QStringLiteral("35"), QStringLiteral("27"),
                                        QStringLiteral("19"), QStringLiteral("11"), QStringLiteral("3")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, w->reportText().toUtf8());
    EXPECT_TRUE(run.err.isEmpty());
    EXPECT_EQ(data.readRecords(files::Played), played);
}

TEST_F(HitsBatchTest, ABallOutsideTheRangeIsRefused) {
    data.writeRecords(files::Played, {rec(653, {1, 2, 3, 4, 5, 6})});
    const BatchRun run = runHits(data, {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                        QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("50")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(run.err, QStringLiteral(" 6. hücredeki top numarası GEÇERSİZ !... Düzeltin...\n"));
    EXPECT_EQ(runHits(data, {QStringLiteral("1")}).exitCode, 2);
}

} // namespace
