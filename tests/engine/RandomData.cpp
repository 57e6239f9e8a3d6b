#include "RandomData.h"

#include "core/ColumnFile.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace velmorix::test {

ColumnRecord randomDataRecord(Rng& rng, int32_t tag, double damage) {
    ColumnRecord r;
    r.Tag = tag;
    r.Ball = randomColumn(rng);
    if (chance(rng, damage)) {
        switch (pick(rng, 0, 4)) {
        case 0:
            r.Ball[static_cast<std::size_t>(pick(rng, 1, 5))] = r.Ball[0]; // repeated ball
            break;
        case 1:
            r.Ball[static_cast<std::size_t>(pick(rng, 0, 5))] = static_cast<int16_t>(
                std::array<int, 6>{0, 50, -3, 99, 55, -40}[static_cast<std::size_t>(pick(rng, 0, 5))]);
            break;
        case 2:
            std::shuffle(r.Ball.begin(), r.Ball.end(), rng);
            break;
        case 3:
            r.Ball.fill(static_cast<int16_t>(pick(rng, 1, 49)));
            break;
        default:
            r.Ball[5] = static_cast<int16_t>(pick(rng, -32768, 32767));
            break;
        }
    }
    return r;
}

namespace {

void writeList(TempDataDir& dir, Rng& rng, const char* name, int count, double damage, bool dated) {
    const int form = pick(rng, 0, 9);
    if (form == 0)
        return; // missing
    if (form == 1) {
        dir.writeBytes(name, std::vector<unsigned char>(static_cast<std::size_t>(pick(rng, 0, 8)), 3));
        return; // holds no record
    }
    std::vector<ColumnRecord> records;
    const int n = form == 2 ? pick(rng, 1, 2) : pick(rng, count / 2, count);
    for (int i = 0; i < n; ++i)
        records.push_back(randomDataRecord(rng, dated ? 2005000 + i : KeepMark, damage));
    dir.writeRecords(name, records);
    if (chance(rng, 0.15)) { // a torn last record
        auto bytes = dir.readBytes(name);
        bytes.resize(bytes.size() + static_cast<std::size_t>(pick(rng, 1, 15)), 7);
        dir.writeBytes(name, bytes);
    }
}

void writePairs(TempDataDir& dir, Rng& rng) {
    const int form = pick(rng, 0, 9);
    if (form == 0)
        return;
    if (form == 1) {
        dir.writeBytes("VELMORIX.YS2", {});
        return;
    }
    std::vector<int16_t> words;
    if (form == 2) {
        words.assign(1177, 157); // too many records
    } else {
        const int n = pick(rng, 1, 60);
        for (int i = 0; i < n; ++i) {
            const int a = pick(rng, 1, 48);
            words.push_back(static_cast<int16_t>(a * 50 + pick(rng, a + 1, 49)));
        }
        std::sort(words.begin(), words.end());
        if (chance(rng, 0.3))
            words.push_back(static_cast<int16_t>(std::array<int, 7>{
                0, 51, 2500, -7, 1234, 49, 2449}[static_cast<std::size_t>(pick(rng, 0, 6))]));
    }
    dir.writeWords("VELMORIX.YS2", words);
    if (chance(rng, 0.1)) {
        auto bytes = dir.readBytes("VELMORIX.YS2");
        bytes.push_back(static_cast<unsigned char>(pick(rng, 0, 255))); // odd length
        dir.writeBytes("VELMORIX.YS2", bytes);
    }
}

} // namespace

void writeRandomData(TempDataDir& dir, Rng& rng, const DataShape& shape) {
    writeList(dir, rng, "VELMORIX.RES", shape.results, shape.damage, true);
    writeList(dir, rng, "VELMORIX.OKL", shape.played, shape.damage, false);
    writeList(dir, rng, "VELMORIX.YSK", shape.sextets, shape.damage, false);
    writePairs(dir, rng);
}

