#include "ResultsToBalls.h"

#include "core/ColumnFile.h"

namespace velmorix {

DrawCounts countDraws(const DataDir& dir) {
    DrawCounts counts;
    ColumnReader reader(dir, files::Results);
    counts.results = reader.count();
    ColumnRecord rec;
    while (reader.next(rec)) {
        if (!isValidColumn(rec.Ball))
            continue;
        for (int16_t b : rec.Ball)
            ++counts.ball[static_cast<std::size_t>(b)];
    }
    return counts;
}

BagList bagFromDraws(const DrawCounts& counts) {
    BagList bag;
    for (int32_t c = 0; c <= counts.results; ++c) {
        for (int b = 1; b <= 49; ++b) {
            if (counts.ball[static_cast<std::size_t>(b)] != c)
                continue;
            bag.push(b);
            if (bag.count() >= 36)
                return bag;
        }
        if (bag.count() >= 32)
            break;
    }
    return bag;
}

BankoList bankersFromDraws(const DrawCounts& counts, int bagSize) {
    const int most = bagSize < 35 ? 1 : 2;
    BankoList bankers;
    for (int32_t c = 0; c <= counts.results && bankers.empty(); ++c)
        for (int b = 1; b <= 49 && bankers.count() < most; ++b)
            if (counts.ball[static_cast<std::size_t>(b)] == c)
                bankers.push(b);
    return bankers;
}

} // namespace velmorix
