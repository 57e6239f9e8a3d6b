#include "LiveCount.h"

#include "CandidateWalk.h"
#include "ColumnEvaluator.h"
#include "ListTexts.h"
#include "RepetitionBan.h"
#include "SortedColumn.h"

#include "core/AppState.h"
#include "core/FileError.h"
#include "core/Numbers.h"

namespace velmorix {

namespace {

// A cancel request is looked at once per this many five-ball prefixes: often
// enough to stop within a millisecond, rarely enough to cost nothing.
constexpr uint32_t PollEvery = 1024;

} // namespace

LiveCounter::LiveCounter(const LiveSelection& request, const RunData& data) : m_selection(request.selection) {
    // As a build: the chaos filters replace the math relations.
    if (m_selection.ChaosOn != 0)
        m_selection.MathRelOff = -1;

    // Free balls: the bag without the bankers, ascending, as a build takes them.
    std::array<bool, 50> avail{};
    for (int i = 1; i <= request.bag.count(); ++i) {
        const int b = request.bag[i];
        if (b >= 1 && b <= 49)
            avail[static_cast<std::size_t>(b)] = true;
    }
    for (int i = 1; i <= request.bankers.count(); ++i) {
        const int k = request.bankers[i];
        if (k >= 1 && k <= 49)
            avail[static_cast<std::size_t>(k)] = false;
        // A banker outside 1..49 or a repeated one fails every candidate.
        if (k < 1 || k > 49 || ((m_bankers >> k) & 1u))
            m_bankersValid = false;
        else
            m_bankers |= uint64_t{1} << k;
    }
    for (int b = 1; b <= 49; ++b)
        if (avail[static_cast<std::size_t>(b)])
            m_pool.push_back(b);
    m_slots = 6 - request.bankers.count();
    m_total = CombinationCount(static_cast<int>(m_pool.size()), m_slots);
    if (m_total == 0) {
        m_noList = listtexts::nothingToList(static_cast<int>(m_pool.size()), m_slots, m_total).text;
    } else if (m_total == 1) {
        std::string balls;
        for (int i = 1; i <= request.bankers.count(); ++i)
            balls += " " + Str(request.bankers[i]);
        for (int b : m_pool)
            balls += " " + Str(b);
        m_noList = listtexts::singleCombination(balls).text;
    }

    m_context = data.prepare(m_selection);
}

std::optional<LiveCounter::Counted> LiveCounter::count(const FilterSelection& selection, bool withBan,
                                                       const CancelCheck& cancelled) const {
    const ColumnEvaluator evaluator(selection, m_context);
    const int n = static_cast<int>(m_pool.size());
    const int slots = m_slots;
    Counted counted;
    // A single combination is shown, never listed.
    if (m_total <= 1 || slots > n || !m_bankersValid)
        return counted;

    std::optional<RepetitionBan> ban;
    const int level = selection.RepeatBanLevel;
    if (withBan && level >= 2 && level <= 5)
        ban.emplace(level, false);

    // The candidates of a build in its order: the first r-1 free positions as
    // a prefix, the last position taken whole through the evaluator's mask.
    CandidateWalk walk(m_pool, slots, m_bankers);
    const bool rest = evaluator.hasRest();
    uint32_t polls = 0;
    for (;;) {
        if (++polls % PollEvery == 0 && cancelled && cancelled())
            return std::nullopt;
        const uint64_t five = walk.five();
        const uint64_t sixth = evaluator.sixthBalls(five) & walk.lastBalls();
        if (!rest && !ban) {
            counted.passed += ballCount(sixth);
        } else {
            for (uint64_t x = sixth; x; x &= x - 1) {
                const SortedColumn column = SortedColumn::fromMask(five | (x & -x));
                if (rest && !evaluator.passesRest(column))
                    continue;
                ++counted.passed;
                if (ban) {
                    std::array<int16_t, 6> balls{};
                    for (std::size_t i = 0; i < 6; ++i)
                        balls[i] = static_cast<int16_t>(column.b[i]);
                    if (ban->offer(balls))
                        ++counted.kept;
                }
            }
        }
        if (!walk.next())
            break;
    }
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
