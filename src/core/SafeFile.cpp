#include "SafeFile.h"

#include "FileError.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <unistd.h>

namespace velmorix {

namespace {
constexpr std::size_t BufferSize = 1 << 20;
}

SafeFileWriter::SafeFileWriter(const DataDir& dir, std::string target, std::string tempName)
    : m_dir(dir), m_target(std::move(target)), m_temp(std::move(tempName)) {
    if (int err = m_dir.injectedFault(FileStep::Create, m_temp))
        throw FileError(m_target, "geçici dosya (" + m_temp + ") oluşturulamadı", err);
    m_fd = ::open(m_dir.path(m_temp).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (m_fd < 0)
        throw FileError(m_target, "geçici dosya (" + m_temp + ") oluşturulamadı", errno);
    m_buffer.reserve(BufferSize);
}

SafeFileWriter::~SafeFileWriter() {
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_done)
        ::unlink(m_dir.path(m_temp).c_str());
}

void SafeFileWriter::fail(const std::string& op, int err) {
    ::close(m_fd);
    m_fd = -1;
    ::unlink(m_dir.path(m_temp).c_str());
    m_done = true;
    throw FileError(m_target, op, err);
}

void SafeFileWriter::write(const void* data, std::size_t size) {
    const auto* p = static_cast<const unsigned char*>(data);
    while (size > 0) {
        const std::size_t room = BufferSize - m_buffer.size();
        const std::size_t n = size < room ? size : room;
        m_buffer.insert(m_buffer.end(), p, p + n);
        p += n;
        size -= n;
        if (m_buffer.size() == BufferSize)
            flushBuffer();
    }
}

void SafeFileWriter::flushBuffer() {
    std::size_t done = 0;
    while (done < m_buffer.size()) {
        std::size_t chunk = m_buffer.size() - done;
        const int64_t reach = m_written + static_cast<int64_t>(chunk);
        if (int err = m_dir.injectedFault(FileStep::Write, m_temp, reach)) {
            // A failing device writes part of the data first.
            chunk /= 2;
            if (chunk > 0 && ::write(m_fd, m_buffer.data() + done, chunk) > 0)
                m_written += static_cast<int64_t>(chunk);
            fail("geçici dosyaya (" + m_temp + ") yazılamadı", err);
        }
        const ssize_t n = ::write(m_fd, m_buffer.data() + done, chunk);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail("geçici dosyaya (" + m_temp + ") yazılamadı", errno);
        }
        if (n == 0)
            fail("geçici dosyaya (" + m_temp + ") yazılamadı", ENOSPC);
        done += static_cast<std::size_t>(n);
        m_written += n;
    }
    m_buffer.clear();
}

void SafeFileWriter::finish() {
    flushBuffer();
    if (int err = m_dir.injectedFault(FileStep::Sync, m_temp))
        fail("geçici dosya (" + m_temp + ") diske yazılamadı", err);
    if (::fdatasync(m_fd) != 0)
        fail("geçici dosya (" + m_temp + ") diske yazılamadı", errno);
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(m_dir.path(m_temp).c_str());
        m_done = true;
        throw FileError(m_target, "geçici dosya (" + m_temp + ") kapatılamadı", err);
    }
}

void SafeFileWriter::commit() {
    finish();
    try {
        m_dir.rename(m_temp, m_target, m_target);
    } catch (...) {
        ::unlink(m_dir.path(m_temp).c_str());
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

std::vector<unsigned char> readWholeFile(const DataDir& dir, const std::string& name) {
    return readFileStart(dir, name, SIZE_MAX);
}

std::vector<unsigned char> readFileStart(const DataDir& dir, const std::string& name, std::size_t maxBytes) {
    std::vector<unsigned char> out;
    const int fd = ::open(dir.path(name).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return out;
        throw FileError(name, "okunamadı", errno);
    }
    unsigned char buf[65536];
    while (out.size() < maxBytes) {
        const ssize_t n = ::read(fd, buf, std::min(sizeof buf, maxBytes - out.size()));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int err = errno;
            ::close(fd);
            throw FileError(name, "okunamadı", err);
        }
        if (n == 0)
            break;
        out.insert(out.end(), buf, buf + n);
    }
    ::close(fd);
    return out;
}

void copyFileSafe(const DataDir& dir, const std::string& source, const std::string& target) {
    const int fd = ::open(dir.path(source).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw FileError(source, "okunamadı", errno);
    try {
        SafeFileWriter w(dir, target, defaultTempName(target));
        std::vector<unsigned char> buf(BufferSize);
        for (;;) {
            const ssize_t n = ::read(fd, buf.data(), buf.size());
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                throw FileError(source, "okunamadı", errno);
            }
            if (n == 0)
                break;
            w.write(buf.data(), static_cast<std::size_t>(n));
        }
        w.commit();
    } catch (...) {
        ::close(fd);
        throw;
    }
    ::close(fd);
}

} // namespace velmorix
