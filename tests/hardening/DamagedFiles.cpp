#include "DamagedFiles.h"

#include "analysis/GroupingConfig.h"
#include "core/FilterSelection.h"
#include "support/RandomColumns.h"
#include "support/TempDataDir.h"

#include <climits>

namespace velmorix::test {

namespace {

std::vector<unsigned char> cut(std::vector<unsigned char> bytes, std::size_t size) {
    bytes.resize(size, 0);
    return bytes;
}

} // namespace

std::vector<ColumnRecord> goodColumns(int count, uint64_t seed) {
    Rng rng(seed);
    std::vector<ColumnRecord> out;
    for (int i = 0; i < count; ++i) {
        ColumnRecord r;
        r.Ball = randomColumn(rng);
        r.Tag = 2005000 + (i % 12 + 1) * 50 + (i % 28 + 1); // a date for results, harmless elsewhere
        out.push_back(r);
    }
    return out;
}

std::vector<ColumnRecord> damagedColumns() {
    return {rec(KeepMark, {0, 2, 3, 4, 5, 6}),       rec(KeepMark, {1, 2, 3, 4, 5, 50}),
            rec(0, {-1, 7, 8, 9, 10, 11}),           rec(0, {32767, 12, 13, 14, 15, 16}),
            rec(0, {-32768, 17, 18, 19, 20, 21}),    rec(KeepMark, {5, 5, 6, 7, 8, 9}),
            rec(KeepMark, {7, 7, 7, 7, 7, 7}),       rec(KeepMark, {49, 40, 31, 22, 13, 4}),
            rec(INT32_MIN, {1, 11, 21, 31, 41, 49}), rec(INT32_MAX, {2, 12, 22, 32, 42, 48}),
            rec(-1, {3, 13, 23, 33, 43, 47})};
}

std::vector<unsigned char> encodeRecords(const std::vector<ColumnRecord>& records) {
    std::vector<unsigned char> bytes(records.size() * ColumnRecord::Size);
    for (std::size_t i = 0; i < records.size(); ++i)
        records[i].encode(bytes.data() + i * ColumnRecord::Size);
    return bytes;
}

std::vector<unsigned char> words(const std::vector<int16_t>& values) {
    std::vector<unsigned char> bytes;
    for (int16_t v : values) {
        const auto u = static_cast<uint16_t>(v);
        bytes.push_back(static_cast<unsigned char>(u & 0xFF));
        bytes.push_back(static_cast<unsigned char>(u >> 8));
    }
    return bytes;
}

std::vector<DamagedFile> damagedLists() {
    std::vector<ColumnRecord> mixed = goodColumns(40, 7);
    const auto bad = damagedColumns();
    for (std::size_t i = 0; i < bad.size(); ++i)
        mixed.insert(mixed.begin() + static_cast<std::ptrdiff_t>(3 * i + 1), bad[i]);
    const auto mixedBytes = encodeRecords(mixed);
    return {{"mixed", mixedBytes},
            {"only_damaged", encodeRecords(bad)},
            {"torn_last_record", cut(mixedBytes, mixedBytes.size() - 3)}, // 13 of 16: counts, zero-filled
            {"half_record_odd", cut(mixedBytes, 16 * 51 + 8)},            // 51.5: rounds to 52
            {"half_record_even", cut(mixedBytes, 16 * 50 + 8)},           // 50.5: rounds to 50
            {"stray_bytes", cut(encodeRecords(goodColumns(30, 8)), 16 * 30 + 5)},
            {"seven_bytes", cut(mixedBytes, 7)},
            {"nine_bytes", cut(mixedBytes, 9)},
            {"empty", {}}};
}

std::vector<DamagedFile> damagedBallFiles() {
    const std::vector<int16_t> bag = ballsFileWords(ballRun(5, 5, 8));
    const auto with = [&](std::vector<int16_t> tail, std::vector<std::pair<int, int16_t>> patch = {}) {
        auto w = bag;
        w.insert(w.end(), tail.begin(), tail.end());
        for (const auto& [record, value] : patch)
            w[static_cast<std::size_t>(record - 1)] = value;
        return words(w);
    };
    return {{"bag-size-0", with({1, 3}, {{1, 0}})},
            {"bag-size-50", with({1, 3}, {{1, 50}})},
            {"bag-size-minus-1", with({1, 3}, {{1, -1}})},
            {"bag-size-32767", with({1, 3}, {{1, 32767}})},
            {"bag-ball-0", with({1, 3}, {{4, 0}})},
            {"bag-ball-50", with({1, 3}, {{3, 50}})},
            {"bag-ball-repeated", with({1, 3}, {{3, 5}, {4, 5}})},
            {"bag-unsorted", with({1, 3}, {{2, 40}, {9, 5}})},
            {"bankers-6", with({6, 1, 2, 3, 4, 6, 7})},
            {"bankers-minus-1", with({-1, 1})},
            {"bankers-32767", with({32767, 1})},
            {"banker-0", with({2, 0, 3})},
            {"banker-50", with({1, 50})},
            {"banker-repeated", with({2, 3, 3})},
            {"banker-in-bag", with({1, 10})},
            {"bankers-cut", cut(with({3, 1, 2, 3}), 105)},
            {"odd-length", cut(with({1, 3}), 103)},
            {"three-bytes", cut(with({}), 3)},
            {"one-byte", cut(with({}), 1)}};
}

std::vector<DamagedFile> damagedPairFiles() {
    std::vector<int16_t> every;
    for (int a = 1; a <= 48; ++a)
        for (int b = a + 1; b <= 49; ++b)
            every.push_back(static_cast<int16_t>(a * 50 + b));
    std::vector<int16_t> tooMany = every;
    tooMany.push_back(1 * 50 + 2);
    return {{"pairs-1176", words(every)},
            {"pairs-1177", words(tooMany)},
            {"out-of-range", words({0, 49, 50, 100, 2450, 2499, 2500, -1, -50, 32767, -32768, 3 * 50 + 9})},
            {"one-ball-pair", words({7 * 50 + 7, 8 * 50 + 9})},
            {"reversed-pair", words({23 * 50 + 7})},
            {"odd-length", cut(words({1 * 50 + 2, 3 * 50 + 4}), 3)},
            {"one-byte", cut(words({1 * 50 + 2}), 1)},
            {"empty", {}}};
}

std::vector<DamagedFile> damagedGroupingFiles() {
    GroupingConfig g;
    for (int b = 1; b <= 49; ++b)
        g.GroupOf[static_cast<std::size_t>(b)] = static_cast<int16_t>(b <= 12 ? b % 3 + 1 : 0);
    g.GroupMin = {1, 1, 1, 0, 0, 0, 0, 0, 0, 0};
    g.GroupMax = {2, 2, 2, 0, 0, 0, 0, 0, 0, 0};
    auto magic = encodeGroupingConfig(g);
    magic[0] = 'g';
    auto groups = encodeGroupingConfig(g);
    groups[10 + 2 * 1] = 11;   // ball 1 in group 11
    groups[10 + 2 * 2] = 0xFF; // ball 2 in group -1
    groups[10 + 2 * 2 + 1] = 0xFF;
    groups[10 + 2 * 0] = 3; // "ball 0" in group 3
    GroupingConfig wild = g;
    wild.GroupMin = {-32768, 32767, 7, 6, -1, 0, 0, 0, 0, 0};
    wild.GroupMax = {32767, -32768, 2, 9, -1, 0, 0, 0, 0, 0};
    return {{"wrong-magic", magic},
            {"bad-groups", groups},
            {"wild-limits", encodeGroupingConfig(wild)},
            {"149-bytes", cut(encodeGroupingConfig(g), 149)},
            {"151-bytes", cut(encodeGroupingConfig(g), 151)}};
}

std::vector<DamagedFile> damagedSelectionFiles() {
    FilterSelection::Records high{}, low{}, mixed{};
    for (std::size_t i = 0; i < high.size(); ++i) {
        high[i] = 32767;
        low[i] = -32768;
        mixed[i] = static_cast<int16_t>(i % 2 ? 7 : -3);
    }
    const auto bytes = [](const FilterSelection::Records& r) {
        return words(std::vector<int16_t>(r.begin(), r.end()));
    };
    const auto startup = FilterSelection::startup().toRecords();
    return {{"all-32767", bytes(high)},
            {"all-minus-32768", bytes(low)},
            {"mixed", bytes(mixed)},
            {"169-bytes", cut(bytes(startup), 169)},
            {"171-bytes", cut(bytes(startup), 171)},
            {"empty", {}}};
}

} // namespace velmorix::test
