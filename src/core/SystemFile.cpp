#include "SystemFile.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <random>
#include <system_error>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h> // first: the other Windows headers need its types

#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <shellapi.h>
#include <sys/stat.h>
#else
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace velmorix::sysfile {

std::filesystem::path fromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

std::string toUtf8(const std::filesystem::path& path) {
    const std::u8string s = path.u8string();
    return std::string(reinterpret_cast<const char*>(s.data()), s.size());
}

void removeFolder(const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        close();
        m_fd = other.m_fd;
        m_direct = other.m_direct;
        other.m_fd = -1;
    }
    return *this;
}

File::~File() {
    close();
}

#ifdef _WIN32

namespace {

// Windows reasons as the errno values FileError words.
int errnoOf(DWORD code) {
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_NETWORK_ACCESS_DENIED:
        return EACCES;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
        return EBUSY;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return EEXIST;
    case ERROR_TOO_MANY_OPEN_FILES:
        return EMFILE;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return ENOMEM;
    case ERROR_INVALID_NAME:
        return EINVAL;
    case ERROR_FILENAME_EXCED_RANGE:
        return ENAMETOOLONG;
    default:
        return EIO;
    }
}

int lastError() {
    return errnoOf(GetLastError());
}

// The C runtime keeps the Windows reason beside its own coarser errno.
int crtError() {
    const unsigned long code = _doserrno;
    return code != 0 ? errnoOf(code) : errno;
}

void clearCrtError() {
    _doserrno = 0;
    errno = 0;
}

HANDLE osHandle(int fd) {
    return reinterpret_cast<HANDLE>(_get_osfhandle(fd));
}

constexpr unsigned MaxChunk = 1u << 30;

unsigned chunkOf(std::size_t size) {
    return size < MaxChunk ? static_cast<unsigned>(size) : MaxChunk;
}

// Another program holding a file open (a virus scanner, the search indexer)
// makes a replace or remove fail for a moment; a second later it goes through.
bool busy(DWORD code) {
    return code == ERROR_ACCESS_DENIED || code == ERROR_SHARING_VIOLATION || code == ERROR_LOCK_VIOLATION;
}

template <typename Step> int withRetries(Step step) {
    for (int attempt = 0;; ++attempt) {
        if (step())
            return 0;
        const DWORD code = GetLastError();
        if (!busy(code) || attempt == 40)
            return errnoOf(code);
        Sleep(25);
    }
}

int64_t fromFileTime(const FILETIME& t) {
    return static_cast<int64_t>((uint64_t{t.dwHighDateTime} << 32) | t.dwLowDateTime);
}

} // namespace

int File::open(const std::filesystem::path& path, Mode mode) {
    close();
    const int flags =
        _O_BINARY | _O_NOINHERIT | (mode == Mode::Read ? _O_RDONLY : _O_WRONLY | _O_CREAT | _O_TRUNC);
    clearCrtError();
    if (_wsopen_s(&m_fd, path.c_str(), flags, _SH_DENYNO, _S_IREAD | _S_IWRITE) != 0) {
        m_fd = -1;
        return crtError();
    }
    return 0;
}

int File::read(void* data, std::size_t size, std::size_t& done) {
    clearCrtError();
    const int n = _read(m_fd, data, chunkOf(size));
    if (n < 0) {
        done = 0;
        return crtError();
    }
    done = static_cast<std::size_t>(n);
    return 0;
}

int File::readAt(void* data, std::size_t size, int64_t offset, std::size_t& done) {
    done = 0;
    clearCrtError();
    if (_lseeki64(m_fd, offset, SEEK_SET) < 0)
        return crtError();
    while (done < size) {
        std::size_t n = 0;
        if (int err = read(static_cast<unsigned char*>(data) + done, size - done, n))
            return err;
        if (n == 0)
            break;
        done += n;
    }
    return 0;
}

int File::write(const void* data, std::size_t size, std::size_t& done) {
    clearCrtError();
    const int n = _write(m_fd, data, chunkOf(size));
    if (n < 0) {
        done = 0;
        return crtError();
    }
    done = static_cast<std::size_t>(n);
    return 0;
}

