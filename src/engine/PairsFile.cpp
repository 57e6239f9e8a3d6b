#include "PairsFile.h"

#include "core/ColumnFile.h"
#include "core/SafeFile.h"

#include "SortedColumn.h"

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

// The records of the file; with `withinLimit` only a file of 1..C(N, 2) records
// is read (empty otherwise). Bytes past the end of a trailing half record read
// as zero.
std::vector<int16_t> readPairRecords(const DataDir& dir, bool withinLimit, const Game& game) {
    const int32_t count = pairRecordCount(dir);
    if (count < 1 || (withinLimit && count > game.pairs()))
        return {};
    std::vector<unsigned char> bytes = readWholeFile(dir, files::Pairs);
    bytes.resize(static_cast<std::size_t>(count) * 2, 0);
    std::vector<int16_t> values(static_cast<std::size_t>(count));
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = static_cast<int16_t>(static_cast<uint16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8)));
    return values;
}

} // namespace

int32_t pairCode(int a, int b, const Game& game) {
    return a * (game.balls() + 1) + b;
}

bool decodePair(int16_t value, const Game& game, int& a, int& b) {
    const int base = game.balls() + 1;
    a = value >= 0 ? value / base : -((-value + base - 1) / base);
    b = value - base * a;
    return game.isBall(a) && game.isBall(b);
}

int32_t pairRecordCount(const DataDir& dir) {
    const int64_t size = dir.fileSize(files::Pairs);
    return size < 0 ? -1 : halfEvenCount(size, 2);
}

namespace {

// Both orientations of every decodable record; the number of records that
// pair two different balls.
int32_t markPairs(const std::vector<int16_t>& values, PairTable& pairs, const Game& game) {
    int32_t decoded = 0;
    for (int16_t v : values) {
        int a = 0, b = 0;
        if (decodePair(v, game, a, b)) {
            pairs(a, b) = 1;
            pairs(b, a) = 1;
            decoded += a != b ? 1 : 0;
        }
    }
    return decoded;
}

} // namespace

bool loadRunPairs(const DataDir& dir, PairTable& pairs, const Game& game) {
    pairs.clear();
    const std::vector<int16_t> values = readPairRecords(dir, true, game);
    markPairs(values, pairs, game);
    return !values.empty();
}

bool loadEveryPair(const DataDir& dir, PairTable& pairs, const Game& game) {
    pairs.clear();
    return pairRecordCount(dir) < 1 || markPairs(readPairRecords(dir, false, game), pairs, game) > 0;
}

void countPairs(PairTable& counts, const std::array<int16_t, 6>& balls, const Game& game) {
    if (!SortedColumn::from(balls, game.balls()))
        return;
    for (std::size_t i = 0; i < 6; ++i)
        for (std::size_t j = i + 1; j < 6; ++j) {
            ++counts(balls[i], balls[j]);
            ++counts(balls[j], balls[i]);
        }
}

int32_t writePairsFromCounts(const DataDir& dir, PairTable& counts, int16_t minCount, bool addToExisting,
                             const Game& game) {
    if (addToExisting) {
        for (int16_t v : readPairRecords(dir, true, game)) {
            int a = 0, b = 0;
            if (decodePair(v, game, a, b)) {
                counts(a, b) = minCount;
                counts(b, a) = minCount;
            }
        }
    }
    std::vector<unsigned char> bytes;
    int32_t written = 0;
    for (int a = 1; a < game.balls(); ++a)
        for (int b = a + 1; b <= game.balls(); ++b)
            if (counts(a, b) >= minCount) {
                const auto u = static_cast<uint16_t>(pairCode(a, b, game));
                bytes.push_back(static_cast<unsigned char>(u & 0xFF));
                bytes.push_back(static_cast<unsigned char>(u >> 8));
                ++written;
            }
    writeWholeFile(dir, files::Pairs, bytes);
    return written;
}

} // namespace velmorix
