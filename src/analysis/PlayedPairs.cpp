#include "PlayedPairs.h"

#include "core/AppState.h"
#include "core/ColumnFile.h"
#include "core/SafeFile.h"
#include "engine/PairsFile.h"

#include <array>
#include <vector>

namespace velmorix {

namespace {

int decadeOf(int ball) {
    return ball / 10;
}

} // namespace

std::optional<int32_t> writePairsFromPlayed(const DataDir& dir, int32_t crossGroupMin, int32_t sameGroupMin,
                                            bool add, const std::function<void(int32_t, int32_t)>& progress) {
    // Counts of a long played list go beyond 16 bits.
    std::array<std::array<int32_t, 50>, 50> count{};
    {
        ColumnReader in(dir, files::Played);
        ColumnRecord r;
        while (in.next(r)) {
            if (isValidColumn(r.Ball))
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
    auto threshold = [&](int a, int b) { return decadeOf(a) == decadeOf(b) ? sameGroupMin : crossGroupMin; };
    if (add) {
        PairTable old;
        if (!loadEveryPair(dir, old))
            return std::nullopt;
        for (int a = 1; a <= 49; ++a)
            for (int b = 1; b <= 49; ++b)
                if (old(a, b) != 0)
                    count[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)] = threshold(a, b);
    }

    std::vector<unsigned char> bytes;
    auto write = [&](int a, int b) {
        if (count[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)] < threshold(a, b))
            return;
        const auto v = static_cast<uint16_t>(a * 50 + b);
        bytes.push_back(static_cast<unsigned char>(v & 0xFF));
        bytes.push_back(static_cast<unsigned char>(v >> 8));
    };
    for (int d = 0; d < 5; ++d) {
        const int lo = d == 0 ? 1 : 10 * d;
        const int hi = 10 * d + 9;
        for (int a = lo; a < hi; ++a)
            for (int b = a + 1; b <= hi; ++b)
                write(a, b);
    }
    for (int a = 1; a <= 39; ++a)
        for (int b = (decadeOf(a) + 1) * 10; b <= 49; ++b)
            write(a, b);
    writeWholeFile(dir, files::Pairs, bytes);
    return static_cast<int32_t>(bytes.size() / 2);
}

} // namespace velmorix
