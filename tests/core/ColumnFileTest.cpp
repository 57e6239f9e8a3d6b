#include "support/ModuleTests.h"

TEST(ColumnRecordTest, ByteLayoutIsLittleEndianWithoutPadding) {
    const ColumnRecord r = rec(-2, {1, 2, 300, 4, -1, 49});
    unsigned char b[16];
    r.encode(b);
    const unsigned char expected[16] = {0xFE, 0xFF, 0xFF, 0xFF, 1,    0,    2,  0,
                                        0x2C, 0x01, 4,    0,    0xFF, 0xFF, 49, 0};
    EXPECT_EQ(0, memcmp(b, expected, 16));
    EXPECT_EQ(r, ColumnRecord::decode(b));
}

TEST(ColumnRecordTest, ValidityRejectsOutOfRangeAndRepeatedBalls) {
    EXPECT_TRUE(isValidColumn(rec(0, {1, 2, 3, 4, 5, 49}).Ball));
    EXPECT_FALSE(isValidColumn(rec(0, {0, 2, 3, 4, 5, 6}).Ball));
    EXPECT_FALSE(isValidColumn(rec(0, {1, 2, 3, 4, 5, 50}).Ball));
    EXPECT_FALSE(isValidColumn(rec(0, {1, 2, 3, 4, 5, -1}).Ball));
    EXPECT_FALSE(isValidColumn(rec(0, {7, 2, 3, 4, 5, 7}).Ball));
    EXPECT_EQ(columnMask(rec(0, {1, 2, 3, 4, 5, 49}).Ball), 0x3EULL | (1ULL << 49));
}

TEST(ColumnFileTest, CountRoundsHalfToEven) {
    // 0.5 -> 0, 1.5 -> 2, 2.5 -> 2.
    const std::pair<int64_t, int32_t> cases[] = {{0, 0},  {7, 0},  {8, 0},  {9, 1},
                                                 {24, 2}, {40, 2}, {41, 3}, {32, 2}};
    for (const auto& [length, count] : cases)
        EXPECT_EQ(recordCountForLength(length), count) << length;
}

TEST(ColumnFileTest, TrailingPartialRecordReadsZeroFilled) {
    TempDataDir t;
    std::vector<unsigned char> bytes(16 + 10, 0);
    rec(5, {1, 2, 3, 4, 5, 6}).encode(bytes.data());
    bytes[16] = 9;      // Tag of record 2
    bytes[16 + 4] = 7;  // ball 1
    bytes[16 + 8] = 11; // ball 3
    t.writeBytes("VELMORIX.LST", bytes);
    ASSERT_EQ(recordCount(t.dir(), "VELMORIX.LST"), 2);
    EXPECT_EQ(readRecord(t.dir(), "VELMORIX.LST", 2), rec(9, {7, 0, 11, 0, 0, 0}));
    ColumnReader reader(t.dir(), "VELMORIX.LST");
    ColumnRecord r;
    ASSERT_TRUE(reader.next(r));
    ASSERT_TRUE(reader.next(r));
    EXPECT_EQ(r, rec(9, {7, 0, 11, 0, 0, 0}));
    EXPECT_FALSE(reader.next(r));
}

TEST(ColumnFileTest, WriteAppendAndReadByRecordNumber) {
    TempDataDir t;
    EXPECT_EQ(recordCount(t.dir(), "VELMORIX.RND"), 0);
    appendRecord(t.dir(), "VELMORIX.RND", rec(0, {1, 2, 3, 4, 5, 6}));
    appendRecord(t.dir(), "VELMORIX.RND", rec(0, {7, 8, 9, 10, 11, 12}));
    writeRecord(t.dir(), "VELMORIX.RND", 1, rec(653, {13, 14, 15, 16, 17, 18}));
    EXPECT_EQ(t.readRecords("VELMORIX.RND"),
              (std::vector<ColumnRecord>{rec(653, {13, 14, 15, 16, 17, 18}), rec(0, {7, 8, 9, 10, 11, 12})}));
    EXPECT_THROW(writeRecord(t.dir(), "VELMORIX.RND", 4, rec(0, {})), FileError);
    EXPECT_EQ(t.fileNames(), std::vector<std::string>{"VELMORIX.RND"});
}

TEST(ColumnFileTest, AppendListKeepsTagsAndOrder) {
    TempDataDir t;
    t.writeRecords("VELMORIX.LST", {rec(1, {1, 2, 3, 4, 5, 6}), rec(-1, {2, 3, 4, 5, 6, 7})});
    t.writeRecords("VELMORIX.OKL", {rec(653, {9, 10, 11, 12, 13, 14})});
    appendList(t.dir(), "VELMORIX.LST", "VELMORIX.OKL");
    EXPECT_EQ(t.readRecords("VELMORIX.OKL"),
              (std::vector<ColumnRecord>{rec(653, {9, 10, 11, 12, 13, 14}), rec(1, {1, 2, 3, 4, 5, 6}),
                                         rec(-1, {2, 3, 4, 5, 6, 7})}));
    appendList(t.dir(), "VELMORIX.LST", "VELMORIX.NEW");
    EXPECT_EQ(t.readRecords("VELMORIX.NEW").size(), 2u);
}

