#include "ColumnFile.h"

#include "FileError.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace velmorix {

int32_t recordCountForLength(int64_t length) {
    if (length <= 0)
        return 0;
    int64_t q = length / 16;
    const int64_t rem = length % 16;
    if (rem > 8 || (rem == 8 && (q % 2) == 1))
        ++q;
    return static_cast<int32_t>(std::min<int64_t>(q, INT32_MAX));
}

int32_t recordCount(const DataDir& dir, const std::string& name) {
    return recordCountForLength(dir.fileSize(name));
}

ColumnRecord readRecord(const DataDir& dir, const std::string& name, int32_t n) {
    ColumnRecord rec;
    if (n < 1)
        return rec;
    FileReader f(dir, name);
    if (!f.isOpen())
        return rec;
    unsigned char b[ColumnRecord::Size] = {};
    f.readAt(b, sizeof b, static_cast<int64_t>(n - 1) * 16);
    return ColumnRecord::decode(b);
}

std::vector<ColumnRecord> readRecords(const DataDir& dir, const std::string& name, int32_t first,
                                      int32_t count) {
    std::vector<ColumnRecord> out;
    const int32_t total = recordCount(dir, name);
    if (first < 1)
        first = 1;
    if (count <= 0 || first > total)
        return out;
    const int32_t last = static_cast<int32_t>(std::min<int64_t>(int64_t{first} + count - 1, total));
    FileReader f(dir, name);
    if (!f.isOpen())
        return out;
    const auto n = static_cast<std::size_t>(last - first + 1);
    std::vector<unsigned char> buf(n * ColumnRecord::Size, 0);
    f.readAt(buf.data(), buf.size(), static_cast<int64_t>(first - 1) * 16); // the rest stays zero
    out.reserve(n);
    for (std::size_t i = 0; i < n; ++i)
        out.push_back(ColumnRecord::decode(buf.data() + i * ColumnRecord::Size));
    return out;
}

std::vector<ColumnRecord> readAllRecords(const DataDir& dir, const std::string& name) {
    return readRecords(dir, name, 1, recordCount(dir, name));
}

ColumnReader::ColumnReader(const DataDir& dir, std::string name) : m_name(std::move(name)) {
    m_file = FileReader(dir, m_name);
    if (m_file.isOpen()) {
        const int64_t size = m_file.size();
        m_count = recordCountForLength(size);
        m_fileBytesLeft = size;
    }
}

ColumnReader::~ColumnReader() = default;

void ColumnReader::fill() {
    // Keep the unread tail, then read a large block behind it.
    m_buffer.erase(m_buffer.begin(), m_buffer.begin() + static_cast<std::ptrdiff_t>(m_bufferPos));
    m_bufferPos = 0;
    // No more than the file still holds: most lists are small, and a
    // zero-filled megabyte per reader costs more than reading them.
    const std::size_t want =
        static_cast<std::size_t>(std::clamp<int64_t>(m_fileBytesLeft, ColumnRecord::Size, int64_t{1} << 20));
    const std::size_t old = m_buffer.size();
    m_buffer.resize(old + want);
    const std::size_t got = m_fileBytesLeft > 0 ? m_file.read(m_buffer.data() + old, want) : 0;
    m_fileBytesLeft -= static_cast<int64_t>(got);
    m_buffer.resize(old + got);
}

bool ColumnReader::next(ColumnRecord& rec) {
    if (m_position >= m_count)
        return false;
    if (m_buffer.size() - m_bufferPos < ColumnRecord::Size)
        fill();
    unsigned char b[ColumnRecord::Size] = {};
    const std::size_t avail = std::min(m_buffer.size() - m_bufferPos, ColumnRecord::Size);
    std::memcpy(b, m_buffer.data() + m_bufferPos, avail); // a partial last record reads zero-filled
    m_bufferPos += avail;
    rec = ColumnRecord::decode(b);
    ++m_position;
    return true;
}

void writeRecord(const DataDir& dir, const std::string& name, int32_t n, const ColumnRecord& rec) {
    const int32_t count = recordCount(dir, name);
    if (n < 1 || n > count + 1)
        throw FileError(name, "kayıt numarası geçersiz", 0);
    ColumnReader in(dir, name);
    ColumnWriter out(dir, name, defaultTempName(name));
    ColumnRecord r;
    for (int32_t i = 1; in.next(r); ++i)
        out.write(i == n ? rec : r);
    if (n == count + 1)
        out.write(rec);
    in.close();
    out.commit();
}

void appendRecord(const DataDir& dir, const std::string& name, const ColumnRecord& rec) {
    writeRecord(dir, name, recordCount(dir, name) + 1, rec);
}

void appendList(const DataDir& dir, const std::string& source, const std::string& destination) {
    ColumnWriter out(dir, destination, defaultTempName(destination));
    ColumnRecord r;
    {
        ColumnReader in(dir, destination);
        while (in.next(r))
            out.write(r);
    }
    ColumnReader src(dir, source);
    while (src.next(r))
        out.write(r);
    out.commit();
}

void writeAllRecords(const DataDir& dir, const std::string& name, const std::vector<ColumnRecord>& records,
                     const std::string& tempName) {
    ColumnWriter out(dir, name, tempName);
    for (const auto& r : records)
        out.write(r);
    out.commit();
}

void deleteRecord(const DataDir& dir, const std::string& name, int32_t k, const std::string& tempName) {
    int32_t i = 0;
    rewriteList(dir, name, tempName, [&](ColumnRecord&) { return ++i != k; });
}

int32_t rewriteList(const DataDir& dir, const std::string& name, const std::string& tempName,
                    const std::function<bool(ColumnRecord&)>& keep) {
    ColumnReader in(dir, name);
    ColumnWriter out(dir, name, tempName);
    ColumnRecord r;
    while (in.next(r))
        if (keep(r))
            out.write(r);
    in.close();
    out.commit();
    return out.count();
}

int32_t eliminate(const DataDir& dir, const std::string& name,
                  const std::function<bool(const ColumnRecord&)>& survives) {
    return rewriteList(dir, name, files::Temp, [&](ColumnRecord& r) {
        if (!survives(r))
            return false;
        r.Tag = KeepMark;
        return true;
    });
}

} // namespace velmorix
