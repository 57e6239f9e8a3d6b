#include "RandomColumnList.h"

#include "core/BallMask.h"

#include "core/ColumnFile.h"
#include "core/ColumnRecord.h"
#include "engine/ChaosRules.h"
#include "engine/SortedColumn.h"

#include <algorithm>

namespace velmorix {

std::array<int16_t, 6> drawRandomColumn(const BagList& bag, const BankoList& bankers, Random& random,
                                        const Game& game) {
    std::array<int16_t, 6> column{};
    ColumnMask taken = 0;
    int position = 0;
    for (int i = 1; i <= bankers.count() && position < 6; ++i) {
        column[static_cast<std::size_t>(position++)] = bankers[i];
        if (game.isBall(bankers[i]))
            taken |= ballBit(bankers[i]);
    }
    // The pool: the bag's balls (every ball when the bag is empty) that are not
    // bankers, ascending, each once.
    ColumnMask poolMask = 0;
    if (bag.count() < 1) {
        poolMask = gameBalls(game);
    } else {
        for (int i = 1; i <= bag.count(); ++i)
            if (game.isBall(bag[i]))
                poolMask |= ballBit(bag[i]);
    }
    poolMask &= ~taken;
    std::array<int16_t, kMaxBalls> pool{};
    int poolCount = 0;
    forEachBall(poolMask,
                [&](int b) { pool[static_cast<std::size_t>(poolCount++)] = static_cast<int16_t>(b); });

    for (; position < 6 && poolCount > 0; ++position) {
        int k = static_cast<int>(random.next() * poolCount); // 0-based index of the drawn ball
        k = std::clamp(k, 0, poolCount - 1);
        column[static_cast<std::size_t>(position)] = pool[static_cast<std::size_t>(k)];
        // The pool keeps the balls not yet drawn, still ascending.
        std::copy(pool.begin() + k + 1, pool.begin() + poolCount, pool.begin() + k);
        --poolCount;
    }
    std::sort(column.begin(), column.end());
    return column;
}

void writeNewRandomList(const DataDir& dir, const BagList& bag, const BankoList& bankers, Random& random,
                        int32_t count, const std::function<void(int32_t record)>& progress,
                        const Game& game) {
    ColumnWriter out(dir, files::Random, defaultTempName(files::Random));
    for (int32_t k = 1; k <= count; ++k) {
        if (progress)
            progress(k);
        ColumnRecord r;
        r.Tag = k;
        r.Ball = drawRandomColumn(bag, bankers, random, game);
        out.write(r);
    }
    out.commit();
}

int32_t appendRandomList(const DataDir& dir, const BagList& bag, const BankoList& bankers, Random& random,
                         int32_t count, const std::function<void(int32_t record, int32_t added)>& progress,
                         const Game& game) {
    ColumnWriter out(dir, files::Random, defaultTempName(files::Random));
    int32_t existing = 0;
    {
        ColumnReader in(dir, files::Random);
        ColumnRecord r;
        while (in.next(r))
            out.write(r);
        existing = in.count();
    }
    for (int32_t added = 1; added <= count; ++added) {
        const int32_t record = existing + added;
        if (progress)
            progress(record, added);
        ColumnRecord r;
        r.Tag = record;
        r.Ball = drawRandomColumn(bag, bankers, random, game);
        out.write(r);
    }
    out.commit();
    return existing;
}

int32_t eliminateRandomListByChaos(const DataDir& dir, const ChaosRule& passes,
                                   const ChaosPassProgress& progress, const Game& game) {
    // Phase 1: the marked list is kept as VELMORIX.TMP; the list itself is not touched yet.
    int32_t kept = 0;
    {
        ColumnReader in(dir, files::Random);
        ColumnWriter marked(dir, files::Random, files::Temp);
        ColumnRecord r;
        while (in.next(r)) {
            auto sorted = r.Ball;
            std::sort(sorted.begin(), sorted.end());
            const bool pass = isGameColumn(game, sorted) && passes(sorted);
            r.Tag = pass ? KeepMark : 0;
            if (pass)
                ++kept;
            marked.write(r);
            if (progress.judging)
                progress.judging(in.position(), kept);
        }
        marked.commitAsTemporary();
    }
    if (kept == 0) {
        dir.remove(files::Random);
        return 0;
    }
    // Phase 2: the marked survivors become the list.
    ColumnReader in(dir, files::Temp);
    ColumnWriter out(dir, files::Random, defaultTempName(files::Random));
    ColumnRecord r;
    while (in.next(r))
        if (r.Tag == KeepMark) {
            out.write(r);
            if (progress.writing)
                progress.writing(out.count(), kept);
        }
    out.commit();
    return out.count();
}

ChaosRule randomListChaosRule() {
    return [](const std::array<int16_t, 6>& sortedBalls) {
        const auto column = SortedColumn::from(sortedBalls);
        return column && chaos::passes(*column);
    };
}

} // namespace velmorix