TEST(ColumnFileTest, DeleteRecordThroughStaleTemporary) {
    TempDataDir t;
    t.writeRecords("VELMORIX.RES",
                   {rec(1, {1, 2, 3, 4, 5, 6}), rec(2, {2, 3, 4, 5, 6, 7}), rec(3, {3, 4, 5, 6, 7, 8})});
    // An interrupted earlier run left a longer temporary behind.
    t.writeRecords("VELMORIX.YRS", std::vector<ColumnRecord>(5, rec(99, {9, 9, 9, 9, 9, 9})));
    deleteRecord(t.dir(), "VELMORIX.RES", 2, "VELMORIX.YRS");
    EXPECT_EQ(t.readRecords("VELMORIX.RES"),
              (std::vector<ColumnRecord>{rec(1, {1, 2, 3, 4, 5, 6}), rec(3, {3, 4, 5, 6, 7, 8})}));
    EXPECT_EQ(t.fileNames(), std::vector<std::string>{"VELMORIX.RES"});
}

TEST(ColumnFileTest, EliminationKeepsSurvivorsInOrderMarkedKeep) {
    TempDataDir t;
    t.writeRecords("VELMORIX.LST",
                   {rec(0, {1, 2, 3, 4, 5, 6}), rec(0, {2, 3, 4, 5, 6, 7}), rec(7, {3, 4, 5, 6, 7, 8})});
    const int kept = eliminate(t.dir(), "VELMORIX.LST", [](const ColumnRecord& r) { return r.Ball[0] != 2; });
    EXPECT_EQ(kept, 2);
    EXPECT_EQ(t.readRecords("VELMORIX.LST"),
              (std::vector<ColumnRecord>{rec(653, {1, 2, 3, 4, 5, 6}), rec(653, {3, 4, 5, 6, 7, 8})}));
    EXPECT_EQ(t.fileNames(), std::vector<std::string>{"VELMORIX.LST"});
}

// Each failing step of a rewrite leaves the original byte-identical and no
// temporary behind, and says in the player's words which step failed.
TEST(ColumnFileTest, FailingRewriteKeepsTheOriginalAndSaysWhatFailed) {
    const std::pair<FileStep, const char*> cases[] = {
        {FileStep::Create, "geçici dosya (VELMORIX.TMP) oluşturulamadı\r(disk dolu)"},
        {FileStep::Write, "geçici dosyaya (VELMORIX.TMP) yazılamadı\r(disk dolu)"},
        {FileStep::Sync, "geçici dosya (VELMORIX.TMP) diske yazılamadı\r(disk dolu)"},
        {FileStep::Rename, "yerine konamadı (VELMORIX.TMP)\r(disk dolu)"},
    };
    std::vector<ColumnRecord> many;
    for (int i = 0; i < 100000; ++i)
        many.push_back(rec(i, {1, 2, 3, 4, 5, 6}));
    for (const auto& [failing, text] : cases) {
        TempDataDir t;
        t.writeRecords("VELMORIX.LST", many);
        const auto before = t.readBytes("VELMORIX.LST");
        bool failed = false; // one step fails: a write once the first 600,000 bytes filled the device
        t.dir().setFaultHook([&failed, failing](FileStep step, const std::string&, int64_t offset) {
            const bool now = !failed && step == failing && (step != FileStep::Write || offset >= 600000);
            failed = failed || now;
            return now ? ENOSPC : 0;
        });
        try {
            eliminate(t.dir(), "VELMORIX.LST", [](const ColumnRecord& r) { return r.Tag % 2 == 0; });
            ADD_FAILURE() << "the rewrite should fail: " << text;
        } catch (const FileError& e) {
            EXPECT_EQ(e.fileName(), "VELMORIX.LST");
            EXPECT_EQ(e.userText(), std::string("'VELMORIX.LST' dosyası ile işlem yapılamadı !\r\r") + text);
        }
        EXPECT_EQ(t.readBytes("VELMORIX.LST"), before) << text;
        EXPECT_EQ(t.fileNames(), std::vector<std::string>{"VELMORIX.LST"}) << text;
    }
}

TEST(SafeFileTest, CopyReplacesTargetAndWholeFileRoundTrips) {
    TempDataDir t;
    writeWholeFile(t.dir(), "A.BIN", {1, 2, 3});
    writeWholeFile(t.dir(), "B.BIN", {9, 9, 9, 9, 9});
    copyFileSafe(t.dir(), "A.BIN", "B.BIN");
    EXPECT_EQ(t.readBytes("B.BIN"), (std::vector<unsigned char>{1, 2, 3}));
    EXPECT_TRUE(readWholeFile(t.dir(), "MISSING").empty());
    EXPECT_THROW(copyFileSafe(t.dir(), "MISSING", "B.BIN"), FileError);
    EXPECT_EQ(t.fileNames(), (std::vector<std::string>{"A.BIN", "B.BIN"}));
}
