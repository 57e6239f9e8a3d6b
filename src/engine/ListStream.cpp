#include "ListStream.h"

#include "core/ColumnFile.h"

#include <cstring>

namespace velmorix {

namespace {
constexpr std::size_t BlockSize = std::size_t{1} << 20; // a multiple of the record size
}

ListReader::ListReader(const DataDir& dir, std::string name) : m_name(std::move(name)) {
    m_file = FileReader(dir, m_name);
    if (!m_file.isOpen())
        return;
    m_count = recordCountForLength(m_file.size());
    m_buffer.resize(BlockSize);
}

ListReader::~ListReader() = default;

void ListReader::fill() {
    m_pos = 0;
    m_end = m_file.read(m_buffer.data(), m_buffer.size());
}

const unsigned char* ListReader::next() {
    if (m_given >= m_count)
        return nullptr;
    ++m_given;
    if (m_end - m_pos < ColumnRecord::Size) {
        // Keep a part of a record at the end of the block, then read on.
        const std::size_t left = m_end - m_pos;
        std::memcpy(m_torn.data(), m_buffer.data() + m_pos, left);
        fill();
        const std::size_t more = std::min(ColumnRecord::Size - left, m_end);
        std::memcpy(m_torn.data() + left, m_buffer.data(), more);
        std::memset(m_torn.data() + left + more, 0, ColumnRecord::Size - left - more);
        m_pos = more;
        if (left == 0 && more == ColumnRecord::Size)
            return m_buffer.data() + (m_pos - ColumnRecord::Size);
        return m_torn.data();
    }
    const unsigned char* r = m_buffer.data() + m_pos;
    m_pos += ColumnRecord::Size;
    return r;
}

ListWriter::ListWriter(const DataDir& dir, std::string target, std::string tempName)
    : m_file(dir, std::move(target), std::move(tempName), true), m_block(std::size_t{1} << 16) {}

void ListWriter::writeRecords(const unsigned char* records, std::size_t bytes) {
    if (bytes == 0)
        return;
    m_count += static_cast<int32_t>(bytes / ColumnRecord::Size);
    if (m_used + bytes <= m_block.size()) {
        std::memcpy(m_block.data() + m_used, records, bytes);
        m_used += bytes;
        return;
    }
    // A large run goes straight to the file after what is buffered.
    flush();
    m_file.write(records, bytes);
}

void ListWriter::flush() {
    m_file.write(m_block.data(), m_used);
    m_used = 0;
}

void ListWriter::commit() {
    flush();
    m_file.commit();
}

} // namespace velmorix
