#include "support/ModuleTests.h"

TEST(NumbersTest, StrPutsBlankInSignPosition) {
    EXPECT_EQ(Str(12), " 12");
    EXPECT_EQ(Str(0), " 0");
    EXPECT_EQ(Str(-5), "-5");
    EXPECT_EQ(digits(12), "12");
}

TEST(NumbersTest, ValReadsLeadingNumber) {
    // Too small is zero, not "too large".
    const std::pair<const char*, double> cases[] = {
        {"  42abc", 42}, {"1 2", 12},   {"abc", 0},        {"", 0},       {"-7,5", -7},
        {"2.5", 2.5},    {"1e3", 1000}, {"+2.5e-1", 0.25}, {"1e-400", 0}, {"1e", 1}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(Val(text), value) << text;
    const std::pair<const char*, int64_t> whole[] = {{"2.5", 2}, {"3.5", 4}, {"-2.5", -2}};
    for (const auto& [text, value] : whole)
        EXPECT_EQ(ValWhole(text), value) << text;
    EXPECT_EQ(ValWhole("99999999999999999999"), std::numeric_limits<int64_t>::max());
    EXPECT_FALSE(toInt16(ValWhole("40000")));
    EXPECT_EQ(toInt16(ValWhole("-32768")), -32768);
}

TEST(NumbersTest, ValReadsTheSameUnderATurkishLocale) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no tr_TR.UTF-8 locale by that name";
#endif
    const test::ScopedLocale turkish("tr_TR.UTF-8");
    // Beyond a double: too large saturates, too small is zero.
    const std::pair<const char*, double> cases[] = {
        {"13.5", 13.5},   {"13,5", 13},
        {"+1.25e2", 125}, {"-1e999", -std::numeric_limits<double>::infinity()},
        {"1e-999", 0},    {"0.0000001e-320", 0}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(Val(text), value) << text;
    EXPECT_EQ(ValWhole("13.5"), 14);
    EXPECT_EQ(ValWhole("4.5"), 4);
    EXPECT_EQ(ValWhole("0.001e310"), std::numeric_limits<int64_t>::max());
}

TEST(FileErrorTest, ReasonIsTurkish) {
    EXPECT_EQ(FileError("A.DAT", "okunamadı", EISDIR).userText(),
              "'A.DAT' dosyası ile işlem yapılamadı !\r\rokunamadı\r(bir klasör)");
    EXPECT_EQ(FileError("A.DAT", "silinemedi", 0).userText(),
              "'A.DAT' dosyası ile işlem yapılamadı !\r\rsilinemedi");
    EXPECT_STREQ(FileError("A.DAT", "okunamadı", ENOENT).what(),
                 "'A.DAT' dosyası: okunamadı (dosya bulunamadı)");
    EXPECT_EQ(systemReason(EPERM), systemReason(EACCES));
#ifdef EDQUOT
    EXPECT_EQ(systemReason(EDQUOT), "disk dolu");
#endif
    EXPECT_EQ(systemReason(EROFS) + "/" + systemReason(EBUSY), "disk salt okunur/dosya kullanımda");
    EXPECT_EQ(systemReason(EIO), "sistem hatası " + std::to_string(EIO));
}

TEST(NumbersTest, FractionsAreCutWithoutTrailingZeros) {
    EXPECT_EQ(fractionText(75, 2, 3), " 37.5");
    EXPECT_EQ(fractionText(100, 2, 3), " 50");
    EXPECT_EQ(fractionText(2, 3, 3), " 0.666");
    EXPECT_EQ(fractionText(-1, 3, 2), "-0.33");
    EXPECT_EQ(fractionText(0, 3, 2), " 0");
}

TEST(NumbersTest, SinglesShowSevenSignificantDigitsInEveryLocale) {
    // A Turkish numeric locale must not turn the separator into a comma.
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "tr_TR.UTF-8");
    EXPECT_EQ(singleText(static_cast<float>(4229.0 / 28)), " 151.0357");
    EXPECT_EQ(singleText(static_cast<float>(302.0 / 3)), " 100.6667"); // the nearest, not cut
    EXPECT_EQ(singleText(100.5f), " 100.5");
    EXPECT_EQ(singleText(150.0f), " 150");
    EXPECT_EQ(singleText(-2.25f), "-2.25");
    std::setlocale(LC_NUMERIC, previous.c_str());
}

TEST(EncodingTest, TurkishLettersBecomeWindows1254Bytes) {
    EXPECT_EQ(toWindows1254("ğüşıöçĞÜŞİÖÇ"), "\xF0\xFC\xFE\xFD\xF6\xE7\xD0\xDC\xDE\xDD\xD6\xC7");
    EXPECT_EQ(toWindows1254("a€b"), "a\x80"
                                    "b");
    EXPECT_EQ(toWindows1254("x✓y"), "x?y");
    EXPECT_EQ(fromWindows1254("\xFD"), "ı");
}
