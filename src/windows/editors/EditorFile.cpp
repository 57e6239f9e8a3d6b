#include "EditorFile.h"

#include "core/ColumnFile.h"

namespace velmorix {

EditorFile::EditorFile(const DataDir& dir, std::string name, std::string deleteTempName)
    : m_dir(dir), m_name(std::move(name)), m_deleteTemp(std::move(deleteTempName)) {}

void EditorFile::open() {
    if (!m_dir.exists(m_name))
        writeAllRecords(m_dir, m_name, {}, defaultTempName(m_name));
    reload();
}

void EditorFile::reload() {
    // The stamp is taken first: a change that lands while reading shows up at the next look.
    m_stamp = currentStamp();
    m_records = readAllRecords(m_dir, m_name);
}

bool EditorFile::refresh() {
    if (currentStamp() == m_stamp)
        return false;
    reload();
    return true;
}

void EditorFile::write(int32_t k, const ColumnRecord& rec) {
    try {
        writeRecord(m_dir, m_name, k, rec);
    } catch (...) {
        reload();
        throw;
    }
    reload();
}

int32_t EditorFile::append(const ColumnRecord& rec) {
    try {
        appendRecord(m_dir, m_name, rec);
    } catch (...) {
        reload();
        throw;
    }
    reload();
    return count();
}

void EditorFile::remove(int32_t k) {
    try {
        deleteRecord(m_dir, m_name, k, m_deleteTemp);
    } catch (...) {
        reload();
        throw;
    }
    reload();
}

void EditorFile::clear() {
    try {
        writeAllRecords(m_dir, m_name, {}, defaultTempName(m_name));
    } catch (...) {
        reload();
        throw;
    }
    reload();
}

} // namespace velmorix
