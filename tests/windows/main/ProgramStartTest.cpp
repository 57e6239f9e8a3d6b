#include "support/WindowTests.h"

// The fonts come from the program's resources, not from the system.
TEST(ProgramStartTest, BundledFontsLoadAndListsGetTheFixedFont) {
    EXPECT_EQ(registerBundledFonts(), 4);
    const QFont mono(QStringLiteral("DejaVu Sans Mono"));
    EXPECT_EQ(QFontInfo(mono).family(), QStringLiteral("DejaVu Sans Mono"));
    EXPECT_TRUE(QFontInfo(mono).fixedPitch());
}

TEST(ProgramStartTest, QtsOwnTextsAreTurkish) {
    ASSERT_TRUE(installQtTranslations(*QCoreApplication::instance()));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("İptal"));
}

TEST(ProgramStartTest, DataFolderFromTheArgumentsIsCreatedAndEntered) {
    EXPECT_EQ(requestedDataFolder({}), QDir::currentPath());
    EXPECT_EQ(requestedDataFolder({QStringLiteral("--home")}),
              QDir::homePath() + QStringLiteral("/VELMORIX"));
    EXPECT_EQ(requestedDataFolder({QStringLiteral("/tmp/v")}), QStringLiteral("/tmp/v"));
    EXPECT_FALSE(requestedDataFolder({QStringLiteral("--hom")}));
    EXPECT_FALSE(requestedDataFolder({QStringLiteral("a"), QStringLiteral("b")}));

    // A missing folder is created and entered.
    const test::TempDataDir data;
    const QString root = QString::fromStdString(data.path().string());
    const QString before = QDir::currentPath();
    EXPECT_EQ(enterDataFolder(root + QStringLiteral("/a/VELMORIX")), QString());
    EXPECT_EQ(QDir::currentPath(), QDir(root + QStringLiteral("/a/VELMORIX")).canonicalPath());
    QDir::setCurrent(before);

    QFile file(root + QStringLiteral("/F"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    EXPECT_EQ(enterDataFolder(root + QStringLiteral("/F/V")),
              QStringLiteral("'") + root +
                  QStringLiteral("/F/V' veri klasörü oluşturulamadı !\r(bir klasör değil)"));
    EXPECT_EQ(QDir::currentPath(), before);
}
