#include "windows/common/Fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <gtest/gtest.h>

using namespace velmorix;

// The fonts come from the program's resources, not from the system.
TEST(FontsTest, BundledFontsLoadAndListsGetTheFixedFont) {
    EXPECT_EQ(registerBundledFonts(), 4);
    const QFont mono(QStringLiteral("DejaVu Sans Mono"));
    EXPECT_EQ(QFontInfo(mono).family(), QStringLiteral("DejaVu Sans Mono"));
    EXPECT_TRUE(QFontInfo(mono).fixedPitch());
}
