#pragma once

#include "SortedColumn.h"

#include "core/BallList.h"
#include "core/Game.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <new>
#include <utility>
#include <vector>

namespace velmorix {

class ColumnEvaluator;

// How many workers the candidate walks use: 0 (the default) means one per
// hardware thread. Tests force 1 or more to compare the outputs.
void setEngineWorkers(int count);
int engineWorkers();

// Runs fn(begin, end) over 0..count split into one contiguous part per
// worker, and returns when every part is done.
void forEachPart(std::size_t count, const std::function<void(std::size_t begin, std::size_t end)>& fn);

// The candidates of a build: every `slots`-combination of the free balls,
// after the bankers, in lexicographic order.
struct Candidates {
    std::vector<int> pool; // the free balls, ascending
    int freeSlots = 0;     // r: the positions left after the bankers
    ColumnMask bankers = 0;
    bool bankersValid = true; // else every candidate fails
};

// The free balls (the bag's balls of the game without the bankers) and the
// bankers, as a build takes them. A banker outside 1..N or a repeated one
// makes every candidate fail.
Candidates candidatesOf(const BagList& bag, const BankoList& bankers, const Game& game);

// Leaves the bytes a resize adds unset: a slice's records are written over
// them at once, and zeroing them first cost a tenth of a build.
template <class T> struct UnsetBytes : std::allocator<T> {
    template <class U> struct rebind { using other = UnsetBytes<U>; };
    template <class U> void construct(U* p) noexcept { ::new (static_cast<void*>(p)) U; }
    template <class U, class... Args> void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};

// What one slice of the candidates gave, in candidate order.
struct SliceOutput {
    std::vector<unsigned char, UnsetBytes<unsigned char>>
        records; // 16 stored bytes per passing column, when asked for
    int64_t examined = 0;
    int64_t passed = 0;
};

// Evaluates every candidate: the candidates are split into ordered slices,
// each evaluated by a worker of its own, and `take` hears every slice on the
// calling thread in candidate order, so what it sees does not depend on the
// number of workers. With `records` every passing column is handed out as a
// list record with `tag`. `take` returns false to stop early; the walk then
// returns false.
bool walkCandidates(const Candidates& candidates, const ColumnEvaluator& evaluator, bool records, int32_t tag,
                    const std::function<bool(const SliceOutput&)>& take);

} // namespace velmorix
