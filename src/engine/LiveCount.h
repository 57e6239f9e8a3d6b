#pragma once

#include "CandidateSlices.h"
#include "FilterParts.h"
#include "RunContext.h"
#include "RunData.h"

#include "core/BallList.h"
#include "core/FilterSelection.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velmorix {

// What a live count is asked about, taken from the filters window in one go.
struct LiveSelection {
    FilterSelection selection; // as ReadSelection gives it from the controls
    BagList bag;
    BankoList bankers;
    Game game;
};

// How many columns one filter removes from the candidates on its own. The
// repetition ban's figure is what it drops from the columns the other filters
// leave, since it judges the list, not single columns.
struct PartCount {
    FilterPart part = FilterPart::Sums;
    std::string name;
    int32_t removed = 0;

    bool operator==(const PartCount&) const = default;
};

struct LiveCountResult {
    int32_t total = 0;     // candidates: C(n, r) of the free bag balls
    int32_t survivors = 0; // the size of the list a build would write now
    bool partsDone = false;
    std::vector<PartCount> parts;
    std::string error; // a data file could not be read: nothing was counted
    // A bag with no combination or a single one: a build writes no list and
    // shows this message instead.
    std::string noList;
};

// Polled during a count; true ends it early.
using CancelCheck = std::function<bool()>;

// Counts, without writing anything, the columns a build of the current bag
// and bankers would keep: the same candidates in the same order, the same
// evaluator and run context, and the repetition ban on the survivors.
class LiveCounter {
public:
    // Prepares the run on `data` (a copy of the player's files).
    LiveCounter(const LiveSelection& request, const RunData& data);

    int32_t total() const { return m_total; }
    // The message a build shows instead of writing a list; empty when it writes one.
    const std::string& noList() const { return m_noList; }

    // The survivors; nothing when cancelled.
    std::optional<int32_t> survivors(const CancelCheck& cancelled = {}) const;
    // Every part's removals in evaluation order, the repetition ban last;
    // nothing when cancelled.
    std::optional<std::vector<PartCount>> parts(const CancelCheck& cancelled = {}) const;

private:
    struct Counted {
        int32_t passed = 0; // passing the evaluator
        int32_t kept = 0;   // and the repetition ban
    };
    std::optional<Counted> count(const FilterSelection& selection, bool withBan,
                                 const CancelCheck& cancelled) const;
    std::optional<Counted> wholeSelection(const CancelCheck& cancelled) const;

    FilterSelection m_selection; // prepared
    RunContext m_context;
    Candidates m_candidates;
    int32_t m_total = 0;
    std::string m_noList;
    mutable std::optional<Counted> m_whole; // the whole selection, once counted
};

// Both steps at once (tests and the batch-like callers).
LiveCountResult countLive(const LiveSelection& request, const RunData& data);

// "Tahmini Uygun Kombinasyon = " & Str(n)
std::string liveCountLabel(int64_t survivors);

} // namespace velmorix
