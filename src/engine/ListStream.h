#pragma once

#include "core/ColumnRecord.h"
#include "core/DataDir.h"
#include "core/SafeFile.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace velmorix {

// Sequential reading of a column list for the filter passes, which read lists
// of millions of records several times: whole blocks are read at once and a
// record is handed out as its 16 stored bytes. The record count follows the
// column files' rule (length / 16, halves to even; a torn last record reads
// zero-filled). A missing file has no records. Throws FileError.
class ListReader {
public:
    ListReader(const DataDir& dir, std::string name);
    ~ListReader();
    ListReader(const ListReader&) = delete;
    ListReader& operator=(const ListReader&) = delete;

    int32_t count() const { return m_count; }
    // The next record's bytes, or nullptr after the last one.
    const unsigned char* next();
    // Lets go of the file before it is replaced (Windows refuses to replace an open file).
    void close() { m_file.close(); }

    static int32_t tag(const unsigned char* record) {
        return static_cast<int32_t>(static_cast<uint32_t>(record[0]) | static_cast<uint32_t>(record[1]) << 8 |
                                    static_cast<uint32_t>(record[2]) << 16 |
                                    static_cast<uint32_t>(record[3]) << 24);
    }
    static std::array<int16_t, 6> balls(const unsigned char* record) {
        std::array<int16_t, 6> b{};
        for (std::size_t i = 0; i < 6; ++i)
            b[i] = static_cast<int16_t>(static_cast<uint16_t>(record[4 + 2 * i] | record[5 + 2 * i] << 8));
        return b;
    }

private:
    void fill();

    std::string m_name;
    FileReader m_file;
    int32_t m_count = 0;
    int32_t m_given = 0;
    std::vector<unsigned char> m_buffer;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    std::array<unsigned char, ColumnRecord::Size> m_torn{};
};

// Writes whole records into a SafeFileWriter through a block buffer.
class ListWriter {
public:
    ListWriter(const DataDir& dir, std::string target, std::string tempName);

    void write(const unsigned char* record) {
        if (m_used + ColumnRecord::Size > m_block.size())
            flush();
        for (std::size_t i = 0; i < ColumnRecord::Size; ++i)
            m_block[m_used + i] = record[i];
        m_used += ColumnRecord::Size;
        ++m_count;
    }
    void write(int32_t tag, const std::array<int, 6>& balls) {
        unsigned char bytes[ColumnRecord::Size];
        encode(bytes, tag, balls.data());
        write(bytes);
    }
    // The stored bytes of a record: the Tag, then six balls, little-endian.
    static void encode(unsigned char* out, int32_t tag, const int* balls) {
        const auto ball = [balls](std::size_t i) { return uint64_t{static_cast<uint16_t>(balls[i])}; };
        if constexpr (std::endian::native == std::endian::little) {
            // Two stores: a build writes millions of records.
            const uint64_t first = uint64_t{static_cast<uint32_t>(tag)} | ball(0) << 32 | ball(1) << 48;
            const uint64_t second = ball(2) | ball(3) << 16 | ball(4) << 32 | ball(5) << 48;
            std::memcpy(out, &first, 8);
            std::memcpy(out + 8, &second, 8);
        } else {
            const auto t = static_cast<uint32_t>(tag);
            for (std::size_t i = 0; i < 4; ++i)
                out[i] = static_cast<unsigned char>(t >> (8 * i));
            for (std::size_t i = 0; i < 6; ++i) {
                out[4 + 2 * i] = static_cast<unsigned char>(ball(i) & 0xFF);
                out[5 + 2 * i] = static_cast<unsigned char>(ball(i) >> 8);
            }
        }
    }
    // Whole records, `bytes` a multiple of the record size.
    void writeRecords(const unsigned char* records, std::size_t bytes);
    int32_t count() const { return m_count; }
    void commit();

private:
    void flush();

    SafeFileWriter m_file;
    std::vector<unsigned char> m_block;
    std::size_t m_used = 0;
    int32_t m_count = 0;
};

} // namespace velmorix
