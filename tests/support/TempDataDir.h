#pragma once

#include "core/BallList.h"
#include "core/ColumnRecord.h"
#include "core/DataDir.h"

#include <filesystem>
#include <string>
#include <vector>

namespace velmorix::test {

// A fresh, empty data folder for one test; removed afterwards.
class TempDataDir {
public:
    TempDataDir();
    ~TempDataDir();
    TempDataDir(const TempDataDir&) = delete;
    TempDataDir& operator=(const TempDataDir&) = delete;

    DataDir& dir() { return m_dir; }
    const std::filesystem::path& path() const { return m_dir.root(); }

    void writeBytes(const std::string& name, const std::vector<unsigned char>& bytes);
    std::vector<unsigned char> readBytes(const std::string& name) const;
    void writeRecords(const std::string& name, const std::vector<ColumnRecord>& records);
    std::vector<ColumnRecord> readRecords(const std::string& name) const;
    void writeWords(const std::string& name, const std::vector<int16_t>& words);
    // The file's 16-bit little-endian words (a stray last byte is left out).
    std::vector<int16_t> readWords(const std::string& name) const;
    // Names of every file in the folder, sorted, but for the undo copy of the
    // combination list and its name (ListUndoTest looks at those).
    std::vector<std::string> fileNames() const;

private:
    DataDir m_dir;
};

ColumnRecord rec(int32_t tag, std::initializer_list<int> balls);

// The balls of a bag or banker list, in order.
template <int Capacity> std::vector<int> ballsOf(const BallList<Capacity>& list) {
    std::vector<int> v;
    for (int i = 1; i <= list.count(); ++i)
        v.push_back(list[i]);
    return v;
}

// The 16-bit words of VELMORIX.DAT: the bag's count and balls in 50 words,
// then the bankers' count and balls when they are given.
std::vector<int16_t> ballsFileWords(const std::vector<int16_t>& bag);
std::vector<int16_t> ballsFileWords(const std::vector<int16_t>& bag, const std::vector<int16_t>& bankers);
// `count` balls: first, first + step, ...
std::vector<int16_t> ballRun(int first, int step, int count);

} // namespace velmorix::test
