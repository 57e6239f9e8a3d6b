#include "ListBuilder.h"

#include "CandidateSlices.h"
#include "ColumnEvaluator.h"
#include "ListStream.h"
#include "ListTexts.h"
#include "ProgressThrottle.h"
#include "RepetitionBan.h"
#include "RunContext.h"

#include "core/ColumnFile.h"
#include "core/ListUndo.h"
#include "core/Numbers.h"
#include "core/SafeFile.h"

#include <algorithm>
#include <filesystem>
#include <vector>

namespace velmorix {

namespace {

using namespace listtexts;

class Build {
public:
    Build(AppState& state, const DataDir& dir, const Clock& clock, const RunCallbacks& cb)
        : m_state(state), m_dir(dir), m_clock(clock), m_cb(cb), m_progress(cb.progress) {}

    BuildResult run();

private:
    void publishLabels() {
        if (m_cb.labels)
            m_cb.labels(m_result.labels);
    }
    void enumerate(const Candidates& candidates, const ColumnEvaluator& evaluator);
    void banRepetitions(int level);

    AppState& m_state;
    const DataDir& m_dir;
    const Clock& m_clock;
    const RunCallbacks& m_cb;
    ProgressThrottle m_progress;
    BuildResult m_result;
    std::vector<uint64_t> m_keep;
};

BuildResult Build::run() {
    FilterSelection& sel = m_state.Selection;
    BuildResult& res = m_result;
    if (sel.ChaosOn != 0)
        sel.MathRelOff = -1;

    // Free balls: the bag without the bankers, in ascending order.
    const Candidates candidates = candidatesOf(m_state.BagBalls, m_state.BankoBalls, m_state.game);
    const std::vector<int>& pool = candidates.pool;
    const int n = static_cast<int>(pool.size());
    const int r = 6 - m_state.BankoBalls.count();
    res.freeBalls = n;
    res.freeSlots = r;
    res.totalCombinations = CombinationCount(n, r);
    m_state.FreeBallCount = static_cast<int16_t>(n);
    m_state.FreeSlotCount = static_cast<int16_t>(r);
    m_state.TotalCombinations = res.totalCombinations;

    res.labels = {totalLabel(res.totalCombinations), keptLabel(), startLabel(), endLabel()};
    publishLabels();

    if (res.totalCombinations == 0) {
        res.outcome = BuildOutcome::NothingToList;
        res.message = nothingToList(n, r, res.totalCombinations);
        return res;
    }
    if (res.totalCombinations == 1) {
        std::string balls;
        for (int i = 1; i <= m_state.BankoBalls.count(); ++i)
            balls += " " + Str(m_state.BankoBalls[i]);
        for (int b : pool)
            balls += " " + Str(b);
        res.outcome = BuildOutcome::SingleCombination;
        res.message = singleCombination(balls);
        return res;
    }
    if (!m_cb.confirm || !m_cb.confirm(buildQuestion(res.totalCombinations, n, r))) {
        res.outcome = BuildOutcome::Declined;
        return res;
    }

    try {
        const ListUndoPoint undo(m_dir, "Yeni liste yapma");
        res.buildStep = 1;
        if (m_dir.exists(files::List))
            copyFileSafe(m_dir, files::List, files::OldList);
        res.labels.Label12 = startLabel(m_clock.timeText());
        publishLabels();
        res.listNotBuilt = false;
        res.buildStep = 2;

        const RunContext ctx =
            prepareRunContext(sel, m_dir, m_state.game, [&](int16_t step) { res.buildStep = step; });

        res.buildStep = 6;
        enumerate(candidates, ColumnEvaluator(sel, ctx));
        m_state.RecNo = res.examined;

        const int level = sel.RepeatBanLevel;
        if (level >= 2 && level <= 5) {
            res.buildStep = 7;
            banRepetitions(level);
        }

        res.kept = recordCount(m_dir, files::List);
        res.labels.Label11 = keptLabel(res.kept);
        res.labels.Label13 = endLabel(m_clock.timeText());
        res.outcome = BuildOutcome::Built;
    } catch (const FileError& e) {
        res.listNotBuilt = true;
        res.labels.Label11 = ErrorLabel;
        res.labels.Label13 = errorTimeLabel(m_clock.timeText());
        res.outcome = BuildOutcome::Failed;
        res.error = e;
    }
    publishLabels();
    m_progress.send(0, 0, 0, titles::FiltersWindow);
    return res;
}

void Build::enumerate(const Candidates& candidates, const ColumnEvaluator& evaluator) {
    // Bankers come first in their order, so the candidates are all the
    // r-combinations of the free balls in lexicographic order.
    const int32_t tag = m_state.BankoBalls.count() > 0 ? 0 : KeepMark;
    const int64_t total = m_result.totalCombinations;

    ListWriter out(m_dir, files::List, files::Temp);
    int64_t examined = 0;
    int64_t accepted = 0;
    m_progress.send(1, 0, total, enumerationTitle(0, 0));
    // The last free position is taken whole: the evaluator gives the mask of
    // the balls that complete the five others, so only candidates that can
    // pass are looked at one by one.
    walkCandidates(candidates, evaluator, true, tag, [&](const SliceOutput& slice) {
        out.writeRecords(slice.records.data(), slice.records.size());
        examined += slice.examined;
        accepted += slice.passed;
        if (m_progress.dueNow())
            m_progress.send(1, examined, total, enumerationTitle(accepted, examined));
        return true;
    });
    m_progress.send(1, examined, total, enumerationTitle(accepted, examined));
    out.commit();
    m_result.examined = static_cast<int32_t>(examined);
}

// Decides in one reading pass which records survive, then copies the survivors
// through VELMORIX.TMP.
void Build::banRepetitions(int level) {
    int32_t count = 0;
    {
        ListReader in(m_dir, files::List);
        count = in.count();
        if (count < 2)
            return;
        m_keep.assign((static_cast<std::size_t>(count) + 63) / 64, 0);
        m_progress.send(2, 0, count, banStartTitle(2));
        RepetitionBan ban(level, false, m_state.game.balls());
        int32_t i = 0;
        while (const unsigned char* r = in.next()) {
            if (ban.offer(ListReader::balls(r)))
                m_keep[static_cast<std::size_t>(i) / 64] |= uint64_t{1} << (i % 64);
            ++i;
            if (m_progress.due())
                m_progress.send(2, i, count, banTitle(2, i, count));
        }
        m_progress.send(2, count, count, banEndTitle(2, count));
    }

    m_result.buildStep = 8;
    ListReader in(m_dir, files::List);
    ListWriter out(m_dir, files::List, files::Temp);
    int32_t i = 0;
    while (const unsigned char* r = in.next()) {
        if ((m_keep[static_cast<std::size_t>(i) / 64] >> (i % 64)) & 1u)
            out.write(r);
        ++i;
        if (m_progress.due())
            m_progress.send(3, i, count, compactionTitle(3, out.count()));
    }
    m_progress.send(3, count, count, compactionTitle(3, out.count()));
    m_result.buildStep = 9;
    in.close();
    out.commit();
    m_state.RecNo = out.count();
}

} // namespace

BuildResult BuildNewList(AppState& state, const DataDir& dir, const Clock& clock,
                         const RunCallbacks& callbacks) {
    return Build(state, dir, clock, callbacks).run();
}

ListSpace listSpace(const AppState& state, const DataDir& dir) {
    constexpr int64_t Mb = int64_t{1} << 20;
    const Candidates candidates = candidatesOf(state.BagBalls, state.BankoBalls, state.game);
    const int64_t worst =
        int64_t{CombinationCount(static_cast<int>(candidates.pool.size()), candidates.freeSlots)} *
        static_cast<int64_t>(ColumnRecord::Size);
    ListSpace space;
    space.worstMb = (worst + Mb - 1) / Mb;
    std::error_code ec;
    const std::filesystem::space_info info = std::filesystem::space(dir.root(), ec);
    if (ec)
        return space;
    const auto available = static_cast<int64_t>(std::min<std::uintmax_t>(info.available, INT64_MAX));
    space.freeMb = available / Mb;
    space.fits = worst <= available;
    return space;
}

Question listSpaceQuestion(const ListSpace& space) {
    return {"Liste en çok " + digits(space.worstMb) + " MB tutabilir, diskte " + digits(space.freeMb) +
                " MB boş yer var.\rYine de başlamak istiyormusunuz ?",
            titles::Warning};
}

Message fileErrorMessage(const FileError& error) {
    return {error.userText(), titles::Error, MessageIcon::Exclamation};
}

std::vector<Message> buildReport(const BuildResult& result) {
    switch (result.outcome) {
    case BuildOutcome::Built:
        return {listtexts::buildDone(result.kept)};
    case BuildOutcome::Failed: {
        std::vector<Message> out;
        if (result.error)
            out.push_back(fileErrorMessage(*result.error));
        out.push_back(listtexts::buildFailed(result.buildStep));
        return out;
    }
    default:
        return {};
    }
}

} // namespace velmorix
