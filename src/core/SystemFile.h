#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The only place that asks the operating system about files. POSIX calls on
// Linux, the Windows API on Windows; both report failures as errno values so
// that FileError words them the same way on either system. Names cross this
// border as UTF-8 and become the system's own path form here.
namespace velmorix::sysfile {

std::filesystem::path fromUtf8(std::string_view utf8);
std::string toUtf8(const std::filesystem::path& path);

// An open file in binary mode. Calls return the errno value of a failure (0 on
// success); byte counts come back through `done`.
class File {
public:
    // Replace: create or truncate, write only. Stream: the same, for a large
    // file written once from front to back in whole aligned blocks: where the
    // system allows, the blocks go to the disk without a copy in the system's
    // cache, which costs a list of hundreds of MB no processor time. A write
    // that is not aligned, or that the file system refuses so, goes the usual way.
    enum class Mode { Read, Replace, Stream };
    // The alignment of a streamed block's address and length.
    static constexpr std::size_t StreamAlign = 4096;
    File() = default;
    ~File();
    File(File&& other) noexcept : m_fd(other.m_fd), m_direct(other.m_direct) { other.m_fd = -1; }
    File& operator=(File&& other) noexcept;
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    int open(const std::filesystem::path& path, Mode mode);
    bool isOpen() const { return m_fd >= 0; }

    // One read of at most `size` bytes at the current position; done == 0 at the end.
    int read(void* data, std::size_t size, std::size_t& done);
    // Reads as much of [offset, offset + size) as the file holds.
    int readAt(void* data, std::size_t size, int64_t offset, std::size_t& done);
    // One write of at most `size` bytes.
    int write(const void* data, std::size_t size, std::size_t& done);
    int size(int64_t& bytes) const;
    // Puts the written data on the disk.
    int sync();
    int close();

private:
    void stopStreaming();

    int m_fd = -1;
    bool m_direct = false; // blocks bypass the system's cache
};

// Replaces `to` by `from` in one step (the old `to` stays whole until then).
// Windows refuses while another program holds either file open, as virus
// scanners and indexers briefly do, so it is tried again for a moment there.
int replace(const std::filesystem::path& from, const std::filesystem::path& to);
// Removes a file; ENOENT when it is missing.
int remove(const std::filesystem::path& path);
// Length of a regular file, or -1 when it is missing or not a regular file.
int64_t regularFileSize(const std::filesystem::path& path);

// What tells one version of a file from another: which file it is on which
// volume, its length, and its change times at the finest step the system keeps.
struct Stamp {
    bool exists = false;
    uint64_t volume = 0;
    uint64_t id = 0;
    int64_t size = 0;
    int64_t modifiedNs = 0;
    int64_t changedNs = 0;
    bool operator==(const Stamp&) const = default;
};
Stamp stampOf(const std::filesystem::path& path);

// A new empty folder under the system's temporary folder, named after `prefix`.
// Returns an empty path and sets `err` when none can be made.
std::filesystem::path makeTempFolder(std::string_view prefix, int& err);
// Removes a folder and everything in it, as far as it can.
void removeFolder(const std::filesystem::path& folder);

std::tm localTime(std::time_t t);

// The program's arguments as UTF-8 (Windows hands `argv` over in its ANSI code page).
std::vector<std::string> utf8Arguments(int argc, char** argv);
// Standard input and output carry bytes unchanged (Windows would turn LF into CR LF).
void useBinaryStandardStreams();
bool standardErrorIsTerminal();

} // namespace velmorix::sysfile
