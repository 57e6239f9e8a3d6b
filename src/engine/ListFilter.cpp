#include "ListFilter.h"

#include "CandidateSlices.h"
#include "ColumnEvaluator.h"
#include "ListBuilder.h"
#include "ListStream.h"
#include "ListTexts.h"
#include "ProgressThrottle.h"
#include "RepetitionBan.h"
#include "RunContext.h"

#include "core/ColumnFile.h"
#include "core/ListUndo.h"
#include "core/SafeFile.h"

#include <algorithm>
#include <cstring>

namespace velmorix {

namespace {

using namespace listtexts;

// One bit per record: dropped.
class DropMarks {
public:
    explicit DropMarks(int32_t count) : m_words((static_cast<std::size_t>(count) + 63) / 64, 0) {}
    bool operator[](int32_t i) const { return (m_words[index(i)] >> ((i - 1) % 64)) & 1u; }
    void drop(int32_t i) { m_words[index(i)] |= uint64_t{1} << ((i - 1) % 64); }

private:
    static std::size_t index(int32_t i) { return static_cast<std::size_t>(i - 1) / 64; }
    std::vector<uint64_t> m_words;
};

class Filter {
public:
    Filter(AppState& state, const DataDir& dir, const Clock& clock, const RunCallbacks& cb)
        : m_state(state), m_dir(dir), m_clock(clock), m_cb(cb), m_progress(cb.progress) {}

    FilterResult run();

private:
    void publishLabels() {
        if (m_cb.labels)
            m_cb.labels(m_result.labels);
    }
    bool askBagQuestion(bool& useBag, bool& useBankers);
    void dropOutsideBag(DropMarks& marks, bool useBag, bool useBankers);
    bool evaluate(DropMarks& marks, const ColumnEvaluator& evaluator);
    void banRepetitions(DropMarks& marks, int level, bool oddRecords);
    int32_t compact(const DropMarks& marks);

