#pragma once

#include "support/WindowHarness.h"

#include <memory>
#include <string>

namespace velmorix::test {

// Everything a list window needs, on a fresh data folder.
struct ListWindowTestContext : WindowEnv {
    ListWindowTestContext() : WindowEnv(11) {}
};

// One list window of type W over its list file, made afresh for each test.
template <class W> class ListWindowTest : public ::testing::Test {
protected:
    explicit ListWindowTest(std::string file) : m_file(std::move(file)) {}

    // Writes the list and shows it as on activation; the dialogs start empty.
    void open(std::vector<ColumnRecord> records) {
        list = std::move(records);
        t.data.writeRecords(m_file, list);
        w->onActivated();
        t.dialogs.clear();
    }
    std::vector<ColumnRecord> stored() const { return t.data.readRecords(m_file); }

    ListWindowTestContext t;
    std::unique_ptr<W> w = std::make_unique<W>(t.context);
    std::vector<ColumnRecord> list;

private:
    std::string m_file;
};

} // namespace velmorix::test
