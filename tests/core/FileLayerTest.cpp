#include "support/ModuleTests.h"

#ifndef _WIN32
#include <iconv.h>
#endif

// Bytes that text-mode files change (0x1A ends reading, 0x0A gains a CR)
// and names outside ASCII must pass unchanged.
TEST(FileLayerTest, EveryByteAndTurkishNamesSurviveWriteAndRead) {
    TempDataDir t;
    std::vector<unsigned char> all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<unsigned char>(b));
    writeWholeFile(t.dir(), "SONUÇLAR ĞÜŞİÖ ığüşö.TXT", all);
    EXPECT_EQ(t.fileNames(), std::vector<std::string>{"SONUÇLAR ĞÜŞİÖ ığüşö.TXT"});
    EXPECT_EQ(readWholeFile(t.dir(), "SONUÇLAR ĞÜŞİÖ ığüşö.TXT"), all);
    EXPECT_EQ(t.dir().fileSize("SONUÇLAR ĞÜŞİÖ ığüşö.TXT"), 256);

    const std::vector<ColumnRecord> records{rec(26, {10, 13, 26, 1, 2, 3}),
                                            rec(0x0A1A0D, {26, 10, 26, 10, 26, 10})};
    writeAllRecords(t.dir(), "VELMORIX.LST", records, files::Temp);
    EXPECT_EQ(readAllRecords(t.dir(), "VELMORIX.LST"), records);
    EXPECT_EQ(readRecord(t.dir(), "VELMORIX.LST", 2), records[1]);
    deleteRecord(t.dir(), "VELMORIX.LST", 1, files::ListDelete);
    EXPECT_EQ(t.readRecords("VELMORIX.LST"), std::vector<ColumnRecord>{records[1]});
}

// A list streams whole blocks past the system's cache; pieces of any length
// and the unaligned end must still give every byte.
TEST(FileLayerTest, StreamedFileKeepsEveryByte) {
    TempDataDir t;
    std::vector<unsigned char> bytes((std::size_t{3} << 20) + 4096 + 37);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<unsigned char>(i * 7 + (i >> 12));
    SafeFileWriter w(t.dir(), "VELMORIX.LST", files::Temp, true);
    w.write(bytes.data(), 100);
    w.write(bytes.data() + 100, bytes.size() - 100);
    w.commit();
    EXPECT_EQ(readWholeFile(t.dir(), "VELMORIX.LST"), bytes);
}

// Other windows write the editor's file while it is open.
TEST(FileLayerTest, EditorViewReadsAgainOnlyWhenTheFileChanged) {
    TempDataDir t;
    EditorFile file(t.dir(), "VELMORIX.RES", files::Temp);
    file.open();
    EXPECT_TRUE(t.dir().exists("VELMORIX.RES"));
    EXPECT_FALSE(file.refresh());
    appendRecord(t.dir(), "VELMORIX.RES", rec(1, {1, 2, 3, 4, 5, 6}));
    EXPECT_TRUE(file.refresh());
    EXPECT_FALSE(file.refresh());
    EXPECT_EQ(file.append(rec(2, {7, 8, 9, 10, 11, 12})), 2);
    EXPECT_FALSE(file.refresh()); // its own change is already read
    writeAllRecords(t.dir(), "VELMORIX.RES", {rec(3, {2, 3, 4, 5, 6, 7}), rec(4, {1, 3, 4, 5, 6, 7})},
                    files::Temp); // the same length, another file
    EXPECT_TRUE(file.refresh());
    EXPECT_EQ(file.record(1), rec(3, {2, 3, 4, 5, 6, 7}));

    // A failed change throws its own error; the view is what the file still holds.
    t.writeRecords("VELMORIX.RES", {rec(5, {1, 2, 3, 4, 5, 6})});
    t.dir().setFaultHook(
        [](FileStep step, const std::string&, int64_t) { return step == FileStep::Rename ? EACCES : 0; });
    EXPECT_THROW(file.remove(1), FileError);
    EXPECT_EQ(file.records(), std::vector<ColumnRecord>{rec(5, {1, 2, 3, 4, 5, 6})});
}