FilterSelection::Records randomStoredSelection(Rng& rng) {
    FilterSelection::Records r{};
    auto from = [&](std::initializer_list<int> values) {
        const int i = pick(rng, 0, static_cast<int>(values.size()) - 1);
        return static_cast<int16_t>(*(values.begin() + i));
    };
    const bool busy = chance(rng, 0.5); // many filters at once, or few
    r[0] = from({0, 0, 0, 2, 3, 4, 5, 6, 1, 7});
    r[1] = from({0, 0, 1, 1, 2, 3, 4, 5});
    for (int i = 2; i <= 26; ++i)
        r[static_cast<std::size_t>(i)] = chance(rng, busy ? 0.5 : 0.1) ? from({-1, 1, 2, 3, 4, 7}) : 0;
    r[27] = from({-1, 0, 0, 1});
    r[28] = from({-1, 0, 0, 1});
    for (int i = 29; i <= 41; ++i)
        r[static_cast<std::size_t>(i)] = chance(rng, busy ? 0.4 : 0.12) ? from({-1, -1, -1, 1}) : 0;
    for (int i = 42; i <= 44; ++i)
        r[static_cast<std::size_t>(i)] = chance(rng, busy ? 0.6 : 0.25) ? from({0, 1, 2, 3, 3, 4}) : -1;
    r[45] = from({-1, 0, 0, 1});
    for (int i = 46; i <= 80; ++i)
        r[static_cast<std::size_t>(i)] = chance(rng, 0.85) ? -1 : from({0, 1});
    r[81] = from({-1, 0, 0});
    r[82] = static_cast<int16_t>(pick(rng, 0, 200));
    r[83] = static_cast<int16_t>(r[82] + pick(rng, -20, 160));
    r[84] = from({-1, 0});
    return r;
}

std::array<int16_t, 6> randomTestColumn(Rng& rng, const std::vector<ColumnRecord>& near) {
    const int kind = pick(rng, 0, 9);
    std::array<int16_t, 6> b = randomColumn(rng);
    if (kind <= 3 && !near.empty()) {
        // Near a data record: keep some of its balls.
        const auto& r = near[static_cast<std::size_t>(pick(rng, 0, static_cast<int>(near.size()) - 1))];
        const int keep = pick(rng, 2, 6);
        std::array<int16_t, 6> c = r.Ball;
        for (int i = keep; i < 6; ++i)
            c[static_cast<std::size_t>(i)] = b[static_cast<std::size_t>(i)];
        b = c;
    } else if (kind <= 5) {
        // A chain n, n+d, n+2d, ... or n, 2n, 4n among random balls.
        const int d = pick(rng, 1, 24);
        int v = pick(rng, 1, 12);
        const int len = pick(rng, 3, 6);
        for (int i = 0; i < len; ++i) {
            if (v > 49)
                break;
            b[static_cast<std::size_t>(i)] = static_cast<int16_t>(v);
            v = chance(rng, 0.7) ? v + d : v * pick(rng, 2, 3);
        }
    } else if (kind == 6) {
        b[static_cast<std::size_t>(pick(rng, 0, 5))] = static_cast<int16_t>(
            std::array<int, 4>{0, 50, -1, 200}[static_cast<std::size_t>(pick(rng, 0, 3))]);
    }
    if (chance(rng, 0.5))
        std::shuffle(b.begin(), b.end(), rng);
    return b;
}

void copyFolder(const TempDataDir& from, TempDataDir& to) {
    for (const auto& e : std::filesystem::directory_iterator(from.path()))
        std::filesystem::copy_file(e.path(), to.path() / e.path().filename(),
                                   std::filesystem::copy_options::overwrite_existing);
}

void expectSameFolders(const TempDataDir& a, const TempDataDir& b, const std::string& what) {
    ASSERT_EQ(a.fileNames(), b.fileNames()) << what;
    for (const auto& name : a.fileNames())
        EXPECT_EQ(a.readBytes(name), b.readBytes(name)) << name << " differs: " << what;
}

// VELMORIX.DAT with a bag of `size` balls and up to three bankers (sometimes also in the bag).
void writeBalls(TempDataDir& t, Rng& rng, int size) {
    std::vector<int16_t> balls = ballRun(1, 1, 49);
    std::shuffle(balls.begin(), balls.end(), rng);
    std::vector<int16_t> bag(balls.begin(), balls.begin() + size);
    std::sort(bag.begin(), bag.end());
    const int bankers = pick(rng, 0, 3);
    t.writeWords("VELMORIX.DAT",
                 ballsFileWords(bag, std::vector<int16_t>(balls.begin() + size - 1,
                                                          balls.begin() + size - 1 + bankers)));
}

void writeSelection(TempDataDir& t, Rng& rng) {
    if (chance(rng, 0.1))
        return;
    const auto records = randomStoredSelection(rng);
    std::vector<int16_t> words(records.begin(), records.end());
    if (chance(rng, 0.1))
        words.pop_back(); // 168 bytes: refused with a message
    t.writeWords("VELMORIX.FLT", words);
}

RunCallbacks answerYes() {
    RunCallbacks cb;
    cb.confirm = [](const Question&) { return true; };
    return cb;
}

} // namespace velmorix::test
