// main() of the window tests: an offscreen QApplication with a fixed locale.
#include <QApplication>
#include <QLocale>
#include <QStandardPaths>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Test discovery runs this binary at build time, without CTest's environment.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    // Settings the windows remember go to a test folder, not the player's.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
