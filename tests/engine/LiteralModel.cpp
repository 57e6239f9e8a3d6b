#include "LiteralModel.h"

#include "core/ColumnFile.h"
#include "core/SafeFile.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace velmorix::literal {

namespace {

constexpr int16_t True = -1;
constexpr int16_t False = 0;

// The mark table over balls 0..49; a data ball outside that range is simply not marked.
struct Marks {
    std::array<bool, 50> m{};
    bool operator()(int v) const { return v >= 0 && v <= 49 && m[static_cast<std::size_t>(v)]; }
};

int32_t longCount(int64_t length, int64_t size) {
    // length / size taken to the nearest whole number, halves to even.
    const double q = static_cast<double>(length) / static_cast<double>(size);
    double r = std::floor(q);
    const double diff = q - r;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(r, 2.0) != 0.0))
        r += 1;
    return static_cast<int32_t>(r);
}

// Shares at least `6 - T` balls with one of `records`: "remaining" counts down.
bool similar(const std::vector<ColumnRecord>& records, const Marks& marked, int T) {
    for (const auto& r : records) {
        int remaining = 6;
        for (int16_t v : r.Ball)
            if (marked(v)) {
                remaining = remaining - 1;
                if (remaining <= T)
                    return true;
            }
    }
    return false;
}

bool otherFiltersTest(const FilterSelection& s, const Context& ctx, const std::array<int, 7>& b,
                      const Marks& marked) {
    if (s.ChaosOn == 0) {
        if (s.OddEvenBan != 0) {
            int even = 0;
            for (int i = 1; i <= 6; ++i)
                if (b[i] % 2 == 0)
                    ++even;
            if (even == 0 || even == 6)
                return false;
        }
        if (s.HalfSplitBan != 0) {
            int big = 0;
            for (int i = 1; i <= 6; ++i)
                if (b[i] > 25)
                    ++big;
            if (big == 0 || big == 6)
                return false;
        }
        if (s.LastDigitMax3 != 0) {
            for (int i = 1; i <= 3; ++i) {
                int count = 0;
                for (int j = i + 1; j <= 6; ++j) {
                    const int d = b[j] - b[i];
                    if (d == 10 || d == 20 || d == 30 || d == 40)
                        ++count;
                }
                if (count > 2)
                    return false;
            }
        }
        if (s.DecadesMin3 != 0) {
            std::array<int, 5> n{};
            for (int i = 1; i <= 6; ++i)
                ++n[static_cast<std::size_t>(b[i] / 10)];
            int used = 0;
            for (int c : n)
                if (c > 0)
                    ++used;
            if (used < 3)
                return false;
        }
        if (s.DecadeShapeBan != 0) {
            std::array<int, 5> mine{};
            for (int i = 1; i <= 6; ++i)
                ++mine[static_cast<std::size_t>(b[i] / 10)];
            for (const auto& r : ctx.results) {
                std::array<int, 5> theirs{};
                for (int16_t v : r.Ball) {
                    const int g = static_cast<int>(std::floor(v / 10.0));
                    if (g >= 0 && g <= 4)
                        ++theirs[static_cast<std::size_t>(g)];
                }
                if (theirs == mine)
                    return false;
            }
        }
        if (s.DiffRepeatMax2 != 0) {
            for (int d = 1; d <= 16; ++d) {
                int count = 0;
                for (int i = 1; i <= 5; ++i)
                    for (int j = i + 1; j <= 6; ++j)
                        if (b[j] - b[i] == d)
                            ++count;
                if (count > 2)
                    return false;
            }
        }
    }
    if (s.LastTwoWeeksLink != 0) {
        bool any = false;
        for (int i = 1; i <= 6; ++i)
            for (int k = 1; k <= 12; ++k)
                if (b[i] == s.LastWeeks[static_cast<std::size_t>(k)])
                    any = true;
        if (!any)
            return false;
    }
    if (s.LastWeekMax2 != 0) {
        int count = 0;
        for (int i = 1; i <= 6; ++i) {
            bool found = false;
            for (int k = 7; k <= 12; ++k)
                if (b[i] == s.LastWeeks[static_cast<std::size_t>(k)])
                    found = true;
            if (found)
                ++count;
        }
        if (count > 2)
            return false;
    }
    if (s.LastWeekSpanBan > 0 && b[6] - b[1] == s.LastWeekSpanBan)
        return false;
    if (s.GapPatternBan != 0) {
        for (const auto& r : ctx.results) {
            bool same = true;
            for (std::size_t t = 0; t < 5; ++t)
                if (r.Ball[t + 1] - r.Ball[t] != b[t + 2] - b[t + 1])
                    same = false;
            if (same)
                return false;
        }
    }
    if (s.SumRepeatBan != 0) {
        const int sum = b[1] + b[2] + b[3] + b[4] + b[5] + b[6];
        for (const auto& r : ctx.results) {
            int rs = 0;
            for (int16_t v : r.Ball)
                rs += v;
            if (rs == sum)
                return false;
        }
    }
    if (s.ResultsMin3Link != 0) {
        bool linked = false;
        for (const auto& r : ctx.results) {
            int shared = 0;
            for (int16_t v : r.Ball)
                if (marked(v))
                    ++shared;
            if (shared >= 3) {
                linked = true;
                break;
            }
        }
        if (!linked)
            return false;
    }
    return true;
}

