#pragma once

#include "ColumnRecord.h"
#include "DataDir.h"
#include "SafeFile.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace velmorix {

// Established file names.
namespace files {
inline constexpr const char* List = "VELMORIX.LST";
inline constexpr const char* Random = "VELMORIX.RND";
inline constexpr const char* Played = "VELMORIX.OKL";
inline constexpr const char* Sextets = "VELMORIX.YSK";
inline constexpr const char* Results = "VELMORIX.RES";
inline constexpr const char* Zero = "VELMORIX.ZMC";
inline constexpr const char* OldList = "VELMORIX.OLD";
inline constexpr const char* Temp = "VELMORIX.TMP";
inline constexpr const char* ListDelete = "VELMORIX.YLS";
inline constexpr const char* RandomDelete = "VELMORIX.YND";
inline constexpr const char* ResultsDelete = "VELMORIX.YRS";
inline constexpr const char* PlayedDelete = "VELMORIX.OLS";
inline constexpr const char* SextetsDelete = "VELMORIX.YYK";
inline constexpr const char* ZeroDelete = "VELMORIX.ZYK";
inline constexpr const char* ResultsCopy = "VELMORIX.RED";
inline constexpr const char* Balls = "VELMORIX.DAT";
inline constexpr const char* Selection = "VELMORIX.FLT";
inline constexpr const char* Pairs = "VELMORIX.YS2";
inline constexpr const char* Groups = "GRUPLAR.CFG";
inline constexpr const char* Text = "VELMORIX.TXT";
} // namespace files

// Records in a file of `length` bytes: length / 16, a remainder of exactly half
// a record going to the even neighbour.
int32_t recordCountForLength(int64_t length);
// Record count of a column list file; 0 when missing.
int32_t recordCount(const DataDir& dir, const std::string& name);

// Record n (from 1). Bytes past the end read as zero (a trailing partial record
// is zero-filled; a record past the end is all zero).
ColumnRecord readRecord(const DataDir& dir, const std::string& name, int32_t n);
// Records first .. first+count-1 (clamped to the record count; first < 1 reads from 1).
std::vector<ColumnRecord> readRecords(const DataDir& dir, const std::string& name, int32_t first,
                                      int32_t count);
std::vector<ColumnRecord> readAllRecords(const DataDir& dir, const std::string& name);

// Sequential buffered reader over the counted records of a file (missing = empty).
class ColumnReader {
public:
    ColumnReader(const DataDir& dir, std::string name);
    ~ColumnReader();
    ColumnReader(const ColumnReader&) = delete;
    ColumnReader& operator=(const ColumnReader&) = delete;

    int32_t count() const { return m_count; }
    // Reads the next record; false after the last one.
    bool next(ColumnRecord& rec);
    int32_t position() const { return m_position; } // records read so far
    // Lets go of the file before it is replaced (Windows refuses to replace an open file).
    void close() { m_file.close(); }

private:
    void fill();
    std::string m_name;
    FileReader m_file;
    int32_t m_count = 0;
    int32_t m_position = 0;
    int64_t m_fileBytesLeft = 0;
    std::vector<unsigned char> m_buffer;
    std::size_t m_bufferPos = 0;
};

// Writes records into a SafeFileWriter.
class ColumnWriter {
public:
    ColumnWriter(const DataDir& dir, std::string target, std::string tempName)
        : m_writer(dir, std::move(target), std::move(tempName)) {}
    void write(const ColumnRecord& rec) {
        unsigned char b[ColumnRecord::Size];
        rec.encode(b);
        m_writer.write(b, sizeof b);
        ++m_count;
    }
    int32_t count() const { return m_count; }
    void commit() { m_writer.commit(); }
    void commitAsTemporary() { m_writer.commitAsTemporary(); }

private:
    SafeFileWriter m_writer;
    int32_t m_count = 0;
};

// Writes record n (1 .. count+1) of a list; count+1 appends, a missing file is
// created. The file is replaced safely.
void writeRecord(const DataDir& dir, const std::string& name, int32_t n, const ColumnRecord& rec);
void appendRecord(const DataDir& dir, const std::string& name, const ColumnRecord& rec);
// Appends every record of `source` unchanged to `destination`.
void appendList(const DataDir& dir, const std::string& source, const std::string& destination);
// Replaces a whole list with `records`.
void writeAllRecords(const DataDir& dir, const std::string& name, const std::vector<ColumnRecord>& records,
                     const std::string& tempName);

// Deletes record k (1 .. count) through the file's own temporary.
void deleteRecord(const DataDir& dir, const std::string& name, int32_t k, const std::string& tempName);

// Elimination pass: keeps the records for which `survives` returns true, in
// their order, each with Tag = KeepMark, through VELMORIX.TMP. Returns the kept count.
int32_t eliminate(const DataDir& dir, const std::string& name,
                  const std::function<bool(const ColumnRecord&)>& survives);

// General rewrite: `keep` may change the record it is given; returns the kept count.
int32_t rewriteList(const DataDir& dir, const std::string& name, const std::string& tempName,
                    const std::function<bool(ColumnRecord&)>& keep);

} // namespace velmorix
