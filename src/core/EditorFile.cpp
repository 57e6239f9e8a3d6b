#include "EditorFile.h"

#include "ColumnFile.h"

namespace velmorix {

EditorFile::EditorFile(const DataDir& dir, std::string name, std::string deleteTempName)
    : m_dir(dir), m_name(std::move(name)), m_deleteTemp(std::move(deleteTempName)) {}

void EditorFile::open() {
    if (!m_dir.exists(m_name))
        writeAllRecords(m_dir, m_name, {}, defaultTempName(m_name));
    reload();
}

void EditorFile::reload() {
    // The stamp is taken first: a change that lands while reading shows up at
    // the next look. It is kept only once the records are read, so a failed
    // read is tried again.
    const Stamp stamp = currentStamp();
    m_records = readAllRecords(m_dir, m_name);
    m_stamp = stamp;
}

template <class Change> void EditorFile::change(Change&& change) {
    try {
        change();
    } catch (...) {
        // The change's own error is the one to report, even when reading the
        // file back fails as well.
        try {
            reload();
        } catch (...) {
        }
        throw;
    }
    reload();
}

bool EditorFile::refresh() {
    if (currentStamp() == m_stamp)
        return false;
    reload();
    return true;
}

void EditorFile::write(int32_t k, const ColumnRecord& rec) {
    change([&] { writeRecord(m_dir, m_name, k, rec); });
}

int32_t EditorFile::append(const ColumnRecord& rec) {
    change([&] { appendRecord(m_dir, m_name, rec); });
    return count();
}

void EditorFile::remove(int32_t k) {
    change([&] { deleteRecord(m_dir, m_name, k, m_deleteTemp); });
}

void EditorFile::clear() {
    change([&] { writeAllRecords(m_dir, m_name, {}, defaultTempName(m_name)); });
}

} // namespace velmorix
