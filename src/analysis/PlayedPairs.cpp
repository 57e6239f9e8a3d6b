#include "PlayedPairs.h"

#include "core/BallMask.h"

#include "core/AppState.h"
#include "core/ColumnFile.h"
#include "core/SafeFile.h"
#include "engine/PairsFile.h"

#include <algorithm>
#include <array>
#include <vector>

namespace velmorix {

std::optional<int32_t> writePairsFromPlayed(const DataDir& dir, int32_t crossGroupMin, int32_t sameGroupMin,
                                            bool add, const std::function<void(int32_t, int32_t)>& progress,
                                            const Game& game) {
    const int n = game.balls();
    // Counts of a long played list go beyond 16 bits.
    std::vector<std::array<int32_t, kMaxBalls + 1>> count(kMaxBalls + 1);
    {
        ColumnReader in(dir, files::Played);
        ColumnRecord r;
        while (in.next(r)) {
            if (isGameColumn(game, r.Ball))
                for (std::size_t i = 0; i < 6; ++i)
                    for (std::size_t j = i + 1; j < 6; ++j) {
                        const auto p = static_cast<std::size_t>(r.Ball[i]);
                        const auto q = static_cast<std::size_t>(r.Ball[j]);
                        ++count[p][q];
                        ++count[q][p];
                    }
            if (progress)
                progress(in.position(), in.count());
        }
    }
    auto threshold = [&](int a, int b) {
        return Game::decadeOf(a) == Game::decadeOf(b) ? sameGroupMin : crossGroupMin;
    };
    if (add) {
        PairTable old;
        // The pairs file's codes are decoded by the engine's reader.
        if (!loadEveryPair(dir, old))
            return std::nullopt;
        for (int a = 1; a <= n; ++a)
            for (int b = 1; b <= n; ++b)
                if (old(a, b) != 0)
                    count[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)] = threshold(a, b);
    }

    std::vector<unsigned char> bytes;
    auto write = [&](int a, int b) {
        if (count[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)] < threshold(a, b))
            return;
        const auto v = static_cast<uint16_t>(a * (n + 1) + b);
        bytes.push_back(static_cast<unsigned char>(v & 0xFF));
        bytes.push_back(static_cast<unsigned char>(v >> 8));
    };
    for (int d = 0; d < game.decades(); ++d) {
        const int lo = d == 0 ? 1 : 10 * d;
        const int hi = std::min(10 * d + 9, n);
        for (int a = lo; a < hi; ++a)
            for (int b = a + 1; b <= hi; ++b)
                write(a, b);
    }
    for (int a = 1; a < 10 * (game.decades() - 1); ++a)
        for (int b = (Game::decadeOf(a) + 1) * 10; b <= n; ++b)
            write(a, b);
    writeWholeFile(dir, files::Pairs, bytes);
    return static_cast<int32_t>(bytes.size() / 2);
}

} // namespace velmorix