// The chain test of the math relations and of chaos rules 3, 5 and 6: for a
// start i = 1..4, count how many later balls continue the chain; fail when the
// count reaches `failAt`.
bool chain(const std::array<int, 7>& b, bool multiply, int by, int failAt) {
    for (int i = 1; i <= 4; ++i) {
        int count = 0;
        int step = by;
        for (int j = i + 1; j <= 6; ++j) {
            const bool hit = multiply ? b[j] == b[i] * step : b[j] == b[i] + step;
            if (hit) {
                count = count + 1;
                if (count == failAt)
                    return true;
                step = multiply ? step * by : step + by;
            }
        }
    }
    return false;
}

} // namespace

bool chaosRuleFails(int rule, const std::array<int, 7>& b) {
    switch (rule) {
    case 1:
        return !(b[1] <= 17 && b[6] >= 26);
    case 2: {
        const int P[] = {1, 2, 3, 5, 7, 11, 12, 17, 19, 23, 29, 31, 37, 41, 47};
        for (int i = 1; i <= 6; ++i)
            for (int p : P)
                if (b[i] == p)
                    return false;
        return true;
    }
    case 3:
        return chain(b, false, 1, 2) || chain(b, false, 2, 2);
    case 4:
        for (int d = 1; d <= 16; ++d) {
            int count = 0;
            for (int i = 1; i <= 5; ++i)
                for (int j = i + 1; j <= 6; ++j)
                    if (b[j] - b[i] == d)
                        ++count;
            if (count > 2)
                return true;
        }
        return false;
    case 5:
        return b[1] < 13 && chain(b, true, 2, 2);
    case 6:
        return b[1] < 6 && chain(b, true, 3, 2);
    case 7: {
        int count = 0;
        for (int i = 1; i <= 6; ++i) {
            int digit = b[i];
            if (b[i] >= 40)
                digit = b[i] - 40;
            else if (b[i] >= 30)
                digit = b[i] - 30;
            else if (b[i] >= 20)
                digit = b[i] - 20;
            else if (b[i] >= 10)
                digit = b[i] - 10;
            if (digit > 4)
                ++count;
        }
        return count == 0 || count == 6;
    }
    case 8:
    case 9: {
        std::array<int, 5> n{};
        for (int i = 1; i <= 6; ++i)
            ++n[static_cast<std::size_t>(b[i] / 10)];
        if (rule == 8)
            return std::any_of(n.begin(), n.end(), [](int c) { return c > 3; });
        return std::count_if(n.begin(), n.end(), [](int c) { return c > 0; }) < 3;
    }
    case 10: {
        int small = 0, tens = 0;
        for (int i = 1; i <= 5; ++i)
            for (int j = i + 1; j <= 6; ++j) {
                const int d = b[j] - b[i];
                if (d <= 5)
                    ++small;
                if (d >= 10 && d <= 19)
                    ++tens;
            }
        return !(small >= 2 && tens >= 1);
    }
    case 11: {
        int even = 0;
        for (int i = 1; i <= 6; ++i)
            if (b[i] % 2 == 0)
                ++even;
        return even == 0 || even == 6;
    }
    default:
        return false;
    }
}

bool chaosTest(const std::array<int, 7>& CurColumn) {
    for (int rule = 1; rule <= 11; ++rule)
        if (chaosRuleFails(rule, CurColumn))
            return false;
    return true;
}

