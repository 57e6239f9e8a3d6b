#include "TempDataDir.h"

#include "core/ListUndo.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace velmorix::test {

TempDataDir::TempDataDir()
    : m_dir([] {
          int err = 0;
          std::filesystem::path folder = sysfile::makeTempFolder("velmorix-test", err);
          if (folder.empty())
              throw std::runtime_error("cannot create a temporary folder");
          return folder;
      }()) {}

TempDataDir::~TempDataDir() {
    std::error_code ec;
    std::filesystem::remove_all(m_dir.root(), ec);
}

void TempDataDir::writeBytes(const std::string& name, const std::vector<unsigned char>& bytes) {
    std::ofstream f(m_dir.path(name), std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<unsigned char> TempDataDir::readBytes(const std::string& name) const {
    std::ifstream f(m_dir.path(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void TempDataDir::writeRecords(const std::string& name, const std::vector<ColumnRecord>& records) {
    std::vector<unsigned char> bytes(records.size() * ColumnRecord::Size);
    for (std::size_t i = 0; i < records.size(); ++i)
        records[i].encode(bytes.data() + i * ColumnRecord::Size);
    writeBytes(name, bytes);
}

std::vector<ColumnRecord> TempDataDir::readRecords(const std::string& name) const {
    const auto bytes = readBytes(name);
    std::vector<ColumnRecord> out;
    for (std::size_t i = 0; i + ColumnRecord::Size <= bytes.size(); i += ColumnRecord::Size)
        out.push_back(ColumnRecord::decode(bytes.data() + i));
    return out;
}

void TempDataDir::writeWords(const std::string& name, const std::vector<int16_t>& words) {
    std::vector<unsigned char> bytes;
    for (int16_t w : words) {
        const auto u = static_cast<uint16_t>(w);
        bytes.push_back(static_cast<unsigned char>(u & 0xFF));
        bytes.push_back(static_cast<unsigned char>(u >> 8));
    }
    writeBytes(name, bytes);
}

std::vector<int16_t> TempDataDir::readWords(const std::string& name) const {
    const auto bytes = readBytes(name);
    std::vector<int16_t> w;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        w.push_back(static_cast<int16_t>(static_cast<uint16_t>(bytes[i] | (bytes[i + 1] << 8))));
    return w;
}

std::vector<std::string> TempDataDir::fileNames() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(m_dir.root())) {
        std::string name = sysfile::toUtf8(e.path().filename());
        if (name != files::UndoList && name != files::UndoName)
            names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    return names;
}

ColumnRecord rec(int32_t tag, std::initializer_list<int> balls) {
    ColumnRecord r;
    r.Tag = tag;
    std::size_t i = 0;
    for (int b : balls)
        if (i < 6)
            r.Ball[i++] = static_cast<int16_t>(b);
    return r;
}

std::vector<int16_t> ballsFileWords(const std::vector<int16_t>& bag) {
    std::vector<int16_t> w(50, 0);
    w[0] = static_cast<int16_t>(bag.size());
    std::copy(bag.begin(), bag.end(), w.begin() + 1);
    return w;
}

std::vector<int16_t> ballsFileWords(const std::vector<int16_t>& bag, const std::vector<int16_t>& bankers) {
    std::vector<int16_t> w = ballsFileWords(bag);
    w.push_back(static_cast<int16_t>(bankers.size()));
    w.insert(w.end(), bankers.begin(), bankers.end());
    return w;
}

std::vector<int16_t> ballRun(int first, int step, int count) {
    std::vector<int16_t> v;
    for (int i = 0; i < count; ++i)
        v.push_back(static_cast<int16_t>(first + i * step));
    return v;
}

} // namespace velmorix::test
