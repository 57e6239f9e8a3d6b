#include "support/EngineTests.h"

TEST(ListStreamTest, ReadsWhatTheColumnFilesReadAcrossBlocksAndTornEnds) {
    TempDataDir t;
    const std::size_t block = std::size_t{1} << 20;
    for (std::size_t size : {std::size_t{0}, std::size_t{5}, std::size_t{8}, std::size_t{9}, std::size_t{24},
                             std::size_t{40}, block, block + 12, 2 * block + 15, 2 * block + 16 * 3}) {
        std::vector<unsigned char> bytes(size);
        for (std::size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<unsigned char>((i * 7919 + i / 16) & 0xFF);
        t.writeBytes("VELMORIX.LST", bytes);
        const std::vector<ColumnRecord> expected = readAllRecords(t.dir(), "VELMORIX.LST");
        ListReader in(t.dir(), "VELMORIX.LST");
        ASSERT_EQ(in.count(), static_cast<int32_t>(expected.size())) << size;
        for (const ColumnRecord& r : expected) {
            const unsigned char* got = in.next();
            ASSERT_NE(got, nullptr);
            ASSERT_EQ(ListReader::tag(got), r.Tag) << size;
            ASSERT_EQ(ListReader::balls(got), r.Ball) << size;
        }
        EXPECT_EQ(in.next(), nullptr);
    }
    ListReader missing(t.dir(), "VELMORIX.OLD");
    EXPECT_EQ(missing.count(), 0);
    EXPECT_EQ(missing.next(), nullptr);
}

TEST(ListStreamTest, WriterCommitsWholeRecordsThroughItsTemporary) {
    TempDataDir t;
    {
        ListWriter out(t.dir(), "VELMORIX.LST", "VELMORIX.TMP");
        for (int i = 0; i < 10000; ++i)
            out.write(i % 2 ? KeepMark : -3, {1, 2, 3, 4, 5, 6 + i % 40});
        EXPECT_EQ(out.count(), 10000);
        out.commit();
    }
    const auto list = t.readRecords("VELMORIX.LST");
    ASSERT_EQ(list.size(), 10000u);
    EXPECT_EQ(list[9999], velmorix::test::rec(KeepMark, {1, 2, 3, 4, 5, 45}));
    EXPECT_EQ(list[0].Tag, -3);
    EXPECT_EQ(t.fileNames(), std::vector<std::string>{"VELMORIX.LST"});
    {
        ListWriter abandoned(t.dir(), "VELMORIX.LST", "VELMORIX.TMP");
        abandoned.write(1, {1, 2, 3, 4, 5, 6});
    }
    EXPECT_EQ(t.readRecords("VELMORIX.LST").size(), 10000u);
    EXPECT_EQ(t.fileNames(), std::vector<std::string>{"VELMORIX.LST"});
}
