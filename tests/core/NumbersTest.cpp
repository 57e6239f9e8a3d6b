#include "core/Numbers.h"
#include "core/Encoding.h"

#include <clocale>
#include <gtest/gtest.h>
#include <string>

using namespace velmorix;

TEST(NumbersTest, StrPutsBlankInSignPosition) {
    EXPECT_EQ(Str(12), " 12");
    EXPECT_EQ(Str(0), " 0");
    EXPECT_EQ(Str(-5), "-5");
    EXPECT_EQ(digits(12), "12");
}

TEST(NumbersTest, ValReadsLeadingNumber) {
    EXPECT_EQ(Val("  42abc"), 42);
    EXPECT_EQ(Val("1 2"), 12);
    EXPECT_EQ(Val("abc"), 0);
    EXPECT_EQ(Val(""), 0);
    EXPECT_EQ(Val("-7,5"), -7);
    EXPECT_EQ(Val("2.5"), 2.5);
    EXPECT_EQ(Val("1e3"), 1000);
    EXPECT_EQ(Val("1e"), 1);
    EXPECT_EQ(ValWhole("2.5"), 2);
    EXPECT_EQ(ValWhole("3.5"), 4);
    EXPECT_EQ(ValWhole("-2.5"), -2);
    EXPECT_EQ(ValWhole("99999999999999999999"), std::numeric_limits<int64_t>::max());
    EXPECT_FALSE(toInt16(ValWhole("40000")));
    EXPECT_EQ(toInt16(ValWhole("-32768")), -32768);
}

TEST(NumbersTest, ValReadsAPointUnderTheTurkishLocale) {
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "tr_TR.UTF-8"))
        GTEST_SKIP() << "no tr_TR.UTF-8 locale";
    const double v = Val("4.6");
    const double e = Val("1.5e2");
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(v, 4.6);
    EXPECT_EQ(e, 150.0);
}

TEST(NumbersTest, FractionsAreCutWithoutTrailingZeros) {
    EXPECT_EQ(fractionText(75, 2, 3), " 37.5");
    EXPECT_EQ(fractionText(100, 2, 3), " 50");
    EXPECT_EQ(fractionText(2, 3, 3), " 0.666");
    EXPECT_EQ(fractionText(-1, 3, 2), "-0.33");
    EXPECT_EQ(fractionText(0, 3, 2), " 0");
}

TEST(EncodingTest, TurkishLettersBecomeWindows1254Bytes) {
    EXPECT_EQ(toWindows1254("ğüşıöçĞÜŞİÖÇ"), "\xF0\xFC\xFE\xFD\xF6\xE7\xD0\xDC\xDE\xDD\xD6\xC7");
    EXPECT_EQ(toWindows1254("a€b"), "a\x80"
                                    "b");
    EXPECT_EQ(toWindows1254("x✓y"), "x?y");
    EXPECT_EQ(fromWindows1254("\xFD"), "ı");
}
