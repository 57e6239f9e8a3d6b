#include "LiveCount.h"

#include "ColumnEvaluator.h"
#include "ListStream.h"
#include "ListTexts.h"
#include "RepetitionBan.h"
#include "SortedColumn.h"

#include "core/AppState.h"
#include "core/FileError.h"
#include "core/Numbers.h"

namespace velmorix {

LiveCounter::LiveCounter(const LiveSelection& request, const RunData& data) : m_selection(request.selection) {
    // As a build: the chaos filters replace the math relations.
    if (m_selection.ChaosOn != 0)
        m_selection.MathRelOff = -1;

    // Free balls: the bag without the bankers, ascending, as a build takes them.
    m_candidates = candidatesOf(request.bag, request.bankers, request.game);
    const std::vector<int>& pool = m_candidates.pool;
    const int slots = m_candidates.freeSlots;
    m_total = CombinationCount(static_cast<int>(pool.size()), slots);
    if (m_total == 0) {
        m_noList = listtexts::nothingToList(static_cast<int>(pool.size()), slots, m_total).text;
    } else if (m_total == 1) {
        std::string balls;
        for (int i = 1; i <= request.bankers.count(); ++i)
            balls += " " + Str(request.bankers[i]);
        for (int b : pool)
            balls += " " + Str(b);
        m_noList = listtexts::singleCombination(balls).text;
    }

    m_context = data.prepare(m_selection, request.game);
}

std::optional<LiveCounter::Counted> LiveCounter::count(const FilterSelection& selection, bool withBan,
                                                       const CancelCheck& cancelled) const {
    const ColumnEvaluator evaluator(selection, m_context);
    Counted counted;
    // A single combination is shown, never listed.
    if (m_total <= 1)
        return counted;

    std::optional<RepetitionBan> ban;
    const int level = selection.RepeatBanLevel;
    if (withBan && level >= 2 && level <= 5)
        ban.emplace(level, false, m_context.game.balls());

    // The candidates of a build in its order; the ban sees the survivors in that order.
    const bool done =
        walkCandidates(m_candidates, evaluator, ban.has_value(), 0, [&](const SliceOutput& slice) {
            counted.passed += static_cast<int32_t>(slice.passed);
            if (ban)
                for (std::size_t at = 0; at < slice.records.size(); at += ColumnRecord::Size)
                    if (ban->offer(ListReader::balls(slice.records.data() + at)))
                        ++counted.kept;
            return !(cancelled && cancelled());
        });
    if (!done)
        return std::nullopt;
    if (!ban)
        counted.kept = counted.passed;
    return counted;
}

std::optional<LiveCounter::Counted> LiveCounter::wholeSelection(const CancelCheck& cancelled) const {
    if (!m_whole)
        m_whole = count(m_selection, true, cancelled);
    return m_whole;
}

std::optional<int32_t> LiveCounter::survivors(const CancelCheck& cancelled) const {
    const auto whole = wholeSelection(cancelled);
    if (!whole)
        return std::nullopt;
    return whole->kept;
}

std::optional<std::vector<PartCount>> LiveCounter::parts(const CancelCheck& cancelled) const {
    std::vector<PartCount> out;
    if (!m_noList.empty())
        return out;
    for (const SelectionPart& part : selectionParts(m_selection, m_context)) {
        const auto alone = count(part.selection, false, cancelled);
        if (!alone)
            return std::nullopt;
        out.push_back({part.part, part.name, m_total - alone->passed});
    }
    const int level = m_selection.RepeatBanLevel;
    if (level >= 2 && level <= 5) {
        const auto whole = wholeSelection(cancelled);
        if (!whole)
            return std::nullopt;
        out.push_back({FilterPart::RepetitionBan, repetitionBanName(level), whole->passed - whole->kept});
    }
    return out;
}

LiveCountResult countLive(const LiveSelection& request, const RunData& data) {
    LiveCountResult result;
    try {
        const LiveCounter counter(request, data);
        result.total = counter.total();
        result.noList = counter.noList();
        result.survivors = counter.survivors().value_or(0);
        result.parts = counter.parts().value_or(std::vector<PartCount>{});
        result.partsDone = true;
    } catch (const FileError& e) {
        result.error = e.userText();
    }
    return result;
}

std::string liveCountLabel(int64_t survivors) {
    return "Tahmini Uygun Kombinasyon = " + Str(survivors);
}

} // namespace velmorix
