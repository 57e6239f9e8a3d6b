#include "support/EngineTests.h"

// The report is the hit evaluation window's (HitScanTest); the command reads
// the balls as its cells do.
TEST(HitsCommandTest, PrintsTheWindowsReportAndRefusesWhatItsCellsRefuse) {
    TempDataDir t;
    const CommandOutcome nothingPlayed = hits::runCommand(t.dir(), {"1", "2", "3", "4", "5", "6"});
    EXPECT_EQ((std::pair{nothingPlayed.exitCode, nothingPlayed.out}), (std::pair{0, std::string()}));
    t.writeRecords(files::Played, {rec(653, {1, 2, 3, 4, 5, 6}), rec(653, {1, 2, 3, 10, 11, 12})});
    const CommandOutcome r = hits::runCommand(t.dir(), {"6", "5", "3.5", "3", "2", "1"}); // 3.5 is 4
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, hits::scanPlayedColumns(t.dir(), {1, 2, 3, 4, 5, 6}).report);

    const CommandOutcome bad = hits::runCommand(t.dir(), {"1", "2", "3", "4", "50", "6"});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err, " 5. hücredeki top numarası GEÇERSİZ !... Düzeltin...\n");
    EXPECT_EQ(hits::runCommand(t.dir(), {"x", "2", "3", "4", "5", "6"}).err,
              " 1. hücredeki top numarası GEÇERSİZ !... Düzeltin...\n");
    EXPECT_EQ(hits::runCommand(t.dir(), {"1", "2", "3"}).exitCode, 2);
}
