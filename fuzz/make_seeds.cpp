// Writes the seed corpora of the fuzz targets: typical and damaged files made
// with the program's own writers, laid out the way each target reads its input
// (file bytes from the front, numbers from the back, as FuzzedDataProvider does).
//
//   make_seeds OUTPUT-FOLDER
#include "analysis/GroupingConfig.h"
#include "core/ColumnRecord.h"
#include "core/FilterSelection.h"
#include "core/Random.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace velmorix;
using Bytes = std::vector<unsigned char>;

namespace {

// Builds one input for FuzzedDataProvider: bytes and strings are taken from the
// front, integral values from the back (the last byte first).
class Seed {
public:
    Seed& bytes(const Bytes& b) {
        m_front.insert(m_front.end(), b.begin(), b.end());
        return *this;
    }
    // A string for ConsumeRandomLengthString: a backslash and another byte end it.
    Seed& text(const std::string& s) {
        for (char c : s) {
            m_front.push_back(static_cast<unsigned char>(c));
            if (c == '\\')
                m_front.push_back('\\');
        }
        m_front.push_back('\\');
        m_front.push_back('n');
        return *this;
    }
    template <typename T> Seed& inRange(T value, T min, T max) {
        const uint64_t range = static_cast<uint64_t>(max) - static_cast<uint64_t>(min);
        const uint64_t result = static_cast<uint64_t>(value) - static_cast<uint64_t>(min);
        int n = 0;
        for (std::size_t offset = 0; offset < sizeof(T) * CHAR_BIT && (range >> offset) > 0;
             offset += CHAR_BIT)
            ++n;
        for (int i = n - 1; i >= 0; --i) // most significant first: it is read first
            m_back.push_back(static_cast<unsigned char>((result >> (8 * i)) & 0xFF));
        return *this;
    }
    template <typename T> Seed& integral(T value) {
        return inRange<T>(value, std::numeric_limits<T>::min(), std::numeric_limits<T>::max());
    }
    Seed& boolean(bool b) { return inRange<uint8_t>(b ? 1 : 0, 0, 255); }
    Bytes build() const {
        Bytes out = m_front;
        out.insert(out.end(), m_back.rbegin(), m_back.rend());
        return out;
    }

private:
    Bytes m_front;
    Bytes m_back;
};

Bytes encode(const std::vector<ColumnRecord>& records) {
    Bytes b(records.size() * ColumnRecord::Size);
    for (std::size_t i = 0; i < records.size(); ++i)
        records[i].encode(b.data() + i * ColumnRecord::Size);
    return b;
}

Bytes words(const std::vector<int16_t>& values) {
    Bytes b;
    for (int16_t v : values) {
        b.push_back(static_cast<unsigned char>(static_cast<uint16_t>(v) & 0xFF));
        b.push_back(static_cast<unsigned char>(static_cast<uint16_t>(v) >> 8));
    }
    return b;
}

ColumnRecord rec(int32_t tag, std::array<int16_t, 6> balls) {
    ColumnRecord r;
    r.Tag = tag;
    r.Ball = balls;
    return r;
}

// Draws as the results file keeps them: six distinct balls ascending, a date code.
std::vector<ColumnRecord> draws(int count, uint64_t seed) {
    StdRandom random(seed);
    std::vector<ColumnRecord> out;
    for (int i = 0; i < count; ++i) {
        std::vector<int16_t> pool;
        for (int16_t b = 1; b <= 49; ++b)
            pool.push_back(b);
        ColumnRecord r;
        for (auto& b : r.Ball) {
            const auto k = static_cast<std::size_t>(random.next() * static_cast<double>(pool.size()));
            b = pool[std::min(k, pool.size() - 1)];
            pool.erase(pool.begin() + static_cast<std::ptrdiff_t>(std::min(k, pool.size() - 1)));
        }
        std::sort(r.Ball.begin(), r.Ball.end());
        r.Tag = 2005000 + (i % 12 + 1) * 50 + (i % 28 + 1);
        out.push_back(r);
    }
    return out;
}

// The records every reader must survive.
std::vector<ColumnRecord> damaged() {
    return {rec(653, {1, 2, 3, 4, 5, 6}),           rec(0, {0, 2, 3, 4, 5, 6}),
            rec(-1, {1, 2, 3, 4, 5, 50}),           rec(INT32_MIN, {-1, 7, 8, 9, 10, 11}),
            rec(INT32_MAX, {32767, 1, 2, 3, 4, 5}), rec(2005360, {7, 7, 7, 7, 7, 7}),
            rec(12, {49, 40, 31, 22, 13, 4}),       rec(2009631, {-32768, 0, 0, 0, 0, 0}),
            rec(2003051, {5, 5, 6, 7, 8, 9}),       rec(653, {10, 20, 30, 40, 45, 49})};
}

Bytes cut(Bytes b, std::size_t size) {
    b.resize(size, 0);
    return b;
}

class Corpus {
public:
    explicit Corpus(std::filesystem::path root) : m_root(std::move(root)) {}
    void add(const std::string& target, const std::string& name, const Bytes& bytes) {
        const auto dir = m_root / target;
        std::filesystem::create_directories(dir);
        std::ofstream f(dir / name, std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

private:
    std::filesystem::path m_root;
};

std::vector<std::pair<std::string, Bytes>> listFiles() {
    const Bytes valid = encode(draws(30, 1));
    const Bytes bad = encode(damaged());
    return {{"empty", {}},
            {"valid", valid},
            {"damaged", bad},
            {"length15", cut(valid, 15)},
            {"length17", cut(valid, 17)},
            {"length24", cut(valid, 24)},
            {"length40", cut(bad, 40)},
            {"length105", cut(bad, 105)}};
}

void columnList(Corpus& c) {
    for (const auto& [name, file] : listFiles()) {
        const int32_t count = static_cast<int32_t>(file.size() / 16);
        c.add("column_list", name,
              Seed()
                  .inRange<std::size_t>(file.size(), 0, 16 * 300)
                  .bytes(file)
                  .integral<int32_t>(2)
                  .integral<int32_t>(5)
                  .integral<int32_t>(count)
                  .integral<int32_t>(count + 3)
                  .inRange<int>(4, 0, 6)
                  .inRange<int>(3, 0, 3)
                  .inRange<int32_t>(1, 1, std::max(count, 1))
                  .inRange<int32_t>(std::max(count, 1), 1, std::max(count, 1))
                  .integral<int32_t>(0)
                  .boolean(false)
                  .inRange<int32_t>(1, 1, std::max(count, 1))
                  .integral<uint64_t>(0x5555555555555555ULL)
                  .build());
    }
}

void columnAnalyses(Corpus& c) {
    for (const auto& [name, file] : listFiles())
        c.add("column_analyses", name,
              Seed()
                  .inRange<std::size_t>(file.size(), 0, 16 * 80)
                  .bytes(file)
                  .inRange<int64_t>(3, 1, 49)
                  .inRange<int64_t>(12, 1, 49)
                  .inRange<int64_t>(19, 1, 49)
                  .inRange<int64_t>(27, 1, 49)
                  .inRange<int64_t>(33, 1, 49)
                  .inRange<int64_t>(41, 1, 49)
                  .inRange<int>(3, 1, 6)
                  .inRange<int>(3, 2, 6)
                  .integral<uint64_t>(0x00000000000F0F00ULL)
                  .inRange<int>(1, 0, 3)
                  .inRange<int>(2, 0, 2)
                  .integral<int16_t>(60)
                  .integral<int16_t>(200)
                  .integral<int16_t>(1)
                  .integral<int16_t>(0)
                  .integral<int16_t>(1)
                  .integral<int16_t>(3)
                  .build());
}

void ballsFile(Corpus& c) {
    std::vector<int16_t> bag(50, 0);
    bag[0] = 10;
    for (int i = 1; i <= 10; ++i)
        bag[static_cast<std::size_t>(i)] = static_cast<int16_t>(3 * i);
    std::vector<int16_t> withBankers = bag;
    withBankers.insert(withBankers.end(), {2, 7, 12});
    std::vector<int16_t> repeated = withBankers;
    repeated[2] = repeated[1];
    std::vector<int16_t> stale = withBankers;
    stale.insert(stale.end(), {40, 41, 42});
    const std::vector<std::pair<std::string, Bytes>> files = {{"bag100", words(bag)},
                                                              {"bankers", words(withBankers)},
                                                              {"repeated", words(repeated)},
                                                              {"stale", words(stale)},
                                                              {"short", cut(words(bag), 3)},
                                                              {"odd", cut(words(withBankers), 103)},
                                                              {"zero", words({0})},
                                                              {"fifty", words(std::vector<int16_t>(50, 50))},
                                                              {"negative", words({-1, 5, 6})},
                                                              {"banker6",
                                                               [&] {
                                                                   auto w = bag;
                                                                   w.insert(w.end(), {6, 1, 2, 3, 4, 5, 6});
                                                                   return words(w);
                                                               }()},
                                                              {"banker32767", [&] {
                                                                   auto w = bag;
                                                                   w.insert(w.end(), {1, 32767});
                                                                   return words(w);
                                                               }()}};
    for (const auto& [name, file] : files)
        for (bool main : {false, true})
            c.add("balls_file", name + (main ? "-main" : "-window"),
                  Seed()
                      .integral<uint64_t>(uint64_t{1} << 7)
                      .integral<uint64_t>(0x0002AAAAAAAAAAA8ULL)
                      .boolean(main)
                      .boolean(name.size() % 2 == 0)
                      .bytes(file)
                      .build());
}

Bytes selectionBytes(const FilterSelection& s) {
    const auto r = s.toRecords();
    return words(std::vector<int16_t>(r.begin(), r.end()));
}

void selectionFile(Corpus& c) {
    FilterSelection all = FilterSelection::startup();
    all.RepeatBanLevel = 4;
    all.MathRelLevel = 2;
    all.ForbiddenPairsOn = -1;
    for (int i = 0; i < 13; ++i)
        all.otherFlag(i) = -1;
    all.SextetLimit = 2;
    all.PlayedLimit = 1;
    all.ResultLimit = 3;
    all.DecadeFilterOn = -1;
    all.SumRule = {-1, 100, 200, 0};
    all.DecadeHitOn = -1;
    FilterSelection::Records wild{};
    for (std::size_t i = 0; i < wild.size(); ++i)
        wild[i] = static_cast<int16_t>(i % 3 == 0 ? 32767 : i % 3 == 1 ? -32768 : 7);
    const Bytes wildBytes = words(std::vector<int16_t>(wild.begin(), wild.end()));
    const std::vector<std::pair<std::string, Bytes>> files = {
        {"startup", selectionBytes(FilterSelection::startup())},
        {"all", selectionBytes(all)},
        {"wild", wildBytes},
        {"short", cut(selectionBytes(all), 169)},
        {"long", cut(selectionBytes(all), 171)},
        {"empty", {}}};
    for (const auto& [name, file] : files) {
        Seed seed;
        seed.boolean(file.size() == 170);
        if (file.size() != 170)
            seed.inRange<std::size_t>(file.size(), 0, 400);
        seed.bytes(file);
        for (int16_t v : FilterSelection::startup().toRecords())
            seed.integral<int16_t>(v);
        for (int i = 0; i < 16; ++i)
            seed.integral<uint64_t>(0x0000312619120701ULL + static_cast<uint64_t>(i) * 0x0000010101010101ULL);
        c.add("selection_file", name, seed.build());
    }
}

void pairsFile(Corpus& c) {
    std::vector<int16_t> some = {1 * 50 + 2, 7 * 50 + 23, 23 * 50 + 7, 48 * 50 + 49};
    std::vector<int16_t> every;
    for (int a = 1; a <= 48; ++a)
        for (int b = a + 1; b <= 49; ++b)
            every.push_back(static_cast<int16_t>(a * 50 + b));
    std::vector<int16_t> tooMany = every;
    tooMany.push_back(102);
    const std::vector<std::pair<std::string, Bytes>> files = {
        {"some", words(some)},
        {"all1176", words(every)},
        {"over1177", words(tooMany)},
        {"outofrange", words({0, 49, 50, 100, 2450, 2499, 2500, -1, -50, 32767, -32768, 51})},
        {"odd", cut(words(some), 7)},
        {"one", cut(words(some), 1)},
        {"empty", {}}};
    const Bytes played = encode(draws(12, 2));
    for (const auto& [name, file] : files)
        c.add("pairs_file", name,
              Seed()
                  .inRange<int16_t>(2, 1, 4)
                  .boolean(true)
                  .bytes(Bytes(2 * 1225, 1))
                  .inRange<std::size_t>(played.size(), 0, 16 * 40)
                  .bytes(played)
                  .bytes(file)
                  .inRange<int32_t>(2, 1, 5)
                  .inRange<int32_t>(2, 1, 5)
                  .build());
}

void groupingFile(Corpus& c) {
    GroupingConfig g;
    for (int b = 1; b <= 49; ++b)
        g.GroupOf[static_cast<std::size_t>(b)] = static_cast<int16_t>(b % 4 + 1);
    g.GroupMin = {1, 1, 1, 1, 0, 0, 0, 0, 0, 0};
    g.GroupMax = {2, 2, 2, 2, 0, 0, 0, 0, 0, 0};
    GroupingConfig few;
    for (int b = 1; b <= 8; ++b)
        few.GroupOf[static_cast<std::size_t>(b)] = static_cast<int16_t>(b % 2 + 1);
    few.GroupMin = {4, 9, 0, 0, 0, 0, 0, 0, 0, 0};
    few.GroupMax = {-3, 32767, 0, 0, 0, 0, 0, 0, 0, 0};
    Bytes wrongMagic = encodeGroupingConfig(g);
    wrongMagic[0] = 'X';
    Bytes badGroups = encodeGroupingConfig(g);
    badGroups[10 + 2 * 5] = 11;
    badGroups[10 + 2 * 6] = 0xFF;
    badGroups[10 + 2 * 6 + 1] = 0xFF;
    const Bytes list = encode(draws(20, 3));
    const std::vector<std::pair<std::string, Bytes>> files = {{"four", encodeGroupingConfig(g)},
                                                              {"few", encodeGroupingConfig(few)},
                                                              {"magic", wrongMagic},
                                                              {"groups", badGroups},
                                                              {"short", cut(encodeGroupingConfig(g), 149)}};
    for (const auto& [name, file] : files)
        c.add("grouping_file", name,
              Seed()
                  .integral<uint64_t>(7)
                  .inRange<std::size_t>(list.size(), 0, 16 * 40)
                  .bytes(list)
                  .boolean(file.size() == 150)
                  .bytes(file)
                  .boolean(true)
                  .build());
}

void entryText(Corpus& c) {
    const std::vector<std::array<std::string, 6>> cells = {{"1", "2", "3", "4", "5", "6"},
                                                           {"10", "7", "2005", "49", "48", "47"},
                                                           {"31", "2", "2009", "0", "50", "-1"},
                                                           {"2.5", "3.5", "1e2", "1d1", " 7", "7"},
                                                           {"32767", "40000", "1e999", "-1e999", "", "x"},
                                                           {"ğ", "İ", "١", "0.5", "+3", "-.5e1"}};
    const std::vector<std::string> texts = {"5,12,,49,60", "23-7",        "7-60-23", "1-2, 3-4",
                                            "1-1, 2-3",    "1,2,3,4,5,6", "49-49",   "ü,ş,5",
                                            "-3,4",        "1e3,4.5",     "12-,-13", "1-2,3-4,5-6,7-8"};
    int n = 0;
    for (const auto& text : texts) {
        const auto& six = cells[static_cast<std::size_t>(n) % cells.size()];
        Seed seed;
        seed.inRange<int32_t>(n % 2 ? 3622 : 64, 0, 40000).boolean(n % 2 == 0);
        for (const auto& cell : six)
            seed.text(cell);
        seed.bytes(Bytes(text.begin(), text.end()));
        c.add("entry_text", "text" + std::to_string(n++), seed.build());
    }
}

void runFiles(Corpus& c) {
    std::vector<int16_t> dat(50, 0);
    dat[0] = 10;
    for (int i = 1; i <= 10; ++i)
        dat[static_cast<std::size_t>(i)] = static_cast<int16_t>(4 * i + 1);
    dat.insert(dat.end(), {1, 2});
    FilterSelection s = FilterSelection::startup();
    s.RepeatBanLevel = 5;
    s.ForbiddenPairsOn = -1;
    s.ResultLimit = 2;
    s.PlayedLimit = 3;
    s.SextetLimit = 3;
    for (int i = 0; i < 13; ++i)
        s.otherFlag(i) = -1;
    const Bytes pairs = words({2 * 50 + 5, 9 * 50 + 13, 2 * 50 + 2, 3000});
    const Bytes results = encode(draws(30, 4));
    Bytes played = encode(draws(8, 5));
    const Bytes bad = encode(damaged());
    played.insert(played.end(), bad.begin(), bad.begin() + 40);
    const Bytes sextets = encode(draws(5, 6));
    const Bytes list = encode(draws(40, 7));
    const std::vector<std::pair<const char*, Bytes>> parts = {
        {"dat", words(dat)}, {"flt", selectionBytes(s)}, {"ys2", pairs}, {"res", results},
        {"okl", played},     {"ysk", sextets},           {"lst", list}};
    const std::size_t limits[] = {120, 200, 200, 16 * 40, 16 * 40, 16 * 40, 16 * 64};
    for (int variant = 0; variant < 4; ++variant) {
        Seed seed;
        seed.boolean(variant % 2 == 0).boolean(true);
        for (std::size_t i = 0; i < parts.size(); ++i) {
            const bool present = variant != 3 || i % 2 == 0;
            seed.boolean(present);
            if (!present)
                continue;
            Bytes file = variant == 2 && i >= 3 ? bad : parts[i].second;
            file.resize(std::min(file.size(), limits[i]));
            seed.inRange<std::size_t>(file.size(), 0, limits[i]).bytes(file);
        }
        for (int k = 0; k < 48; ++k)
            seed.inRange<int>(k % 49 + 1, 1, 49);
        c.add("run_files", "folder" + std::to_string(variant), seed.build());
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds OUTPUT-FOLDER\n");
        return 2;
    }
    Corpus c(argv[1]);
    columnList(c);
    columnAnalyses(c);
    ballsFile(c);
    selectionFile(c);
    pairsFile(c);
    groupingFile(c);
    entryText(c);
    runFiles(c);
    return 0;
}
