#pragma once

#include "ColumnRecord.h"
#include "DataDir.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velmorix {

// An editor's view of its list file. The file itself is never written in
// place: every change goes through the safe file layer at once and the view is
// read again afterwards. Other windows may append to, replace or delete the same
// file while the editor is open; refresh() notices that from the file's
// identity and length and reads it again.
class EditorFile {
public:
    EditorFile(const DataDir& dir, std::string name, std::string deleteTempName);

    const std::string& name() const { return m_name; }

    // Creates the file empty when it is missing, then reads it.
    void open();
    // Reads the file again when it changed since it was last read; true then.
    bool refresh();
    void reload();

    int32_t count() const { return static_cast<int32_t>(m_records.size()); }
    const std::vector<ColumnRecord>& records() const { return m_records; }
    // Record k, 1..count.
    const ColumnRecord& record(int32_t k) const { return m_records[static_cast<std::size_t>(k - 1)]; }

    // Writes over record k (1..count).
    void write(int32_t k, const ColumnRecord& rec);
    // Appends after whatever the file holds now; returns the new record's number.
    int32_t append(const ColumnRecord& rec);
    // Deletes record k through the file's own temporary.
    void remove(int32_t k);
    // Leaves the file empty.
    void clear();

private:
    using Stamp = sysfile::Stamp;
    Stamp currentStamp() const { return m_dir.stamp(m_name); }
    // Runs a change of the file, then reads the file again, also after a failure.
    template <class Change> void change(Change&& change);

    const DataDir& m_dir;
    std::string m_name;
    std::string m_deleteTemp;
    std::vector<ColumnRecord> m_records;
    Stamp m_stamp;
};

} // namespace velmorix