    AppState& m_state;
    const DataDir& m_dir;
    const Clock& m_clock;
    const RunCallbacks& m_cb;
    ProgressThrottle m_progress;
    FilterResult m_result;
    std::array<bool, kMaxBalls + 1> m_avail{};
    int32_t m_count = 0;
};

FilterResult Filter::run() {
    FilterResult& res = m_result;
    m_count = recordCount(m_dir, files::List);
    res.listCount = m_count;
    if (m_count < 1) {
        res.outcome = FilterOutcome::NothingToFilter;
        res.message = nothingToFilter();
        return res;
    }
    res.listNotBuilt = false;
    res.labels = {totalLabel(m_count), keptLabel(), startLabel(m_clock.timeText()), endLabel()};
    publishLabels();
    FilterSelection& sel = m_state.Selection;
    if (sel.ChaosOn != 0)
        sel.MathRelOff = -1;

    // Available: every ball with an empty bag, else the bag balls and the bankers.
    const Game& game = m_state.game;
    if (m_state.BagBalls.count() <= 0) {
        std::fill(m_avail.begin() + 1, m_avail.begin() + game.balls() + 1, true);
    } else {
        for (int i = 1; i <= m_state.BagBalls.count(); ++i)
            if (game.isBall(m_state.BagBalls[i]))
                m_avail[static_cast<std::size_t>(m_state.BagBalls[i])] = true;
        for (int i = 1; i <= m_state.BankoBalls.count(); ++i)
            if (game.isBall(m_state.BankoBalls[i]))
                m_avail[static_cast<std::size_t>(m_state.BankoBalls[i])] = true;
    }

    bool useBag = false;
    bool useBankers = false;
    const bool asked = askBagQuestion(useBag, useBankers);

    try {
        const ListUndoPoint undo(m_dir, "Filtreleri listeye uygulama");
        DropMarks marks(m_count);
        if (asked && (useBag || useBankers))
            dropOutsideBag(marks, useBag, useBankers);
        const RunContext ctx = prepareRunContext(sel, m_dir, game);
        const bool oddRecords = evaluate(marks, ColumnEvaluator(sel, ctx));
        const int level = sel.RepeatBanLevel;
        if (level != 0)
            banRepetitions(marks, level, oddRecords);
        compact(marks);
        res.kept = recordCount(m_dir, files::List);
        res.labels.Label11 = keptLabel(res.kept);
        res.labels.Label13 = endLabel(m_clock.timeText());
        res.outcome = FilterOutcome::Filtered;
    } catch (const FileError& e) {
        res.listNotBuilt = true;
        res.labels.Label11 = ErrorLabel;
        res.labels.Label13 = errorTimeLabel(m_clock.timeText());
        res.outcome = FilterOutcome::Failed;
        res.error = e;
    }
    publishLabels();
    m_progress.send(0, 0, 0, titles::FiltersWindow);
    return res;
}

// The one question of the bag and banker phase; false when none is asked.
bool Filter::askBagQuestion(bool& useBag, bool& useBankers) {
    const int bag = m_state.BagBalls.count();
    const bool bankers = m_state.BankoBalls.count() > 0;
    const bool wholeBag = bag <= 0 || bag >= m_state.game.balls();
    if (wholeBag && !bankers)
        return false;
    const Question q = wholeBag ? bankersQuestion() : bankers ? bagAndBankersQuestion() : bagQuestion();
    const bool yes = m_cb.confirm && m_cb.confirm(q);
    useBag = yes && !wholeBag;
    useBankers = yes && bankers;
    return true;
}

void Filter::dropOutsideBag(DropMarks& marks, bool useBag, bool useBankers) {
    ListReader in(m_dir, files::List);
    int32_t i = 0;
    while (const unsigned char* bytes = in.next()) {
        ++i;
        const std::array<int16_t, 6> balls = ListReader::balls(bytes);
        bool fits = true;
        if (useBankers)
            for (int k = 1; k <= m_state.BankoBalls.count(); ++k)
                if (std::find(balls.begin(), balls.end(), m_state.BankoBalls[k]) == balls.end())
                    fits = false;
        if (useBag)
            for (int16_t v : balls)
                if (!m_state.game.isBall(v) || !m_avail[static_cast<std::size_t>(v)])
                    fits = false;
        if (!fits)
            marks.drop(i);
        if (m_progress.due())
            m_progress.send(1, i, m_count, recordTitle(1, i, m_count));
    }
    m_progress.send(1, m_count, m_count, recordTitle(1, m_count, m_count));
}

// Returns whether a record with a repeated or out-of-range ball is still in the
// list (it can only be one whose negative Tag kept it from being evaluated).
bool Filter::evaluate(DropMarks& marks, const ColumnEvaluator& evaluator) {
    // Blocks of records are read in order; the columns of a block are judged
    // by every worker at once, and their verdicts applied in order.
    constexpr std::size_t Block = std::size_t{1} << 16;
    const int balls = m_state.game.balls();
    ListReader in(m_dir, files::List);
    std::vector<unsigned char> block(Block * ColumnRecord::Size);
    std::vector<uint8_t> fails(Block);
    bool oddLeft = false;
    int32_t passed = 0;
    int32_t i = 0;
    for (;;) {
        std::size_t n = 0;
        for (const unsigned char* bytes = nullptr; n < Block && (bytes = in.next()) != nullptr; ++n)
            std::memcpy(block.data() + n * ColumnRecord::Size, bytes, ColumnRecord::Size);
        if (n == 0)
            break;
        const int32_t first = i + 1;
        forEachPart(n, [&](std::size_t begin, std::size_t end) {
            for (std::size_t k = begin; k < end; ++k) {
                const unsigned char* bytes = block.data() + k * ColumnRecord::Size;
                const auto column = SortedColumn::from(ListReader::balls(bytes), balls);
                fails[k] = !column || !evaluator.passes(*column);
            }
        });
        for (std::size_t k = 0; k < n; ++k) {
            const unsigned char* bytes = block.data() + k * ColumnRecord::Size;
            const int32_t at = first + static_cast<int32_t>(k);
            const int32_t tag = ListReader::tag(bytes);
            if (tag == -1) {
                marks.drop(at);
            } else if (!marks[at]) {
                if (tag >= 0) {
                    if (!fails[k])
                        ++passed;
                    else
                        marks.drop(at);
                } else if (!SortedColumn::from(ListReader::balls(bytes), balls)) {
                    oddLeft = true;
                }
            }
            if (m_progress.due())
                m_progress.send(2, at, m_count, recordTitle(2, passed, at));
        }
        i += static_cast<int32_t>(n);
    }
    m_progress.send(2, m_count, m_count, recordTitle(2, passed, m_count));
    m_result.passed = passed;
    return oddLeft;
}

void Filter::banRepetitions(DropMarks& marks, int level, bool oddRecords) {
    m_progress.send(3, 0, m_count, banStartTitle(3));
    RepetitionBan ban(level, oddRecords, m_state.game.balls());
    ListReader in(m_dir, files::List);
    int32_t i = 0;
    while (const unsigned char* bytes = in.next()) {
        ++i;
        if (!marks[i] && !ban.offer(ListReader::balls(bytes)))
            marks.drop(i);
        if (m_progress.due())
            m_progress.send(3, i, m_count, banTitle(3, i, m_count));
    }
    m_progress.send(3, m_count, m_count, banEndTitle(3, m_count));
}

int32_t Filter::compact(const DropMarks& marks) {
    ListReader in(m_dir, files::List);
    ListWriter out(m_dir, files::List, files::Temp);
    int32_t written = 0;
    int32_t i = 0;
    while (const unsigned char* bytes = in.next()) {
        ++i;
        if (!marks[i]) {
            out.write(bytes);
            ++written;
        }
        if (m_progress.due())
            m_progress.send(4, i, m_count, compactionTitle(4, written));
    }
    m_progress.send(4, m_count, m_count, compactionTitle(4, written));
    in.close();
    out.commit();
    m_state.RecNo = written;
    return written;
}

} // namespace

FilterResult FilterExistingList(AppState& state, const DataDir& dir, const Clock& clock,
                                const RunCallbacks& callbacks) {
    return Filter(state, dir, clock, callbacks).run();
}

std::vector<Message> filterReport(const FilterResult& result, bool fromMenu) {
    if (result.outcome == FilterOutcome::Filtered)
        return {listtexts::filterDone(result.kept, fromMenu)};
    if (result.outcome == FilterOutcome::Failed && result.error)
        return {fileErrorMessage(*result.error)};
    return {};
}

} // namespace velmorix
