#include "ListElimination.h"

#include "core/ColumnFile.h"
#include "core/SafeFile.h"

#include <cstdlib>

namespace velmorix {

namespace {

// Mask of a valid column, or nothing.
bool maskOf(const Game& game, const ColumnRecord& column, ColumnMask& mask) {
    mask = columnBalls(game, column.Ball);
    return mask != 0;
}

} // namespace

ColumnTest holdsNoneOf(ColumnMask balls, const Game& game) {
    return [balls, game](const ColumnRecord& c) {
        ColumnMask m;
        return maskOf(game, c, m) && (m & balls) == 0;
    };
}

ColumnTest holdsAnyOf(ColumnMask balls, const Game& game) {
    return [balls, game](const ColumnRecord& c) {
        ColumnMask m;
        return maskOf(game, c, m) && (m & balls) != 0;
    };
}

ColumnTest holdsAtMostOneOf(ColumnMask balls, const Game& game) {
    return [balls, game](const ColumnRecord& c) {
        ColumnMask m;
        return maskOf(game, c, m) && ballCount(m & balls) <= 1;
    };
}

ColumnTest holdsAnyPair(const PairMarks& pairs, const Game& game) {
    return [pairs, game](const ColumnRecord& c) {
        ColumnMask m;
        if (!maskOf(game, c, m))
            return false;
        for (int i = 0; i < 6; ++i)
            if (pairs.row[static_cast<std::size_t>(c.Ball[static_cast<std::size_t>(i)])] & m)
                return true;
        return false;
    };
}

bool passesPairDifferences(const ColumnRecord& column, const Game& game) {
    if (!isGameColumn(game, column.Ball))
        return false;
    const int smallMost = game.scaled(5);
    const int middleLeast = game.scaled(10);
    const int middleMost = game.scaled(19);
    int small = 0;
    int middle = 0;
    for (std::size_t i = 0; i < 6; ++i)
        for (std::size_t j = i + 1; j < 6; ++j) {
            const int d = std::abs(column.Ball[j] - column.Ball[i]);
            if (d <= smallMost)
                ++small;
            else if (d >= middleLeast && d <= middleMost)
                ++middle;
        }
    return small >= 2 && middle >= 1;
}

int32_t eliminateWithBackup(const DataDir& dir, const std::string& listName, const ColumnTest& survives,
                            const EliminationProgress& progress) {
    copyFileSafe(dir, listName, files::OldList);

    // Phase 1 judges every column; nothing is written yet.
    int32_t remaining = 0;
    {
        ColumnReader in(dir, listName);
        remaining = in.count();
        ColumnRecord r;
        while (in.next(r)) {
            if (!survives(r))
                --remaining;
            if (progress.judging)
                progress.judging(remaining, in.position());
        }
    }
    if (remaining == 0) {
        dir.remove(listName);
        return 0;
    }

    // Phase 2 writes the survivors through VELMORIX.TMP, which then takes the list's place.
    int32_t written = 0;
    eliminate(dir, listName, [&](const ColumnRecord& r) {
        const bool keep = survives(r);
        if (keep) {
            ++written;
            if (progress.writing)
                progress.writing(written, remaining);
        }
        return keep;
    });
    return written;
}

} // namespace velmorix
