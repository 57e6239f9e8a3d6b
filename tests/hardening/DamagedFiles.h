#pragma once

#include "core/ColumnRecord.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace velmorix::test {

// Hand-made and damaged files as players make them: edited by hand, cut short,
// copied from another machine. Every reader must come through them.
struct DamagedFile {
    std::string name; // what is wrong with it
    std::vector<unsigned char> bytes;
};
inline void PrintTo(const DamagedFile& f, std::ostream* os) {
    *os << f.name;
}

// Valid columns, sorted, ball sums in range: the part of a list that is fine.
std::vector<ColumnRecord> goodColumns(int count, uint64_t seed);
// One record for every kind of damage a column record can have: balls 0, 50,
// -1, 32767 and -32768, a repeated ball, six equal balls, unsorted balls, Tag
// INT32_MIN and INT32_MAX.
std::vector<ColumnRecord> damagedColumns();
std::vector<unsigned char> encodeRecords(const std::vector<ColumnRecord>& records);

// Column list files: damaged records among good ones, lengths that are not a
// multiple of 16 (a torn last record, a half record, a few stray bytes), a file
// of only damaged records, an empty file.
std::vector<DamagedFile> damagedLists();

// VELMORIX.DAT: bag sizes 0, 50, -1 and 32767, bag balls 0, 50 and repeated,
// banker counts 6 and -1, banker balls 0, 50 and repeated, odd lengths.
std::vector<DamagedFile> damagedBallFiles();

// VELMORIX.YS2: 1177 records, out-of-range codes, a pair of one ball, odd lengths.
std::vector<DamagedFile> damagedPairFiles();

// GRUPLAR.CFG: a wrong magic, group numbers outside 0..10, wild limits, a wrong length.
std::vector<DamagedFile> damagedGroupingFiles();

// VELMORIX.FLT: wrong lengths, every value at its 16-bit extremes.
std::vector<DamagedFile> damagedSelectionFiles();

std::vector<unsigned char> words(const std::vector<int16_t>& values);

} // namespace velmorix::test