bool evaluateColumn(const FilterSelection& s, const Context& ctx, ColumnRecord& ColRec) {
    std::array<int, 7> CurColumn{};
    Marks marked;
    for (std::size_t i = 0; i < 6; ++i) {
        const int v = ColRec.Ball[i];
        if (v < 1 || v > 49 || marked(v))
            return false; // a hand-made column fails
        marked.m[static_cast<std::size_t>(v)] = true;
    }
    int sum = 0;
    std::array<int, 5> decade{};
    int k = 0;
    for (int v = 1; v <= 49; ++v)
        if (marked(v)) {
            CurColumn[static_cast<std::size_t>(++k)] = v;
            if (s.SumRule[0] != 0)
                sum += v;
            if (s.DecadeFilterOn != 0)
                ++decade[static_cast<std::size_t>(v < 10 ? 0 : v / 10)];
        }
    if (s.SumRule[0] != 0 && !(s.SumRule[1] <= sum && sum <= s.SumRule[2]))
        return false;
    if (s.DecadeFilterOn != 0) {
        for (std::size_t d = 0; d < 5; ++d)
            if (s.DecadeRule[d][static_cast<std::size_t>(decade[d])] == 0)
                return false;
        if (s.DecadeHitOn != 0) {
            bool hit = false;
            for (int c : decade)
                if (c == s.DecadeHitCount)
                    hit = true;
            if (!hit)
                return false;
        }
    }
    if (s.ForbiddenPairsOn != 0)
        for (std::size_t i = 0; i < 5; ++i)
            for (std::size_t j = i + 1; j < 6; ++j)
                if (ctx.PairMatrix(ColRec.Ball[i], ColRec.Ball[j]) > 0)
                    return false;
    if (s.MathRelOff == 0) {
        for (int kk = 0; kk <= 22; ++kk) {
            const int L = s.MathRelPlus[static_cast<std::size_t>(kk)];
            if (L > 0 && chain(CurColumn, false, kk + 1, L + 1))
                return false;
        }
        if (s.MathRelDouble > 0 && chain(CurColumn, true, 2, s.MathRelDouble + 1))
            return false;
        if (s.MathRelTriple > 0 && chain(CurColumn, true, 3, s.MathRelTriple + 1))
            return false;
    } else if (s.ChaosOn != 0 && !chaosTest(CurColumn)) {
        return false;
    }
    if (s.ResultLimit >= 0 && similar(ctx.results, marked, s.ResultLimit))
        return false;
    if (s.PlayedLimit >= 0 && similar(ctx.played, marked, s.PlayedLimit))
        return false;
    if (s.SextetLimit >= 0 && similar(ctx.sextets, marked, s.SextetLimit))
        return false;
    if (s.OtherFiltersOn != 0 && !otherFiltersTest(s, ctx, CurColumn, marked))
        return false;
    for (std::size_t i = 0; i < 6; ++i)
        ColRec.Ball[i] = static_cast<int16_t>(CurColumn[i + 1]);
    return true;
}

