#pragma once

#include <clocale>
#include <gtest/gtest.h>
#include <locale>
#include <string>

namespace velmorix::test {

// Puts the process (C functions and C++ streams) in a named locale for one
// test and back afterwards. The players' locale is tr_TR.UTF-8, which writes
// "13,5" and reads "13.5" as 13; scripts/setup-deps generates it.
class ScopedLocale {
public:
    explicit ScopedLocale(const char* name) : m_c(std::setlocale(LC_ALL, nullptr)), m_cpp(std::locale()) {
        m_ok = std::setlocale(LC_ALL, name) != nullptr;
        if (m_ok)
            std::locale::global(std::locale(name));
        EXPECT_TRUE(m_ok) << "locale " << name << " missing: run scripts/setup-deps";
    }
    ~ScopedLocale() {
        std::locale::global(m_cpp);
        std::setlocale(LC_ALL, m_c.c_str());
    }
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;
    bool ok() const { return m_ok; }

private:
    std::string m_c;
    std::locale m_cpp;
    bool m_ok = false;
};

} // namespace velmorix::test
