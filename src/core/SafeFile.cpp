#include "SafeFile.h"

#include "FileError.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <new>

namespace velmorix {

namespace {
constexpr std::size_t BufferSize = 1 << 20; // a multiple of File::StreamAlign
constexpr std::align_val_t BufferAlign{sysfile::File::StreamAlign};
} // namespace

void SafeFileWriter::AlignedFree::operator()(unsigned char* p) const {
    ::operator delete(p, BufferAlign);
}

SafeFileWriter::SafeFileWriter(const DataDir& dir, std::string target, std::string tempName, bool streamed)
    : m_dir(dir), m_target(std::move(target)), m_temp(std::move(tempName)) {
    if (int err = m_dir.injectedFault(FileStep::Create, m_temp))
        throw FileError(m_target, "geçici dosya (" + m_temp + ") oluşturulamadı", err);
    if (int err = m_file.open(m_dir.path(m_temp),
                              streamed ? sysfile::File::Mode::Stream : sysfile::File::Mode::Replace))
        throw FileError(m_target, "geçici dosya (" + m_temp + ") oluşturulamadı", err);
    m_buffer.reset(static_cast<unsigned char*>(::operator new(BufferSize, BufferAlign)));
}

SafeFileWriter::~SafeFileWriter() {
    m_file.close();
    if (!m_done)
        sysfile::remove(m_dir.path(m_temp));
}

void SafeFileWriter::fail(const std::string& op, int err) {
    m_file.close();
    sysfile::remove(m_dir.path(m_temp));
    m_done = true;
    throw FileError(m_target, op, err);
}

void SafeFileWriter::write(const void* data, std::size_t size) {
    const auto* p = static_cast<const unsigned char*>(data);
    while (size > 0) {
        const std::size_t room = BufferSize - m_used;
        const std::size_t n = size < room ? size : room;
        std::memcpy(m_buffer.get() + m_used, p, n);
        m_used += n;
        p += n;
        size -= n;
        if (m_used == BufferSize)
            flushBuffer();
    }
}

void SafeFileWriter::flushBuffer() {
    std::size_t done = 0;
    while (done < m_used) {
        std::size_t chunk = m_used - done;
        const int64_t reach = m_written + static_cast<int64_t>(chunk);
        std::size_t n = 0;
        if (int err = m_dir.injectedFault(FileStep::Write, m_temp, reach)) {
            // A failing device writes part of the data first.
            chunk /= 2;
            if (chunk > 0 && m_file.write(m_buffer.get() + done, chunk, n) == 0)
                m_written += static_cast<int64_t>(n);
            fail("geçici dosyaya (" + m_temp + ") yazılamadı", err);
        }
        if (int err = m_file.write(m_buffer.get() + done, chunk, n))
            fail("geçici dosyaya (" + m_temp + ") yazılamadı", err);
        if (n == 0)
            fail("geçici dosyaya (" + m_temp + ") yazılamadı", ENOSPC);
        done += n;
        m_written += static_cast<int64_t>(n);
    }
    m_used = 0;
}

void SafeFileWriter::finish() {
    flushBuffer();
    if (int err = m_dir.injectedFault(FileStep::Sync, m_temp))
        fail("geçici dosya (" + m_temp + ") diske yazılamadı", err);
    if (int err = m_file.sync())
        fail("geçici dosya (" + m_temp + ") diske yazılamadı", err);
    if (int err = m_file.close()) {
        sysfile::remove(m_dir.path(m_temp));
        m_done = true;
        throw FileError(m_target, "geçici dosya (" + m_temp + ") kapatılamadı", err);
    }
}

void SafeFileWriter::commit() {
    finish();
    try {
        m_dir.rename(m_temp, m_target, m_target);
    } catch (...) {
        sysfile::remove(m_dir.path(m_temp));
        m_done = true;
        throw;
    }
    m_done = true;
}

void SafeFileWriter::commitAsTemporary() {
    finish();
    m_done = true;
}

std::string defaultTempName(const std::string& target) {
    return target + ".new";
}

void writeWholeFile(const DataDir& dir, const std::string& target, const std::vector<unsigned char>& bytes) {
    SafeFileWriter w(dir, target, defaultTempName(target));
    w.write(bytes.data(), bytes.size());
    w.commit();
}

FileReader::FileReader(const DataDir& dir, std::string name) : m_name(std::move(name)) {
    const int err = m_file.open(dir.path(m_name), sysfile::File::Mode::Read);
    if (err != 0 && err != ENOENT)
        throw FileError(m_name, "okunamadı", err);
}

int64_t FileReader::size() const {
    int64_t bytes = 0;
    if (int err = m_file.size(bytes))
        throw FileError(m_name, "okunamadı", err);
    return bytes;
}

std::size_t FileReader::read(void* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        std::size_t n = 0;
        if (int err = m_file.read(static_cast<unsigned char*>(data) + done, size - done, n))
            throw FileError(m_name, "okunamadı", err);
        if (n == 0)
            break;
        done += n;
    }
    return done;
}

std::size_t FileReader::readAt(void* data, std::size_t size, int64_t offset) {
    std::size_t done = 0;
    if (int err = m_file.readAt(data, size, offset, done))
        throw FileError(m_name, "okunamadı", err);
    return done;
}

std::vector<unsigned char> readWholeFile(const DataDir& dir, const std::string& name) {
    return readFileStart(dir, name, SIZE_MAX);
}

std::vector<unsigned char> readFileStart(const DataDir& dir, const std::string& name, std::size_t maxBytes) {
    std::vector<unsigned char> out;
    FileReader file(dir, name);
    if (!file.isOpen())
        return out;
    std::vector<unsigned char> buf(std::min<std::size_t>(BufferSize, maxBytes));
    while (out.size() < maxBytes) {
        const std::size_t want = std::min(buf.size(), maxBytes - out.size());
        const std::size_t n = file.read(buf.data(), want);
        out.insert(out.end(), buf.data(), buf.data() + n);
        if (n < want)
            break;
    }
    return out;
}

namespace {
// False when the source is missing and `missingOk`.
bool copyFile(const DataDir& from, const std::string& source, const DataDir& to, const std::string& target,
              bool missingOk) {
    FileReader file(from, source);
    if (!file.isOpen()) {
        if (missingOk)
            return false;
        throw FileError(source, "okunamadı", ENOENT);
    }
    SafeFileWriter w(to, target, defaultTempName(target));
    std::vector<unsigned char> buf(BufferSize);
    for (std::size_t n = buf.size(); n == buf.size();) {
        n = file.read(buf.data(), buf.size());
        w.write(buf.data(), n);
    }
    file.close(); // Windows refuses to replace a file that is still open
    w.commit();
    return true;
}
} // namespace

void copyFileSafe(const DataDir& dir, const std::string& source, const std::string& target) {
    copyFile(dir, source, dir, target, false);
}

bool copyFileInto(const DataDir& from, const std::string& name, const DataDir& to) {
    return copyFile(from, name, to, name, true);
}

} // namespace velmorix