Context prepare(FilterSelection& s, const DataDir& dir) {
    Context ctx;
    if (s.ForbiddenPairsOn != 0 && dir.exists(files::Pairs)) {
        const int32_t count = longCount(dir.fileSize(files::Pairs), 2);
        if (count >= 1 && count <= 1176) {
            auto bytes = readWholeFile(dir, files::Pairs);
            bytes.resize(static_cast<std::size_t>(count) * 2, 0);
            for (int32_t i = 0; i < count; ++i) {
                const auto value = static_cast<int16_t>(
                    static_cast<uint16_t>(bytes[2 * static_cast<std::size_t>(i)] |
                                          (bytes[2 * static_cast<std::size_t>(i) + 1] << 8)));
                const int a = static_cast<int>(std::floor(value / 50.0));
                const int b = value - 50 * a;
                if (a >= 1 && a <= 49 && b >= 1 && b <= 49) {
                    ctx.PairMatrix(a, b) = 1;
                    ctx.PairMatrix(b, a) = 1;
                }
            }
        }
    }
    auto openList = [&](const char* name, int16_t& limit, std::vector<ColumnRecord>& into) {
        if (limit < 0)
            return;
        if (dir.exists(name) && longCount(dir.fileSize(name), 16) >= 1) {
            into = readAllRecords(dir, name);
        } else {
            if (dir.exists(name))
                dir.remove(name);
            limit = -1;
        }
    };
    openList(files::Sextets, s.SextetLimit, ctx.sextets);
    openList(files::Played, s.PlayedLimit, ctx.played);

    int32_t ResCount = 0;
    if (dir.exists(files::Results)) {
        ResCount = longCount(dir.fileSize(files::Results), 16);
        if (ResCount == 0) {
            s.ResultLimit = -1;
            dir.remove(files::Results);
        }
        if (s.ResultLimit >= 0) {
            // opened
        } else if (ResCount > 0 && (s.LastTwoWeeksLink != 0 || s.LastWeekMax2 != 0 || s.GapPatternBan != 0 ||
                                    s.SumRepeatBan != 0 || s.DecadeShapeBan != 0 || s.ResultsMin3Link != 0 ||
                                    s.LastWeekSpanBan == -1)) {
            // opened
        } else {
            ResCount = 0;
        }
    } else {
        s.ResultLimit = -1;
        ResCount = 0;
    }
    if (ResCount > 0)
        ctx.results = readAllRecords(dir, files::Results);
    ctx.results.resize(static_cast<std::size_t>(ResCount));

    auto record = [&](int32_t n) { return ctx.results[static_cast<std::size_t>(n - 1)]; };
    if (s.LastTwoWeeksLink == -1) {
        if (ResCount < 2) {
            s.LastTwoWeeksLink = False;
            s.LastWeekMax2 = False;
        } else {
            for (std::size_t i = 0; i < 6; ++i) {
                s.LastWeeks[1 + i] = record(ResCount - 1).Ball[i];
                s.LastWeeks[7 + i] = record(ResCount).Ball[i];
            }
        }
    } else if (s.LastWeekMax2 == -1) {
        if (ResCount < 1)
            s.LastWeekMax2 = False;
        else
            for (std::size_t i = 0; i < 6; ++i)
                s.LastWeeks[7 + i] = record(ResCount).Ball[i];
    }
    if (s.LastWeekSpanBan == -1) {
        const int span = ResCount >= 1 ? record(ResCount).Ball[5] - record(ResCount).Ball[0] : 0;
        s.LastWeekSpanBan = static_cast<int16_t>(std::clamp(span, -32768, 32767));
    }
    if (ResCount < 1) {
        if (s.GapPatternBan == -1)
            s.GapPatternBan = False;
        if (s.SumRepeatBan == -1)
            s.SumRepeatBan = False;
        if (s.DecadeShapeBan == -1)
            s.DecadeShapeBan = False;
        if (s.ResultsMin3Link == -1)
            s.ResultsMin3Link = False;
    }
    (void)True;
    return ctx;
}

