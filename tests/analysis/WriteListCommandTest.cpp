#include "analysis/WriteListCommand.h"
#include "support/TempDataDir.h"

#include <gtest/gtest.h>

using namespace velmorix;
using velmorix::test::rec;
using velmorix::test::TempDataDir;

namespace {
struct WriteListTest : ::testing::Test {
    TempDataDir t;
    FixedClock clock;
    void SetUp() override {
        std::vector<ColumnRecord> list;
        for (int i = 1; i <= 120; ++i)
            list.push_back(rec(0, {1, 2, 3, 4, 5, 6 + i % 40}));
        t.writeRecords("VELMORIX.LST", list);
    }
    std::string text() const {
        const auto b = t.readBytes("VELMORIX.TXT");
        return std::string(b.begin(), b.end());
    }
};
} // namespace

TEST_F(WriteListTest, ARangeIsReadAsTheDialogReadsItsBoxes) {
    EXPECT_EQ(runWriteList(t.dir(), clock, {"4.6", "7"}).exitCode, 0);
    EXPECT_NE(text().find("Kolon 5 - "), std::string::npos);
    EXPECT_NE(text().find("< Toplam 3 kolon. >"), std::string::npos);
}

TEST_F(WriteListTest, RefusedRangesLeaveTheTextFileUntouched) {
    t.writeBytes("VELMORIX.TXT", {'k', 'e', 'e', 'p'});
    auto out = runWriteList(t.dir(), clock, {"0", "5"});
    EXPECT_EQ(out.exitCode, 1);
    EXPECT_EQ(out.messages, std::vector<std::string>{"Başlangıç numarası GEÇERSİZ !"});
    out = runWriteList(t.dir(), clock, {"121", "121"});
    EXPECT_EQ(out.messages, std::vector<std::string>{"Başlangıç numarası GEÇERSİZ !"});
    out = runWriteList(t.dir(), clock, {"10", "9"});
    EXPECT_EQ(out.exitCode, 1);
    EXPECT_EQ(out.messages, std::vector<std::string>{"Bitiş Numarası GEÇERSİZ !"});
    out = runWriteList(t.dir(), clock, {"10", "121"});
    EXPECT_EQ(out.messages, std::vector<std::string>{"Bitiş Numarası GEÇERSİZ !"});
    EXPECT_EQ(text(), "keep");

    EXPECT_EQ(runWriteList(t.dir(), clock, {"5"}).exitCode, 2);
    t.dir().remove("VELMORIX.LST");
    out = runWriteList(t.dir(), clock, {});
    EXPECT_EQ(out.exitCode, 1);
    EXPECT_EQ(text(), "keep");
}
