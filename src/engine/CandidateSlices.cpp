#include "CandidateSlices.h"

#include "CandidateWalk.h"
#include "ColumnEvaluator.h"
#include "ListStream.h"

#include "core/AppState.h"
#include "core/ColumnRecord.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace velmorix {

namespace {

std::atomic<int> forcedWorkers{0};

// A slice holds about this many candidates: small enough that the slices in
// flight stay a few megabytes, large enough that handing them out costs nothing.
constexpr int64_t SliceCandidates = 1 << 17;

// The first positions fixed by a slice: the rest of each slice is an ordinary walk.
struct Prefix {
    std::array<uint8_t, 3> index{};
};

struct Plan {
    int depth = 0;
    std::vector<Prefix> prefixes;
    std::vector<std::size_t> sliceStart; // first prefix of each slice, then the end
};

int64_t choose(int n, int k) {
    if (k < 0 || k > n)
        return 0;
    int64_t c = 1;
    for (int i = 0; i < k; ++i)
        c = c * (n - i) / (i + 1);
    return c;
}

Plan plan(const Candidates& c) {
    Plan p;
    const int n = static_cast<int>(c.pool.size());
    p.depth = std::min(3, c.freeSlots - 1);
    const int rest = c.freeSlots - p.depth;
    std::array<int, 3> idx{};
    int64_t inSlice = 0;
    p.sliceStart.push_back(0);
    // Every prefix of `depth` pool indices that leaves at least `rest` balls after it.
    auto visit = [&](auto&& self, int level, int from) -> void {
        if (level == p.depth) {
            const int left = n - (p.depth == 0 ? 0 : idx[static_cast<std::size_t>(p.depth - 1)] + 1);
            Prefix prefix;
            for (int t = 0; t < p.depth; ++t)
                prefix.index[static_cast<std::size_t>(t)] =
                    static_cast<uint8_t>(idx[static_cast<std::size_t>(t)]);
            if (inSlice >= SliceCandidates) {
                p.sliceStart.push_back(p.prefixes.size());
                inSlice = 0;
            }
            p.prefixes.push_back(prefix);
            inSlice += choose(left, rest);
            return;
        }
        for (int i = from; i <= n - (c.freeSlots - level); ++i) {
            idx[static_cast<std::size_t>(level)] = i;
            self(self, level + 1, i + 1);
        }
    };
    visit(visit, 0, 0);
    p.sliceStart.push_back(p.prefixes.size());
    return p;
}

void runSlice(const Candidates& c, const Plan& p, std::size_t slice, const ColumnEvaluator& evaluator,
              bool records, int32_t tag, SliceOutput& out) {
    out.records.clear();
    // Counted here, not in `out`: the records written through byte pointers
    // would make every count a load and a store.
    int64_t examined = 0, passed = 0;
    const bool rest = evaluator.hasRest();
    const int n = static_cast<int>(c.pool.size());
    for (std::size_t k = p.sliceStart[slice]; k < p.sliceStart[slice + 1]; ++k) {
        const Prefix& prefix = p.prefixes[k];
        ColumnMask fixed = c.bankers;
        int from = 0;
        for (int t = 0; t < p.depth; ++t) {
            const int i = prefix.index[static_cast<std::size_t>(t)];
            fixed |= ballBit(c.pool[static_cast<std::size_t>(i)]);
            from = i + 1;
        }
        CandidateWalk walk(c.pool.data() + from, n - from, c.freeSlots - p.depth, fixed);
        for (;;) {
            examined += walk.lastCount();
            const ColumnMask sixth = c.bankersValid ? evaluator.sixthBalls(walk.five(), walk.lastBalls()) : 0;
            if (sixth != 0 && !rest && !records) {
                passed += ballCount(sixth);
            } else if (sixth != 0) {
                // The five balls once, ascending. The sixth balls come ascending too,
                // so the place where each goes in only moves right.
                const ColumnMask five = walk.five();
                int fiveBalls[5];
                ascendingBalls(five, fiveBalls, 5);
                SortedColumn column;
                for (std::size_t i = 0; i < 5; ++i)
                    column.b[i + 1] = fiveBalls[i];
                std::size_t at = 0;
                const std::size_t start = out.records.size();
                unsigned char* record = nullptr;
                if (records) {
                    out.records.resize(start +
                                       static_cast<std::size_t>(ballCount(sixth)) * ColumnRecord::Size);
                    record = out.records.data() + start;
                }
                for (ColumnMask x = sixth; x; x &= x - 1) {
                    const int ball = lowestBall(x);
                    while (at < 5 && fiveBalls[at] < ball) {
                        column.b[at] = fiveBalls[at];
                        ++at;
                    }
                    column.b[at] = ball;
                    if (rest) {
                        column.mask = five | ballBit(ball);
                        if (!evaluator.passesRest(column))
                            continue;
                    }
                    ++passed;
                    if (records) {
                        ListWriter::encode(record, tag, column.b.data());
                        record += ColumnRecord::Size;
                    }
                }
                if (records)
                    out.records.resize(static_cast<std::size_t>(record - out.records.data()));
            }
            if (!walk.next())
                break;
        }
    }
    out.examined = examined;
    out.passed = passed;
}

} // namespace

