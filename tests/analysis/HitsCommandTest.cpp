#include "analysis/HitsCommand.h"
#include "core/ColumnFile.h"
#include "support/TempDataDir.h"

#include <gtest/gtest.h>

using namespace velmorix;
using velmorix::test::rec;
using velmorix::test::TempDataDir;

TEST(HitsCommandTest, PrintsTheReportWithNothingAfterIt) {
    TempDataDir t;
    t.writeRecords(files::Played, {rec(653, {1, 2, 3, 4, 5, 6}), rec(653, {1, 2, 3, 10, 11, 12})});
    const auto r = hits::runCommand(t.dir(), {"6", "5", "4", "3", "2", "1"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "\r\n 6 Tutturulan Kolonlar:\r\n Kolon 1 :    1 , 2 , 3 , 4 , 5 , 6\r\n"
                     "\r\n 3 Tutturulan Kolonlar:\r\n Kolon 2 :    1 , 2 , 3 , 10 , 11 , 12\r\n"
                     "\r\n 2 kolona ikramiye isabet etti...");
    EXPECT_EQ(hits::runCommand(t.dir(), {"40", "41", "42", "43", "44", "45"}).out,
              "\r\n Hiç bir kolona ikramiye isabet etmedi...");
}

TEST(HitsCommandTest, BadBallsAndArgumentCounts) {
    TempDataDir t;
    t.writeRecords(files::Played, {rec(653, {1, 2, 3, 4, 5, 6})});
    const auto bad = hits::runCommand(t.dir(), {"1", "2", "3", "4", "50", "6"});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err, " 5. hücredeki top numarası GEÇERSİZ !... Düzeltin...\n");
    EXPECT_EQ(hits::runCommand(t.dir(), {"x", "2", "3", "4", "5", "6"}).err,
              " 1. hücredeki top numarası GEÇERSİZ !... Düzeltin...\n");
    EXPECT_EQ(hits::runCommand(t.dir(), {"1", "2", "3"}).exitCode, 2);
    // Typed balls are read as the window reads them: 4.5 is 4.
    EXPECT_NE(hits::runCommand(t.dir(), {"1", "2", "3", "4.5", "5", "6"}).out.find(" 6 Tutturulan"),
              std::string::npos);
}

TEST(HitsCommandTest, NoPlayedColumnsGiveNoReport) {
    TempDataDir t;
    const auto r = hits::runCommand(t.dir(), {"1", "2", "3", "4", "5", "6"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "");
}