int File::size(int64_t& bytes) const {
    clearCrtError();
    bytes = _filelengthi64(m_fd);
    return bytes < 0 ? crtError() : 0;
}

int File::sync() {
    return FlushFileBuffers(osHandle(m_fd)) ? 0 : lastError();
}

int File::close() {
    if (m_fd < 0)
        return 0;
    const int fd = m_fd;
    m_fd = -1;
    clearCrtError();
    return _close(fd) == 0 ? 0 : crtError();
}

int replace(const std::filesystem::path& from, const std::filesystem::path& to) {
    return withRetries([&] {
        return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    });
}

int remove(const std::filesystem::path& path) {
    return withRetries([&] { return DeleteFileW(path.c_str()) != 0; });
}

int64_t regularFileSize(const std::filesystem::path& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return -1;
    return static_cast<int64_t>((uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow);
}

Stamp stampOf(const std::filesystem::path& path) {
    const HANDLE h = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return {};
    Stamp s;
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileInformationByHandle(h, &info) && (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        s.exists = true;
        s.volume = info.dwVolumeSerialNumber;
        s.id = (uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow;
        s.size = static_cast<int64_t>((uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow);
        s.modifiedNs = fromFileTime(info.ftLastWriteTime) * 100;
        FILE_BASIC_INFO basic{};
        if (GetFileInformationByHandleEx(h, FileBasicInfo, &basic, sizeof basic))
            s.changedNs = static_cast<int64_t>(basic.ChangeTime.QuadPart) * 100;
    }
    CloseHandle(h);
    return s;
}

std::filesystem::path makeTempFolder(std::string_view prefix, int& err) {
    std::error_code ec;
    const std::filesystem::path base = std::filesystem::temp_directory_path(ec);
    if (ec) {
        err = ENOENT;
        return {};
    }
    std::random_device device;
    std::mt19937_64 random((uint64_t{device()} << 32) ^ device() ^ GetTickCount64() ^ GetCurrentProcessId());
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[24];
        std::snprintf(suffix, sizeof suffix, "-%012llx",
                      static_cast<unsigned long long>(random() & 0xFFFFFFFFFFFFULL));
        const std::filesystem::path candidate = base / fromUtf8(std::string(prefix) + suffix);
        if (CreateDirectoryW(candidate.c_str(), nullptr))
            return candidate;
        if (GetLastError() != ERROR_ALREADY_EXISTS) {
            err = lastError();
            return {};
        }
    }
    err = EEXIST;
    return {};
}

std::tm localTime(std::time_t t) {
    std::tm tm{};
    localtime_s(&tm, &t);
    return tm;
}

std::vector<std::string> utf8Arguments(int argc, char** argv) {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr)
        return std::vector<std::string>(argv + 1, argv + argc);
    std::vector<std::string> out;
    for (int i = 1; i < count; ++i)
        out.push_back(toUtf8(std::filesystem::path(wide[i])));
    LocalFree(wide);
    return out;
}

void useBinaryStandardStreams() {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

bool standardErrorIsTerminal() {
    return _isatty(_fileno(stderr)) != 0;
}

#else

int File::open(const std::filesystem::path& path, Mode mode) {
    close();
    m_direct = false;
    if (mode == Mode::Read) {
        m_fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        return m_fd < 0 ? errno : 0;
    }
    constexpr int Flags = O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC;
#ifdef O_DIRECT
    if (mode == Mode::Stream) {
        m_fd = ::open(path.c_str(), Flags | O_DIRECT, 0644);
        m_direct = m_fd >= 0;
        if (m_fd >= 0 || errno != EINVAL) // EINVAL: the file system cannot stream
            return m_fd < 0 ? errno : 0;
    }
#endif
    m_fd = ::open(path.c_str(), Flags, 0644);
    return m_fd < 0 ? errno : 0;
}

void File::stopStreaming() {
#ifdef O_DIRECT
    const int flags = ::fcntl(m_fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(m_fd, F_SETFL, flags & ~O_DIRECT);
#endif
    m_direct = false;
}

namespace {
// One read or write, again when a signal interrupted it.
template <typename Call> int untilDone(Call call, std::size_t& done) {
    for (;;) {
        const ssize_t n = call();
        if (n >= 0) {
            done = static_cast<std::size_t>(n);
            return 0;
        }
        if (errno != EINTR) {
            done = 0;
            return errno;
        }
    }
}
} // namespace

int File::read(void* data, std::size_t size, std::size_t& done) {
    return untilDone([&] { return ::read(m_fd, data, size); }, done);
}

int File::readAt(void* data, std::size_t size, int64_t offset, std::size_t& done) {
    done = 0;
    while (done < size) {
        const ssize_t n = ::pread(m_fd, static_cast<unsigned char*>(data) + done, size - done,
                                  offset + static_cast<int64_t>(done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

int File::write(const void* data, std::size_t size, std::size_t& done) {
    if (m_direct) {
        if (reinterpret_cast<std::uintptr_t>(data) % StreamAlign == 0 && size % StreamAlign == 0) {
            const int err = untilDone([&] { return ::write(m_fd, data, size); }, done);
            if (err != EINVAL) // else a position or device that wants other blocks
                return err;
        }
        stopStreaming();
    }
    const int err = untilDone([&] { return ::write(m_fd, data, size); }, done);
#ifdef __linux__
    // Start the disk on every whole block as soon as it is written: the sync
    // before a rename then finds little left to do, where a list of hundreds
    // of MB would otherwise wait for all of it at the end. Only a hint.
    if (err == 0 && done > 0) {
        constexpr off_t Block = off_t{32} << 20;
        const off_t end = ::lseek(m_fd, 0, SEEK_CUR);
        if (end >= 0 && end / Block != (end - static_cast<off_t>(done)) / Block)
            ::sync_file_range(m_fd, (end / Block - 1) * Block, Block, SYNC_FILE_RANGE_WRITE);
    }
#endif
    return err;
}

int File::size(int64_t& bytes) const {
    struct stat st {};
    if (::fstat(m_fd, &st) != 0) {
        bytes = -1;
        return errno;
    }
    bytes = static_cast<int64_t>(st.st_size);
    return 0;
}

int File::sync() {
    return ::fdatasync(m_fd) == 0 ? 0 : errno;
}

int File::close() {
    if (m_fd < 0)
        return 0;
    const int fd = m_fd;
    m_fd = -1;
    return ::close(fd) == 0 ? 0 : errno;
}

int replace(const std::filesystem::path& from, const std::filesystem::path& to) {
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

int remove(const std::filesystem::path& path) {
    return ::unlink(path.c_str()) == 0 ? 0 : errno;
}

int64_t regularFileSize(const std::filesystem::path& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return -1;
    return static_cast<int64_t>(st.st_size);
}

Stamp stampOf(const std::filesystem::path& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return {};
    return {true,
            static_cast<uint64_t>(st.st_dev),
            static_cast<uint64_t>(st.st_ino),
            static_cast<int64_t>(st.st_size),
            static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
            static_cast<int64_t>(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec};
}

std::filesystem::path makeTempFolder(std::string_view prefix, int& err) {
    std::error_code ec;
    std::filesystem::path base = std::filesystem::temp_directory_path(ec);
    if (ec)
        base = "/tmp";
    std::string name = (base / (std::string(prefix) + "-XXXXXX")).string();
    if (::mkdtemp(name.data()) == nullptr) {
        err = errno;
        return {};
    }
    return name;
}

std::tm localTime(std::time_t t) {
    std::tm tm{};
    localtime_r(&t, &tm);
    return tm;
}

std::vector<std::string> utf8Arguments(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

void useBinaryStandardStreams() {}

bool standardErrorIsTerminal() {
    return ::isatty(STDERR_FILENO) == 1;
}

#endif

} // namespace velmorix::sysfile