// A data folder copied from another system may name files in other letter case.
TEST(FileLayerTest, NameInOtherLetterCaseIsFoundAndKeptExactNameWins) {
    TempDataDir t;
    t.writeBytes("velmorix.dat", {1, 2});
    t.writeBytes("Velmorix.Res", {3});
    EXPECT_TRUE(t.dir().exists("VELMORIX.DAT"));
    EXPECT_EQ(readWholeFile(t.dir(), "VELMORIX.DAT"), (std::vector<unsigned char>{1, 2}));
    writeWholeFile(t.dir(), "VELMORIX.RES", {4, 5, 6});
    copyFileSafe(t.dir(), "VELMORIX.DAT", "VELMORIX.OLD");
    t.dir().remove("VELMORIX.DAT");
    EXPECT_EQ(t.fileNames(), (std::vector<std::string>{"VELMORIX.OLD", "Velmorix.Res"}));
    EXPECT_EQ(t.readBytes("Velmorix.Res"), (std::vector<unsigned char>{4, 5, 6}));
#ifndef _WIN32
    t.writeBytes("VELMORIX.RES", {7});
    EXPECT_EQ(readWholeFile(t.dir(), "VELMORIX.RES"), std::vector<unsigned char>{7});
    EXPECT_EQ(readWholeFile(t.dir(), "velmorix.res"), std::vector<unsigned char>{7}); // two others: ambiguous
    t.writeBytes("velmorix.res", {8});
    EXPECT_EQ(readWholeFile(t.dir(), "velmorix.res"), std::vector<unsigned char>{8});
#endif
}

#ifndef _WIN32
namespace {
// The system's converter, the reference the built-in table must equal.
std::string convert(iconv_t cd, const char* bytes, std::size_t size, bool& ok) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::string src(bytes, size);
    char* in = src.data();
    char buf[16];
    char* out = buf;
    std::size_t outLeft = sizeof buf;
    ok = iconv(cd, &in, &size, &out, &outLeft) != static_cast<std::size_t>(-1);
    return std::string(buf, static_cast<std::size_t>(out - buf));
}
} // namespace

TEST(EncodingTest, TableEqualsTheSystemConverterForEveryCharacter) {
    const iconv_t toUtf8 = iconv_open("UTF-8", "WCHAR_T"), to1254 = iconv_open("WINDOWS-1254", "UTF-8");
    int mapped = 0;
    // Every character up to plane 2, the tag plane, and the last one.
    for (char32_t cp = 1; cp <= 0x10FFFF; ++cp) {
        if ((cp >= 0xD800 && cp <= 0xDFFF) || (cp > 0x2FFFF && cp < 0xE0000) ||
            (cp > 0xE01FF && cp < 0x10FFFF))
            continue;
        bool ok = false;
        const auto wide = static_cast<wchar_t>(cp);
        const std::string utf8 = convert(toUtf8, reinterpret_cast<const char*>(&wide), sizeof wide, ok);
        const std::string expected = convert(to1254, utf8.data(), utf8.size(), ok);
        ASSERT_EQ(toWindows1254(utf8), ok ? expected : std::string("?"))
            << "U+" << std::hex << static_cast<uint32_t>(cp);
        if (ok && !expected.empty()) { // the converter drops the invisible tag characters
            ++mapped;
            ASSERT_EQ(fromWindows1254(expected), utf8) << "U+" << std::hex << static_cast<uint32_t>(cp);
        }
    }
    // ASCII without NUL and the 121 characters of the upper half: the bytes
    // the table leaves out are the ones the system's converter has no character for.
    EXPECT_EQ(mapped, 127 + 121);
    // Broken text: one replacement per broken sequence, the rest unchanged.
    EXPECT_EQ(toWindows1254("a\xC3(\xE2\x82 \xC0\x80z\xED\xA0\x80\xF4\x90\x80\x80\xC4"), "a?(? ?z???");
    EXPECT_EQ(toWindows1254("\xEF\xBB\xBFx\xF8\x88\x80\x80\x80y\xFF\xFEz"), "?x?y??z");
    EXPECT_EQ(toWindows1254("Çarşı İĞÜ€ ≠"), "\xC7\x61r\xFE\xFD \xDD\xD0\xDC\x80 ?");
    EXPECT_EQ(fromWindows1254("\x81\xA3\xFE"), "?£ş");
    iconv_close(toUtf8);
    iconv_close(to1254);
}
#endif
