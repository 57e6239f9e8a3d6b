// main() of the module tests: they run in the locale of their environment, C
// functions and C++ streams alike, so that a conversion that depends on the
// locale fails here the way it would in a Turkish player's program.
#include <clocale>
#include <gtest/gtest.h>
#include <locale>
#include <stdexcept>

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    try {
        std::locale::global(std::locale(""));
    } catch (const std::runtime_error&) {
        // A locale the system does not have: stay in the classic one.
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
