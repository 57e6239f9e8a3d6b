#pragma once

#include "DataDir.h"
#include "SystemFile.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace velmorix {

// Writes a whole new version of `target` into `tempName` and only on commit()
// renames it over the target. Until then the target is untouched; a writer
// destroyed without commit removes its temporary. The temporary always starts
// empty, whatever an interrupted earlier run left in it.
//
// Data files are never modified in place: every change goes through one of these.
class SafeFileWriter {
public:
    // `streamed` for a large file (a list): see sysfile::File::Mode::Stream.
    SafeFileWriter(const DataDir& dir, std::string target, std::string tempName, bool streamed = false);
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    void write(const void* data, std::size_t size);
    int64_t bytesWritten() const { return m_written + static_cast<int64_t>(m_used); }
    // Flushes, syncs and renames the temporary over the target.
    void commit();
    // Flushes and syncs but leaves the temporary in place under its own name.
    void commitAsTemporary();

    const std::string& target() const { return m_target; }
    const std::string& tempName() const { return m_temp; }

private:
    void flushBuffer();
    void finish();
    void fail(const std::string& op, int err);

    const DataDir& m_dir;
    std::string m_target;
    std::string m_temp;
    sysfile::File m_file;
    int64_t m_written = 0;
    // Aligned, so that whole buffers can be streamed.
    struct AlignedFree {
        void operator()(unsigned char* p) const;
    };
    std::unique_ptr<unsigned char, AlignedFree> m_buffer;
    std::size_t m_used = 0;
    bool m_done = false;
};

// A data file opened for reading by its name. A missing file is no error:
// nothing is open then. Every other failure throws FileError naming the file.
class FileReader {
public:
    FileReader() = default;
    FileReader(const DataDir& dir, std::string name);

    bool isOpen() const { return m_file.isOpen(); }
    int64_t size() const;
    // Reads until `size` bytes are in or the file ends; returns the bytes read.
    std::size_t read(void* data, std::size_t size);
    // Reads what the file holds of [offset, offset + size); returns the bytes read.
    std::size_t readAt(void* data, std::size_t size, int64_t offset);
    // Lets go of the file before it is replaced (Windows refuses to replace an open file).
    void close() { m_file.close(); }

private:
    std::string m_name;
    sysfile::File m_file;
};

// Default temporary for files that have no established temporary name.
std::string defaultTempName(const std::string& target);

// Replaces `target` with `bytes` safely (through `target` + ".new").
void writeWholeFile(const DataDir& dir, const std::string& target, const std::vector<unsigned char>& bytes);

// Whole content of a file; empty when missing. Throws FileError on a read error.
std::vector<unsigned char> readWholeFile(const DataDir& dir, const std::string& name);
// At most the first `maxBytes` bytes of a file; empty when missing.
std::vector<unsigned char> readFileStart(const DataDir& dir, const std::string& name, std::size_t maxBytes);

// Safe copy of `source` over `target` (the source must exist).
void copyFileSafe(const DataDir& dir, const std::string& source, const std::string& target);
// Copies `name` from one folder to another under the same name; false when the source is missing.
bool copyFileInto(const DataDir& from, const std::string& name, const DataDir& to);

} // namespace velmorix
