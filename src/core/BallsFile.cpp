#include "BallsFile.h"

#include "ColumnFile.h"
#include "SafeFile.h"

#include <algorithm>
#include <vector>

namespace velmorix {

namespace {

// The record of the banker count: right after the bag's count and its N balls.
int bankerCountRecord(const Game& game) {
    return game.balls() + 2;
}

// Records past the last banker are never looked at, so a file of any size is
// read only that far.
std::size_t usedBytes(const Game& game) {
    return 2 * static_cast<std::size_t>(bankerCountRecord(game) + 5);
}

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

Words readWords(const DataDir& dir, const Game& game) {
    Words w{readFileStart(dir, files::Balls, usedBytes(game)), 0};
    w.size = std::max(dir.fileSize(files::Balls), static_cast<int64_t>(w.bytes.size()));
    return w;
}

} // namespace

BallsLoad loadBag(AppState& state, const DataDir& dir, LoadForm form) {
    if (!dir.exists(files::Balls))
        return BallsLoad::Missing;
    const Words w = readWords(dir, state.game);
    if (w.length() < 3)
        return BallsLoad::TooShort;
    const int n = w.get(1);
    if (form == LoadForm::MainWindow && (w.length() <= 2 * int64_t{n} || n < 1))
        return BallsLoad::GaveUp;
    if (form == LoadForm::Window && w.length() < 2 * int64_t{n})
        return BallsLoad::Corrupt;
    if (n > state.game.balls() || n < 1) {
        state.BagBalls.clear();
        removeBankersFromBag(state);
        return BallsLoad::Emptied;
    }
    BagList bag;
    for (int i = 1; i <= n; ++i) {
        const int16_t ball = w.get(i + 1);
        if (!state.game.isBall(ball))
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
    const int countRecord = bankerCountRecord(state.game);
    if (size <= 2 * int64_t{countRecord - 1} + 1)
        return BallsLoad::TooShort;
    const Words w = readWords(dir, state.game);
    const int m = w.get(countRecord);
    const BallsLoad damaged = form == LoadForm::Window ? BallsLoad::Corrupt : BallsLoad::GaveUp;
    if (w.length() < 2 * (int64_t{m} + countRecord))
        return damaged;
    BankoList bankers;
    if (m >= 1 && m <= 5) {
        for (int i = 1; i <= m; ++i) {
            const int16_t ball = w.get(countRecord + i);
            // An impossible or repeated banker would make every draw loop: treat as damage.
            if (!state.game.isBall(ball) || bankers.contains(ball))
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
    for (int r = n + 2; r < bankerCountRecord(state.game); ++r)
        w.set(r, 0);
}

void putBankers(const AppState& state, Words& w) {
    const int countRecord = bankerCountRecord(state.game);
    if (w.length() < 2) {
        w.bytes.clear();
        w.size = 0;
        for (int r = 1; r < countRecord; ++r)
            w.set(r, 0);
    }
    const int m = state.BankoBalls.count();
    w.set(countRecord, static_cast<int16_t>(m));
    for (int i = 1; i <= m; ++i)
        w.set(countRecord + i, state.BankoBalls[i]);
}

} // namespace

void saveBag(const AppState& state, const DataDir& dir) {
    Words w = readWords(dir, state.game);
    putBag(state, w);
    writeWholeFile(dir, files::Balls, w.bytes);
}

void saveBankers(const AppState& state, const DataDir& dir) {
    Words w = readWords(dir, state.game);
    putBankers(state, w);
    writeWholeFile(dir, files::Balls, w.bytes);
}

void saveBagAndBankers(const AppState& state, const DataDir& dir) {
    Words w = readWords(dir, state.game);
    putBag(state, w);
    putBankers(state, w);
    writeWholeFile(dir, files::Balls, w.bytes);
}

} // namespace velmorix