Candidates candidatesOf(const BagList& bag, const BankoList& bankers, const Game& game) {
    Candidates c;
    std::array<bool, kMaxBalls + 1> avail{};
    for (int i = 1; i <= bag.count(); ++i)
        if (game.isBall(bag[i]))
            avail[static_cast<std::size_t>(bag[i])] = true;
    for (int i = 1; i <= bankers.count(); ++i) {
        const int k = bankers[i];
        if (!game.isBall(k) || ((c.bankers >> k) & 1u)) {
            c.bankersValid = false;
            continue;
        }
        avail[static_cast<std::size_t>(k)] = false;
        c.bankers |= ballBit(k);
    }
    for (int b = 1; b <= game.balls(); ++b)
        if (avail[static_cast<std::size_t>(b)])
            c.pool.push_back(b);
    c.freeSlots = 6 - bankers.count();
    return c;
}

void setEngineWorkers(int count) {
    forcedWorkers = std::max(count, 0);
}

int engineWorkers() {
    const int forced = forcedWorkers.load();
    if (forced > 0)
        return forced;
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

void forEachPart(std::size_t count, const std::function<void(std::size_t, std::size_t)>& fn) {
    const auto workers = std::min<std::size_t>(static_cast<std::size_t>(engineWorkers()), count);
    if (workers <= 1) {
        fn(0, count);
        return;
    }
    std::vector<std::thread> threads;
    threads.reserve(workers - 1);
    const std::size_t part = (count + workers - 1) / workers;
    for (std::size_t w = 1; w < workers; ++w)
        threads.emplace_back(fn, std::min(count, w * part), std::min(count, (w + 1) * part));
    fn(0, std::min(count, part));
    for (std::thread& t : threads)
        t.join();
}

bool walkCandidates(const Candidates& c, const ColumnEvaluator& evaluator, bool records, int32_t tag,
                    const std::function<bool(const SliceOutput&)>& take) {
    if (c.freeSlots < 1 || c.freeSlots > static_cast<int>(c.pool.size()))
        return true;
    const Plan p = plan(c);
    const std::size_t slices = p.sliceStart.size() - 1;
    const auto workers =
        static_cast<std::size_t>(std::min<int64_t>(engineWorkers(), static_cast<int64_t>(slices)));
    if (workers <= 1) {
        SliceOutput out;
        for (std::size_t s = 0; s < slices; ++s) {
            runSlice(c, p, s, evaluator, records, tag, out);
            if (!take(out))
                return false;
        }
        return true;
    }

    // A ring of slices in flight: a worker takes the next slice only while it
    // is less than a ring ahead of the one being handed out.
    struct Slot {
        SliceOutput out;
        std::size_t done = SIZE_MAX; // the slice whose output the slot holds
    };
    const std::size_t ring = 2 * workers + 2;
    std::vector<Slot> slots(ring);
    std::mutex mutex;
    std::condition_variable changed;
    std::size_t nextSlice = 0, handedOut = 0;
    bool stop = false;

    auto work = [&] {
        for (;;) {
            std::size_t s = 0;
            {
                std::unique_lock lock(mutex);
                changed.wait(lock,
                             [&] { return stop || nextSlice >= slices || nextSlice < handedOut + ring; });
                if (stop || nextSlice >= slices)
                    return;
                s = nextSlice++;
            }
            Slot& slot = slots[s % ring];
            runSlice(c, p, s, evaluator, records, tag, slot.out);
            {
                const std::lock_guard lock(mutex);
                slot.done = s;
            }
            changed.notify_all();
        }
    };
    // Stops and joins the workers however the hand-out ends (a failed write throws).
    struct Workers {
        std::vector<std::thread> threads;
        std::function<void()> halt;
        ~Workers() {
            halt();
            for (std::thread& t : threads)
                t.join();
        }
    } team;
    team.halt = [&] {
        {
            const std::lock_guard lock(mutex);
            stop = true;
        }
        changed.notify_all();
    };
    team.threads.reserve(workers);
    for (std::size_t w = 0; w < workers; ++w)
        team.threads.emplace_back(work);

    bool completed = true;
    for (std::size_t s = 0; s < slices; ++s) {
        Slot& slot = slots[s % ring];
        {
            std::unique_lock lock(mutex);
            changed.wait(lock, [&] { return slot.done == s; });
        }
        const bool goOn = take(slot.out);
        {
            const std::lock_guard lock(mutex);
            handedOut = s + 1;
            stop = !goOn;
        }
        changed.notify_all();
        if (!goOn) {
            completed = false;
            break;
        }
    }
    return completed;
}

} // namespace velmorix