namespace {

// Pairwise repetition ban over the list: a record is compared only with the
// earlier ones that are still unmarked.
void pairwiseBan(std::vector<ColumnRecord>& list, int level) {
    for (std::size_t i = 0; i + 1 < list.size(); ++i) {
        if (list[i].Tag == -1)
            continue;
        const auto cur = list[i].Ball;
        for (std::size_t j = i + 1; j < list.size(); ++j) {
            if (list[j].Tag == -1)
                continue; // an earlier mark stays; its count does not matter
            int count = 0;
            for (int16_t v : list[j].Ball)
                if (std::find(cur.begin(), cur.end(), v) != cur.end())
                    ++count;
            if (count >= level)
                list[j].Tag = -1;
        }
    }
}

void writeList(const DataDir& dir, const std::vector<ColumnRecord>& list) {
    std::vector<unsigned char> bytes(list.size() * 16);
    for (std::size_t i = 0; i < list.size(); ++i)
        list[i].encode(bytes.data() + 16 * i);
    std::ofstream f(dir.path(files::List), std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

} // namespace

BuildOutcome build(AppState& state, const DataDir& dir) {
    BuildOutcome out;
    FilterSelection& s = state.Selection;
    if (s.ChaosOn != 0)
        s.MathRelOff = True;
    std::array<int, 50> Avail{};
    int n = 0;
    if (state.BagBalls.count() >= 1) {
        for (int i = 1; i <= state.BagBalls.count(); ++i)
            Avail[static_cast<std::size_t>(state.BagBalls[i])] = state.BagBalls[i];
        n = state.BagBalls.count();
        for (int i = 1; i <= state.BankoBalls.count(); ++i) {
            const int k = state.BankoBalls[i];
            if (Avail[static_cast<std::size_t>(k)] > 0) {
                n = n - 1;
                Avail[static_cast<std::size_t>(k)] = 0;
            }
        }
    }
    const int r = 6 - state.BankoBalls.count();
    out.total = CombinationCount(n, r);
    if (out.total <= 1)
        return out;
    if (dir.exists(files::List)) {
        const auto bytes = readWholeFile(dir, files::List);
        std::ofstream f(dir.path(files::OldList), std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    const Context ctx = prepare(s, dir);

    std::vector<ColumnRecord> list;
    const int k = state.BankoBalls.count();
    std::array<int, 7> balls{};
    for (int i = 1; i <= k; ++i)
        balls[static_cast<std::size_t>(i)] = state.BankoBalls[i];
    // Position t runs from the previous ball + 1 to 49 - r + t, taking only available balls.
    auto walk = [&](auto&& self, int t, int from) -> void {
        if (t > r) {
            ++out.examined;
            ColumnRecord rec;
            for (std::size_t i = 0; i < 6; ++i)
                rec.Ball[i] = static_cast<int16_t>(balls[i + 1]);
            if (evaluateColumn(s, ctx, rec)) {
                rec.Tag = k >= 1 ? 0 : KeepMark;
                list.push_back(rec);
            }
            return;
        }
        for (int v = from; v <= 49 - r + t; ++v)
            if (Avail[static_cast<std::size_t>(v)] > 0) {
                balls[static_cast<std::size_t>(k + t)] = v;
                self(self, t + 1, v + 1);
            }
    };
    walk(walk, 1, 1);

    state.RecNo = out.examined;
    if (s.RepeatBanLevel >= 2 && s.RepeatBanLevel <= 5 && list.size() >= 2) {
        pairwiseBan(list, s.RepeatBanLevel);
        std::erase_if(list, [](const ColumnRecord& rec) { return rec.Tag == -1; });
        state.RecNo = static_cast<int32_t>(list.size()); // the compaction counts in RecNo
    }
    writeList(dir, list);
    out.built = true;
    return out;
}

bool filter(AppState& state, const DataDir& dir, bool useBag) {
    std::vector<ColumnRecord> list = readAllRecords(dir, files::List);
    if (list.empty())
        return false;
    FilterSelection& s = state.Selection;
    if (s.ChaosOn != 0)
        s.MathRelOff = True;
    std::array<bool, 50> Avail{};
    if (state.BagBalls.count() <= 0) {
        std::fill(Avail.begin() + 1, Avail.end(), true);
    } else {
        for (int i = 1; i <= state.BagBalls.count(); ++i)
            Avail[static_cast<std::size_t>(state.BagBalls[i])] = true;
        for (int i = 1; i <= state.BankoBalls.count(); ++i)
            Avail[static_cast<std::size_t>(state.BankoBalls[i])] = true;
    }
    const int bag = state.BagBalls.count();
    const bool bankers = state.BankoBalls.count() > 0;
    const bool wholeBag = bag <= 0 || bag == 49;
    if (useBag && (bankers || !wholeBag)) {
        for (auto& rec : list) {
            bool drop = false;
            if (bankers)
                for (int i = 1; i <= state.BankoBalls.count(); ++i)
                    if (std::find(rec.Ball.begin(), rec.Ball.end(), state.BankoBalls[i]) == rec.Ball.end())
                        drop = true;
            if (!wholeBag)
                for (int16_t v : rec.Ball)
                    if (v < 1 || v > 49 || !Avail[static_cast<std::size_t>(v)])
                        drop = true;
            if (drop)
                rec.Tag = -1;
        }
    }
    const Context ctx = prepare(s, dir);
    for (auto& rec : list)
        if (rec.Tag >= 0) {
            ColumnRecord copy = rec;
            if (!evaluateColumn(s, ctx, copy))
                rec.Tag = -1;
        }
    if (s.RepeatBanLevel != 0)
        pairwiseBan(list, s.RepeatBanLevel);
    std::erase_if(list, [](const ColumnRecord& rec) { return rec.Tag == -1; });
    state.RecNo = static_cast<int32_t>(list.size());
    writeList(dir, list);
    return true;
}

} // namespace velmorix::literal
