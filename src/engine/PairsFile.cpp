#include "PairsFile.h"

#include "core/ColumnFile.h"
#include "core/SafeFile.h"

#include <vector>

namespace velmorix {

namespace {

int32_t halfEvenCount(int64_t length, int64_t recordSize) {
    int64_t q = length / recordSize;
    const int64_t twice = 2 * (length % recordSize);
    if (twice > recordSize || (twice == recordSize && (q % 2) == 1))
        ++q;
    return q > INT32_MAX ? INT32_MAX : static_cast<int32_t>(q);
}

// The records of the file; with `withinLimit` only a file of 1..1176 records
// is read (empty otherwise). Bytes past the end of a trailing half record read
// as zero.
std::vector<int16_t> readPairRecords(const DataDir& dir, bool withinLimit) {
    const int32_t count = pairRecordCount(dir);
    if (count < 1 || (withinLimit && count > MaxPairRecords))
        return {};
    std::vector<unsigned char> bytes = readWholeFile(dir, files::Pairs);
    bytes.resize(static_cast<std::size_t>(count) * 2, 0);
    std::vector<int16_t> values(static_cast<std::size_t>(count));
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = static_cast<int16_t>(static_cast<uint16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8)));
    return values;
}

// a = Int(value / 50), b = value - 50a; only pairs of two balls 1..49 count.
bool decodePair(int16_t value, int& a, int& b) {
    a = value >= 0 ? value / 50 : -((-value + 49) / 50);
    b = value - 50 * a;
    return a >= 1 && a <= 49 && b >= 1 && b <= 49;
}

} // namespace

int32_t pairRecordCount(const DataDir& dir) {
    const int64_t size = dir.fileSize(files::Pairs);
    return size < 0 ? -1 : halfEvenCount(size, 2);
}

namespace {

// Both orientations of every decodable record; the number of records that
// pair two different balls.
int32_t markPairs(const std::vector<int16_t>& values, PairTable& pairs) {
    int32_t decoded = 0;
    for (int16_t v : values) {
        int a = 0, b = 0;
        if (decodePair(v, a, b)) {
            pairs(a, b) = 1;
            pairs(b, a) = 1;
            decoded += a != b ? 1 : 0;
        }
    }
    return decoded;
}

} // namespace

bool loadRunPairs(const DataDir& dir, PairTable& pairs) {
    pairs.clear();
    const std::vector<int16_t> values = readPairRecords(dir, true);
    markPairs(values, pairs);
    return !values.empty();
}

bool loadEveryPair(const DataDir& dir, PairTable& pairs) {
    pairs.clear();
    return pairRecordCount(dir) < 1 || markPairs(readPairRecords(dir, false), pairs) > 0;
}

void countPairs(PairTable& counts, const std::array<int16_t, 6>& balls) {
    if (!isValidColumn(balls))
        return;
    for (std::size_t i = 0; i < 6; ++i)
        for (std::size_t j = i + 1; j < 6; ++j) {
            ++counts(balls[i], balls[j]);
            ++counts(balls[j], balls[i]);
        }
}

int32_t writePairsFromCounts(const DataDir& dir, PairTable& counts, int16_t minCount, bool addToExisting) {
    if (addToExisting) {
        for (int16_t v : readPairRecords(dir, true)) {
            int a = 0, b = 0;
            if (decodePair(v, a, b)) {
                counts(a, b) = minCount;
                counts(b, a) = minCount;
            }
        }
    }
    std::vector<unsigned char> bytes;
    int32_t written = 0;
    for (int a = 1; a <= 48; ++a)
        for (int b = a + 1; b <= 49; ++b)
            if (counts(a, b) >= minCount) {
                const auto u = static_cast<uint16_t>(a * 50 + b);
                bytes.push_back(static_cast<unsigned char>(u & 0xFF));
                bytes.push_back(static_cast<unsigned char>(u >> 8));
                ++written;
            }
    writeWholeFile(dir, files::Pairs, bytes);
    return written;
}

} // namespace velmorix
