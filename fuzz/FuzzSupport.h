#pragma once

#include "core/ColumnRecord.h"
#include "core/DataDir.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace velmorix::fuzz {

// One data folder for the whole fuzzing process, emptied before every input
// (in /dev/shm when there is one: a file per input on a disk is slow).
class ScratchDir {
public:
    static ScratchDir& get();

    const DataDir& dir() const { return m_dir; }
    // Removes every file left by the previous input.
    void clear();
    void put(const std::string& name, const std::vector<unsigned char>& bytes);
    std::vector<unsigned char> bytes(const std::string& name) const;
    std::vector<std::string> fileNames() const;

private:
    ScratchDir();
    DataDir m_dir;
};

// Stops the process with a readable reason when a property does not hold:
// libFuzzer keeps the input that did it.
void require(bool ok, const char* what);
void require(bool ok, const std::string& what);

// Fails on every line of a range check (see tests/support/StateRanges.h).
void requireNone(const std::vector<std::string>& problems, const char* context);

// Records as the files store them; the last one zero-filled when the bytes end
// inside it.
std::vector<ColumnRecord> decodeRecords(const unsigned char* data, std::size_t size);
std::vector<unsigned char> encodeRecords(const std::vector<ColumnRecord>& records);

} // namespace velmorix::fuzz
