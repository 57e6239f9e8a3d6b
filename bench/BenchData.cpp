#include "BenchData.h"

#include "engine/SelectionControls.h"

#include "core/ColumnFile.h"
#include "core/SafeFile.h"

#include <algorithm>
#include <random>
#include <set>

namespace velmorix::bench {

namespace {

std::array<int16_t, 6> randomColumn(std::mt19937_64& rng) {
    std::uniform_int_distribution<int> ball(1, 49);
    uint64_t mask = 0;
    while (__builtin_popcountll(mask) < 6)
        mask |= uint64_t{1} << ball(rng);
    std::array<int16_t, 6> b{};
    for (std::size_t i = 0; i < 6; ++i) {
        b[i] = static_cast<int16_t>(__builtin_ctzll(mask));
        mask &= mask - 1;
    }
    return b;
}

void writeColumns(const DataDir& dir, const char* name, int32_t count, int32_t tag, uint64_t seed) {
    std::mt19937_64 rng(seed);
    ColumnWriter out(dir, name, defaultTempName(name));
    ColumnRecord r;
    r.Tag = tag;
    for (int32_t i = 0; i < count; ++i) {
        r.Ball = randomColumn(rng);
        out.write(r);
    }
    out.commit();
}

} // namespace

void setBag(AppState& state, int n) {
    state.BagBalls.clear();
    state.BankoBalls.clear();
    for (int b = 1; b <= n; ++b)
        state.BagBalls.push(b);
}

FilterSelection relationsSelection() {
    FilterSelection s = FilterSelection::startup();
    SelectionControls c;
    showSelection(s, c);
    selectOption(c, 24);
    c.Check1.fill(true);
    c.Check2n = true;
    c.Check3n = true;
    c.Check3 = false;
    c.Check6 = false;
    setCheck7(c, false);
    c.Text1 = "100";
    c.Text2 = "200";
    readSelection(c, s);
    return s;
}

FilterSelection heavySelection() {
    FilterSelection s = FilterSelection::startup();
    SelectionControls c;
    showSelection(s, c);
    selectOption(c, 20); // results: 4 similar balls
    selectOption(c, 15); // played: 4
    selectOption(c, 8);  // sextets: 5
    c.Check4 = true;
    c.Check2.fill(true);
    readSelection(c, s);
    return s;
}

void writeHeavyData(const DataDir& dir) {
    writeColumns(dir, files::Results, 2000, KeepMark, 11);
    writeColumns(dir, files::Played, 5000, KeepMark, 12);
    writeColumns(dir, files::Sextets, 5000, KeepMark, 13);
    std::mt19937_64 rng(14);
    std::uniform_int_distribution<int> ball(1, 49);
    std::set<int> pairs;
    while (pairs.size() < 50) {
        const int a = ball(rng), b = ball(rng);
        if (a != b)
            pairs.insert(std::min(a, b) * 50 + std::max(a, b));
    }
    std::vector<unsigned char> bytes;
    for (int v : pairs) {
        bytes.push_back(static_cast<unsigned char>(v & 0xFF));
        bytes.push_back(static_cast<unsigned char>(v >> 8));
    }
    writeWholeFile(dir, files::Pairs, bytes);
}

void writeRandomList(const DataDir& dir, int32_t count) {
    writeColumns(dir, files::List, count, KeepMark, 15);
}

} // namespace velmorix::bench
