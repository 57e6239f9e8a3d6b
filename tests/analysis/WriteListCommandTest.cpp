#include "support/EngineTests.h"

TEST(WriteListCommandTest, ARangeIsReadAsTheDialogReadsItsBoxesAndRefusalsWriteNothing) {
    TempDataDir t;
    const FixedClock clock;
    std::vector<ColumnRecord> list;
    for (int i = 1; i <= 120; ++i)
        list.push_back(rec(0, {1, 2, 3, 4, 5, 6 + i % 40}));
    t.writeRecords("VELMORIX.LST", list);
    const auto text = [&] {
        const auto b = t.readBytes("VELMORIX.TXT");
        return std::string(b.begin(), b.end());
    };
    EXPECT_EQ(runWriteList(t.dir(), clock, {"4.6", "7"}).exitCode, 0);
    EXPECT_NE(text().find("Kolon 5 - "), std::string::npos);
    EXPECT_NE(text().find("< Toplam 3 kolon. >"), std::string::npos);

    // Refused ranges leave the text file untouched.
    t.writeBytes("VELMORIX.TXT", {'k', 'e', 'e', 'p'});
    const std::pair<std::vector<std::string>, std::string> refused[] = {
        {{"0", "5"}, "Başlangıç numarası GEÇERSİZ !\n"},
        {{"121", "121"}, "Başlangıç numarası GEÇERSİZ !\n"},
        {{"10", "9"}, "Bitiş Numarası GEÇERSİZ !\n"},
        {{"10", "121"}, "Bitiş Numarası GEÇERSİZ !\n"}};
    for (const auto& [args, message] : refused) {
        const CommandOutcome out = runWriteList(t.dir(), clock, args);
        EXPECT_EQ(out.exitCode, 1);
        EXPECT_EQ(out.err, message);
    }
    EXPECT_EQ(runWriteList(t.dir(), clock, {"5"}).exitCode, 2);
    t.dir().remove("VELMORIX.LST");
    EXPECT_EQ(runWriteList(t.dir(), clock, {}).exitCode, 1);
    EXPECT_EQ(text(), "keep");
}
