#include "FuzzSupport.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace velmorix::fuzz {

namespace {

// Under VELMORIX_FUZZ_SCRATCH when the script gives one (it removes it
// afterwards, even when a crash left a folder behind).
std::filesystem::path makeFolder() {
    const char* given = std::getenv("VELMORIX_FUZZ_SCRATCH");
    const std::filesystem::path base = given && *given ? std::filesystem::path(given)
                                       : std::filesystem::is_directory("/dev/shm")
                                           ? "/dev/shm"
                                           : std::filesystem::temp_directory_path();
    std::string templ = (base / "velmorix-fuzz-XXXXXX").string();
    if (!::mkdtemp(templ.data())) {
        std::perror("mkdtemp");
        std::abort();
    }
    return templ;
}

void removeFolder() {
    std::error_code ec;
    std::filesystem::remove_all(ScratchDir::get().dir().root(), ec);
}

} // namespace

ScratchDir::ScratchDir() : m_dir(makeFolder()) {}

ScratchDir& ScratchDir::get() {
    static ScratchDir* scratch = [] {
        auto* s = new ScratchDir;
        std::atexit(removeFolder);
        return s;
    }();
    return *scratch;
}

void ScratchDir::clear() {
    for (const auto& e : std::filesystem::directory_iterator(m_dir.root()))
        std::filesystem::remove_all(e.path());
}

void ScratchDir::put(const std::string& name, const std::vector<unsigned char>& bytes) {
    std::ofstream f(m_dir.path(name), std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<unsigned char> ScratchDir::bytes(const std::string& name) const {
    std::ifstream f(m_dir.path(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

std::vector<std::string> ScratchDir::fileNames() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(m_dir.root()))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void require(bool ok, const char* what) {
    if (ok)
        return;
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

void require(bool ok, const std::string& what) {
    require(ok, what.c_str());
}

void requireNone(const std::vector<std::string>& problems, const char* context) {
    for (const auto& p : problems)
        std::fprintf(stderr, "%s: %s\n", context, p.c_str());
    require(problems.empty(), context);
}

std::vector<ColumnRecord> decodeRecords(const unsigned char* data, std::size_t size) {
    std::vector<ColumnRecord> out;
    for (std::size_t at = 0; at < size; at += ColumnRecord::Size) {
        unsigned char b[ColumnRecord::Size] = {};
        std::copy(data + at, data + std::min(size, at + ColumnRecord::Size), b);
        out.push_back(ColumnRecord::decode(b));
    }
    return out;
}

std::vector<unsigned char> encodeRecords(const std::vector<ColumnRecord>& records) {
    std::vector<unsigned char> bytes(records.size() * ColumnRecord::Size);
    for (std::size_t i = 0; i < records.size(); ++i)
        records[i].encode(bytes.data() + i * ColumnRecord::Size);
    return bytes;
}

} // namespace velmorix::fuzz
