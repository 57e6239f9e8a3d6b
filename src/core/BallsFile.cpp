#include "BallsFile.h"

#include "ColumnFile.h"
#include "SafeFile.h"

#include <algorithm>
#include <vector>

namespace velmorix {

namespace {

// Records past the last banker (51 + 5) are never looked at, so a file of any
// size is read only that far.
constexpr std::size_t UsedBytes = 2 * 56;

struct Words {
    std::vector<unsigned char> bytes; // the used part of the file at most
    int64_t size = 0;                 // the length of the whole file
    int64_t length() const { return size; }
    // Record n (from 1); bytes past the end read as zero.
    int16_t get(int n) const {
        const std::size_t at = static_cast<std::size_t>(n - 1) * 2;
        const unsigned lo = at < bytes.size() ? bytes[at] : 0;
        const unsigned hi = at + 1 < bytes.size() ? bytes[at + 1] : 0;
        return static_cast<int16_t>(static_cast<uint16_t>(lo | (hi << 8)));
    }
    void set(int n, int16_t v) {
        const std::size_t at = static_cast<std::size_t>(n - 1) * 2;
        if (bytes.size() < at + 2)
            bytes.resize(at + 2, 0);
        size = std::max(size, static_cast<int64_t>(bytes.size()));
        const auto u = static_cast<uint16_t>(v);
        bytes[at] = static_cast<unsigned char>(u & 0xFF);
        bytes[at + 1] = static_cast<unsigned char>(u >> 8);
    }
};

Words readWords(const DataDir& dir) {
    Words w{readFileStart(dir, files::Balls, UsedBytes), 0};
    w.size = std::max(dir.fileSize(files::Balls), static_cast<int64_t>(w.bytes.size()));
    return w;
}

} // namespace

BallsLoad loadBag(AppState& state, const DataDir& dir, LoadForm form) {
    if (!dir.exists(files::Balls))
        return BallsLoad::Missing;
    const Words w = readWords(dir);
    if (w.length() < 3)
        return BallsLoad::TooShort;
    const int n = w.get(1);
    if (form == LoadForm::MainWindow && (w.length() <= 2 * int64_t{n} || n < 1))
        return BallsLoad::GaveUp;
    if (form == LoadForm::Window && w.length() < 2 * int64_t{n})
        return BallsLoad::Corrupt;
    if (n >= 50 || n < 1) {
        state.BagBalls.clear();
        removeBankersFromBag(state);
        return BallsLoad::Emptied;
    }
    BagList bag;
    for (int i = 1; i <= n; ++i) {
        const int16_t ball = w.get(i + 1);
        if (ball < 1 || ball > 49)
            break;
        if (!bag.contains(ball)) // a hand-made file may repeat a ball; the first one counts
            bag.push(ball);
    }
    state.BagBalls = bag;
    removeBankersFromBag(state);
    return BallsLoad::Loaded;
}

BallsLoad loadBankers(AppState& state, const DataDir& dir, LoadForm form) {
    const int64_t size = dir.fileSize(files::Balls);
    if (size < 0)
        return BallsLoad::Missing;
    if (size <= 101)
        return BallsLoad::TooShort;
    const Words w = readWords(dir);
    const int m = w.get(51);
    const BallsLoad damaged = form == LoadForm::Window ? BallsLoad::Corrupt : BallsLoad::GaveUp;
    if (w.length() < 2 * (int64_t{m} + 51))
        return damaged;
    BankoList bankers;
    if (m >= 1 && m <= 5) {
        for (int i = 1; i <= m; ++i) {
            const int16_t ball = w.get(51 + i);
            // An impossible or repeated banker would make every draw loop: treat as damage.
            if (ball < 1 || ball > 49 || bankers.contains(ball))
                return damaged;
            bankers.push(ball);
        }
    }
    state.BankoBalls = bankers;
    removeBankersFromBag(state);
    return bankers.empty() ? BallsLoad::Emptied : BallsLoad::Loaded;
}

namespace {

void putBag(const AppState& state, Words& w) {
    const int n = state.BagBalls.count();
    w.set(1, static_cast<int16_t>(n));
    for (int i = 1; i <= n; ++i)
        w.set(i + 1, state.BagBalls[i]);
    for (int r = n + 2; r <= 50; ++r)
        w.set(r, 0);
}

void putBankers(const AppState& state, Words& w) {
    if (w.length() < 2) {
        w.bytes.clear();
        w.size = 0;
        for (int r = 1; r <= 50; ++r)
            w.set(r, 0);
    }
    const int m = state.BankoBalls.count();
    w.set(51, static_cast<int16_t>(m));
    for (int i = 1; i <= m; ++i)
        w.set(51 + i, state.BankoBalls[i]);
}

} // namespace

void saveBag(const AppState& state, const DataDir& dir) {
    Words w = readWords(dir);
    putBag(state, w);
    writeWholeFile(dir, files::Balls, w.bytes);
}

void saveBankers(const AppState& state, const DataDir& dir) {
    Words w = readWords(dir);
    putBankers(state, w);
    writeWholeFile(dir, files::Balls, w.bytes);
}

void saveBagAndBankers(const AppState& state, const DataDir& dir) {
    Words w = readWords(dir);
    putBag(state, w);
    putBankers(state, w);
    writeWholeFile(dir, files::Balls, w.bytes);
}

} // namespace velmorix
