#include "ArbitraryGrouping.h"

#include "GameChaos.h"

#include "core/ColumnFile.h"
#include "core/ListUndo.h"
#include "core/Random.h"
#include "core/SafeFile.h"

#include <algorithm>
#include <vector>

namespace velmorix {

namespace {

int clampToSix(int64_t v) {
    return static_cast<int>(std::clamp<int64_t>(v, 0, 6));
}

std::size_t at(int group) {
    return static_cast<std::size_t>(group - 1);
}

} // namespace

GroupLimits normaliseGroupLimits(const std::array<int64_t, GroupCount>& typedMin,
                                 const std::array<int64_t, GroupCount>& typedMax,
                                 const GroupMembership& groupOf, const Game& game) {
    GroupLimits limits;
    for (int g = 1; g <= GroupCount; ++g) {
        int max = clampToSix(typedMax[at(g)]);
        int min = clampToSix(typedMin[at(g)]);
        if (max < min)
            min = max;
        const int count = ballCount(groupMask(groupOf, g, game));
        if (count < min)
            min = max = count;
        else if (count < max)
            max = count;
        limits.min[at(g)] = min;
        limits.max[at(g)] = max;
    }
    return limits;
}

ColumnMask groupMask(const GroupMembership& groupOf, int group, const Game& game) {
    ColumnMask mask = 0;
    for (int b = 1; b <= game.balls(); ++b)
        if (groupOf[static_cast<std::size_t>(b)] == group)
            mask |= ballBit(b);
    return mask;
}

GroupingTest::GroupingTest(const GroupMembership& groupOf, const GroupLimits& limits, bool chaos,
                           const Game& game)
    : m_game(game), m_chaos(chaos) {
    for (int g = 1; g <= GroupCount; ++g) {
        const ColumnMask mask = groupMask(groupOf, g, game);
        m_grouped |= mask;
        const int min = limits.min[at(g)];
        const int max = limits.max[at(g)];
        // A group that every column meets anyway costs nothing per column.
        if (min <= 0 && max >= ballCount(mask))
            continue;
        m_groups[static_cast<std::size_t>(m_groupCount++)] = {mask, min, max};
    }
}

bool GroupingTest::passesMask(ColumnMask mask) const {
    if ((mask & ~m_grouped) != 0)
        return false;
    for (int i = 0; i < m_groupCount; ++i) {
        const Group& g = m_groups[static_cast<std::size_t>(i)];
        const int n = ballCount(mask & g.mask);
        if (n < g.min || n > g.max)
            return false;
    }
    return !m_chaos || chaos::passesWithoutRule2For(m_game, mask);
}

bool GroupingTest::passes(const std::array<int16_t, 6>& balls) const {
    const ColumnMask mask = columnBalls(m_game, balls);
    return mask != 0 && passesMask(mask);
}

std::optional<std::array<int16_t, 6>> drawGroupedColumn(const GroupMembership& groupOf,
                                                        const GroupLimits& limits, Random& random,
                                                        const Game& game) {
    std::array<int, GroupCount> max = limits.max; // the drawing lowers these
    std::array<int, 6> slotGroup{};
    int picked = 0;
    for (int g = 1; g <= GroupCount; ++g) {
        const int min = limits.min[at(g)];
        if (min <= 0)
            continue;
        if (picked + min > 6)
            break; // no later group gets its minimum here
        for (int k = 0; k < min; ++k)
            slotGroup[static_cast<std::size_t>(picked++)] = g;
    }
    while (picked < 6) {
        bool room = false;
        for (int g = 1; g <= GroupCount && picked < 6; ++g) {
            if (max[at(g)] <= limits.min[at(g)])
                continue;
            room = true;
            if (random.next() < 0.5) {
                --max[at(g)];
                slotGroup[static_cast<std::size_t>(picked++)] = g;
            }
        }
        if (!room)
            break;
    }
    if (picked < 6)
        return std::nullopt;

    std::array<int16_t, 6> column{};
    ColumnMask used = 0;
    for (std::size_t s = 0; s < 6; ++s) {
        std::vector<int> free;
        for (int b = 1; b <= game.balls(); ++b)
            if (groupOf[static_cast<std::size_t>(b)] == slotGroup[s] && !hasBall(used, b))
                free.push_back(b);
        if (free.empty())
            continue; // the slot stays 0; the limits make this impossible
        auto index = static_cast<std::size_t>(static_cast<double>(free.size()) * random.next());
        index = std::min(index, free.size() - 1);
        column[s] = static_cast<int16_t>(free[index]);
        used |= ballBit(free[index]);
    }
    return column;
}

GroupingRun buildGroupedList(const DataDir& dir, const GroupingTest& test,
                             const std::function<void(int32_t, int32_t)>& progress) {
    std::vector<int16_t> pool;
    forEachBall(test.groupedBalls(), [&](int b) { pool.push_back(static_cast<int16_t>(b)); });
    const int n = static_cast<int>(pool.size());
    std::array<ColumnMask, kMaxBalls + 1> bit{};
    for (int i = 0; i < n; ++i)
        bit[static_cast<std::size_t>(i)] = ballBit(pool[static_cast<std::size_t>(i)]);

    const ListUndoPoint undo(dir, "Guruplamaya uyan yeni liste yapma");
    GroupingRun run;
    ColumnWriter out(dir, files::List, files::Temp);
    ColumnRecord rec;
    // Between first balls the caller hears about every quarter million candidates.
    constexpr int32_t ReportEvery = 1 << 18;
    int32_t nextReport = ReportEvery;
    // Plain pointers keep the innermost loop cheap in unoptimised builds too.
    const int16_t* p = pool.data();
    const ColumnMask* m = bit.data();
    for (int a = 0; a + 5 < n; ++a) {
        if (progress)
            progress(run.written, run.total);
        const ColumnMask m1 = m[a];
        for (int b = a + 1; b + 4 < n; ++b) {
            const ColumnMask m2 = m1 | m[b];
            for (int c = b + 1; c + 3 < n; ++c) {
                const ColumnMask m3 = m2 | m[c];
                for (int d = c + 1; d + 2 < n; ++d) {
                    const ColumnMask m4 = m3 | m[d];
                    for (int e = d + 1; e + 1 < n; ++e) {
                        const ColumnMask m5 = m4 | m[e];
                        for (int f = e + 1; f < n; ++f) {
                            ++run.total;
                            if (!test.passesMask(m5 | m[f]))
                                continue;
                            rec.Ball = {p[a], p[b], p[c], p[d], p[e], p[f]};
                            out.write(rec);
                            ++run.written;
                        }
                    }
                }
                if (progress && run.total >= nextReport) {
                    progress(run.written, run.total);
                    nextReport = run.total + ReportEvery;
                }
            }
        }
    }
    out.commit();
    if (progress)
        progress(run.written, run.total);
    return run;
}

GroupingRun filterListByGrouping(const DataDir& dir, const GroupingTest& test,
                                 const GroupingFilterProgress& progress) {
    const ListUndoPoint undo(dir, "Guruplamaya göre eleme");
    GroupingRun run;
    int32_t passed = 0;
    {
        // The backup holds the list with every record marked.
        ColumnReader in(dir, files::List);
        ColumnWriter marked(dir, files::OldList, defaultTempName(files::OldList));
        ColumnRecord r;
        while (in.next(r)) {
            const bool ok = test.passes(r.Ball);
            if (ok)
                ++passed;
            r.Tag = ok ? KeepMark : 0;
            marked.write(r);
            if (progress.judging)
                progress.judging(in.position(), passed);
        }
        marked.commit();
        run.total = in.position();
    }
    if (passed == 0) {
        dir.remove(files::List);
        return run;
    }
    ColumnReader in(dir, files::OldList);
    ColumnWriter out(dir, files::List, files::Temp);
    ColumnRecord r;
    while (in.next(r)) {
        if (r.Tag != KeepMark)
            continue;
        out.write(r);
        ++run.written;
        if (progress.writing)
            progress.writing(run.written, passed);
    }
    out.commit();
    return run;
}

} // namespace velmorix
