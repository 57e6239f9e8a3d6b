#include "QuantumListFilter.h"

#include "core/BallMask.h"

#include "core/ColumnFile.h"
#include "core/ListUndo.h"
#include "core/Random.h"
#include "core/SafeFile.h"

#include <algorithm>
#include <vector>

namespace velmorix {

namespace {

std::size_t ix(int i) {
    return static_cast<std::size_t>(i);
}

} // namespace

QuantumColumnTest::QuantumColumnTest(const QuantumSettings& s, const Game& game)
    : m_game(game), m_min(s.GKMIN), m_max(s.GKMAX), m_groups(s.GB0 != 0),
      m_topEnd(s.GB1 != 0 ? s.Rtor[0] : 12),
      m_bottomFrom(game.balls() + 1 - (s.GB1 != 0 ? s.Rtor[ix(game.balls() + 1)] : 12)),
      m_topMin(s.GB1 != 0 ? s.gi6kmin : s.gi12kmin), m_topMax(s.GB1 != 0 ? s.gi6kmax : s.gi12kmax),
      m_bottomMin(s.GB1 != 0 ? s.gs6kmin : s.gs12kmin), m_bottomMax(s.GB1 != 0 ? s.gs6kmax : s.gs12kmax) {
    // The first rank a ball appears at; a ball missing from the ranking adds nothing.
    for (int p = game.balls(); p >= 1; --p) {
        const int ball = s.Rtor[ix(p)];
        if (game.isBall(ball))
            m_rankOf[ix(ball)] = p;
    }
}

int QuantumColumnTest::kuantum(const std::array<int16_t, 6>& balls) const {
    ColumnMask seen = 0;
    int k = 0;
    for (int16_t b : balls)
        if (m_game.isBall(b) && !hasBall(seen, b)) {
            seen |= ballBit(b);
            k += m_rankOf[ix(b)];
        }
    return k;
}

std::optional<int> QuantumColumnTest::passes(const std::array<int16_t, 6>& balls) const {
    if (!isGameColumn(m_game, balls))
        return std::nullopt;
    const int k = kuantum(balls);
    if (k > m_max || k < m_min)
        return std::nullopt;
    if (m_groups) {
        int top = 0;
        int bottom = 0;
        for (int16_t b : balls) {
            const int rank = m_rankOf[ix(b)];
            top += rank >= 1 && rank <= m_topEnd;
            bottom += rank >= m_bottomFrom && rank <= m_game.balls();
        }
        if (top < m_topMin || top > m_topMax || bottom < m_bottomMin || bottom > m_bottomMax)
            return std::nullopt;
    }
    return k;
}

QuantumRandomRun buildRandomQuantumList(const DataDir& dir, const QuantumSettings& settings, int32_t target,
                                        int32_t maxTries, Random& random,
                                        const std::function<void(int32_t, int32_t)>& progress,
                                        const Game& game) {
    const QuantumColumnTest test(settings, game);
    const ListUndoPoint undo(dir, "Kuantum listesi yapma");
    if (dir.exists(files::List))
        copyFileSafe(dir, files::List, files::OldList);
    QuantumRandomRun run;
    ColumnWriter out(dir, files::List, files::Temp);
    do {
        if (progress)
            progress(run.written, run.tries);
        // Six draws without replacement from the balls in rank order.
        std::vector<int16_t> pool(settings.Rtor.begin() + 1, settings.Rtor.begin() + game.balls() + 1);
        std::array<int16_t, 6> balls{};
        for (auto& b : balls) {
            auto index = static_cast<std::size_t>(random.next() * static_cast<double>(pool.size()));
            index = std::min(index, pool.size() - 1);
            b = pool[index];
            pool.erase(pool.begin() + static_cast<std::ptrdiff_t>(index));
        }
        if (const auto k = test.passes(balls)) {
            std::sort(balls.begin(), balls.end());
            ColumnRecord rec;
            rec.Tag = *k;
            rec.Ball = balls;
            out.write(rec);
            ++run.written;
        }
        ++run.tries;
    } while (run.written < target && run.tries < maxTries);
    out.commit();
    return run;
}

int32_t eliminateByQuantum(const DataDir& dir, const QuantumSettings& settings,
                           const std::function<void(int32_t, int32_t)>& progress, const Game& game) {
    const QuantumColumnTest test(settings, game);
    const ListUndoPoint undo(dir, "Kuantum elemesi");
    copyFileSafe(dir, files::List, files::OldList);
    if (recordCount(dir, files::List) < 1) {
        dir.remove(files::List);
        return 0;
    }
    int32_t record = 0;
    int32_t written = 0;
    rewriteList(dir, files::List, files::Temp, [&](ColumnRecord& r) {
        if (progress)
            progress(++record, written);
        const auto k = test.passes(r.Ball);
        if (!k)
            return false;
        std::sort(r.Ball.begin(), r.Ball.end());
        r.Tag = *k;
        ++written;
        return true;
    });
    return written;
}

int32_t eliminateByKuantum(const DataDir& dir, const QuantumSettings& settings,
                           const std::function<bool(int)>& survives,
                           const KuantumEliminationProgress& progress, const Game& game) {
    const QuantumColumnTest test(settings, game);
    auto judge = [&](const ColumnRecord& r) -> std::optional<int> {
        if (!isGameColumn(game, r.Ball))
            return std::nullopt;
        const int k = test.kuantum(r.Ball);
        return survives(k) ? std::optional<int>(k) : std::nullopt;
    };
    const ListUndoPoint undo(dir, "Kuantum değerlerine göre eleme");
    copyFileSafe(dir, files::List, files::OldList);
    int32_t remaining = 0;
    {
        ColumnReader in(dir, files::List);
        remaining = in.count();
        ColumnRecord r;
        while (in.next(r)) {
            if (!judge(r))
                --remaining;
            if (progress.judging)
                progress.judging(remaining, in.position());
        }
    }
    if (remaining == 0) {
        dir.remove(files::List);
        return 0;
    }
    int32_t written = 0;
    rewriteList(dir, files::List, files::Temp, [&](ColumnRecord& r) {
        const auto k = judge(r);
        if (!k)
            return false;
        r.Tag = *k;
        ++written;
        if (progress.writing)
            progress.writing(written, remaining);
        return true;
    });
    return written;
}

} // namespace velmorix
