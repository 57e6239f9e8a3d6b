#include "BackTest.h"

#include "ColumnEvaluator.h"
#include "SortedColumn.h"

#include "core/ColumnFile.h"
#include "core/Numbers.h"

#include <algorithm>
#include <limits>
#include <map>

namespace velmorix {

namespace {

constexpr int16_t True = -1;
constexpr int16_t False = 0;

bool usesResults(const FilterSelection& s) {
    return s.LastTwoWeeksLink != 0 || s.LastWeekMax2 != 0 || s.GapPatternBan != 0 || s.SumRepeatBan != 0 ||
           s.DecadeShapeBan != 0 || s.ResultsMin3Link != 0 || s.LastWeekSpanBan == True;
}

void fillLastWeeks(FilterSelection& s, std::size_t first, const ColumnRecord& r) {
    for (std::size_t i = 0; i < 6; ++i)
        s.LastWeeks[first + i] = r.Ball[i];
}

} // namespace

ResultHistory::ResultHistory(const FilterSelection& s, RunContext& context)
    : m_context(context), m_similarity(s.ResultLimit >= 0), m_similarityLimit(s.ResultLimit),
      m_shareThree(s.ResultsMin3Link != 0), m_shapes(s.DecadeShapeBan != 0), m_gaps(s.GapPatternBan != 0),
      m_sums(s.SumRepeatBan != 0) {
    m_context.resultCount = 0;
    m_context.resultSimilarity = SubsetIndex();
    m_context.resultsShareThree = SubsetIndex();
    m_context.decadeShapes.clear();
    m_context.gapPatterns = subsets::SubsetBits();
    m_context.resultSums.reset();
}

// The indexes exactly as a run builds them from a results file; a run makes
// them only when the file holds a record, hence the first add creates them.
void ResultHistory::add(const ColumnRecord& r) {
    RunContext& ctx = m_context;
    if (m_results.empty()) {
        const int balls = ctx.game.balls();
        if (m_similarity)
            ctx.resultSimilarity = SubsetIndex(sharedBallsForLimit(m_similarityLimit), balls);
        if (m_shareThree)
            ctx.resultsShareThree = SubsetIndex(3, balls);
        if (m_gaps)
            ctx.gapPatterns = subsets::SubsetBits(5, balls - 1);
    }
    m_results.push_back(r);
    if (m_similarity)
        ctx.resultSimilarity.add(r.Ball);
    if (m_shareThree)
        ctx.resultsShareThree.add(r.Ball);
    if (m_shapes)
        ctx.addDecadeShape(recordShapeCode(r.Ball, ctx.game));
    uint32_t gaps = 0;
    if (m_gaps && gapPatternRank(r.Ball, ctx.game, gaps))
        ctx.gapPatterns.set(gaps);
    if (m_sums) {
        int sum = 0;
        for (int16_t v : r.Ball)
            sum += v;
        if (sum >= Game::kMinSum && sum <= ctx.game.maxSum())
            ctx.resultSums.set(static_cast<std::size_t>(sum));
    }
}

FilterSelection ResultHistory::prepare(const FilterSelection& selection) const {
    FilterSelection s = selection;
    const auto count = static_cast<int32_t>(m_results.size());
    if (count < 1)
        s.ResultLimit = -1;
    m_context.resultCount = count > 0 && (s.ResultLimit >= 0 || usesResults(s)) ? count : 0;

    const int32_t n = m_context.resultCount;
    auto record = [&](int32_t k) { return m_results[static_cast<std::size_t>(k - 1)]; };
    if (s.LastTwoWeeksLink == True) {
        if (n < 2) {
            s.LastTwoWeeksLink = False;
            s.LastWeekMax2 = False;
        } else {
            fillLastWeeks(s, 1, record(n - 1));
            fillLastWeeks(s, 7, record(n));
        }
    } else if (s.LastWeekMax2 == True) {
        if (n < 1)
            s.LastWeekMax2 = False;
        else
            fillLastWeeks(s, 7, record(n));
    }
    if (s.LastWeekSpanBan == True) {
        int span = 0;
        if (n >= 1)
            span = int{record(n).Ball[5]} - record(n).Ball[0];
        s.LastWeekSpanBan = static_cast<int16_t>(
            std::clamp<int>(span, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
    }
    if (n < 1)
        for (int16_t* f : {&s.GapPatternBan, &s.SumRepeatBan, &s.DecadeShapeBan, &s.ResultsMin3Link})
            if (*f == True)
                *f = False;
    return s;
}

BackTestResult runBackTest(const FilterSelection& selection, const RunData& data,
                           const std::function<void(int32_t, int32_t)>& progress) {
    return runBackTest(selection, data, Game(), progress);
}

BackTestResult runBackTest(const FilterSelection& selection, const RunData& data, const Game& game,
                           const std::function<void(int32_t, int32_t)>& progress) {
    FilterSelection base = selection;
    if (base.ChaosOn != 0)
        base.MathRelOff = True;

    // Pairs, played columns and sextets as a run prepares them, without the
    // results: those grow draw by draw below.
    FilterSelection withoutResults = base;
    withoutResults.ResultLimit = -1;
    for (int16_t* f :
         {&withoutResults.LastTwoWeeksLink, &withoutResults.LastWeekMax2, &withoutResults.LastWeekSpanBan,
          &withoutResults.GapPatternBan, &withoutResults.SumRepeatBan, &withoutResults.DecadeShapeBan,
          &withoutResults.ResultsMin3Link})
        *f = False;
    RunContext context = data.prepare(withoutResults, game);
    base.ForbiddenPairsOn = withoutResults.ForbiddenPairsOn;
    base.PlayedLimit = withoutResults.PlayedLimit;
    base.SextetLimit = withoutResults.SextetLimit;

    const std::vector<ColumnRecord> results = readAllRecords(data.dir(), files::Results);
    ResultHistory history(base, context);
    BackTestResult out;
    out.results = static_cast<int32_t>(results.size());
    std::map<FilterPart, BackTestPart> parts;
    for (const ColumnRecord& result : results) {
        if (progress)
            progress(history.count() + 1, out.results);
        // A hand-made record that is no column was never a draw to judge; it
        // still counts among the results the later draws are judged against.
        if (const auto column = SortedColumn::from(result.Ball, game.balls())) {
            const FilterSelection now = history.prepare(base);
            ++out.judged;
            if (!ColumnEvaluator(now, context).passes(*column))
                ++out.thrownOut;
            bool blamed = false;
            for (const SelectionPart& part : selectionParts(now, context)) {
                BackTestPart& p = parts[part.part];
                if (p.name.empty()) {
                    p.part = part.part;
                    p.name = part.name;
                }
                if (ColumnEvaluator(part.selection, context).passes(*column))
                    continue;
                ++p.alone;
                if (!blamed)
                    ++p.first;
                blamed = true;
            }
        }
        history.add(result);
    }
    for (auto& [part, p] : parts)
        out.parts.push_back(p);
    return out;
}

std::string percentText(int64_t count, int64_t of) {
    if (of <= 0)
        return "0";
    return fractionText(count * 100, of, 1).substr(1);
}

std::string backTestText(const BackTestResult& r) {
    std::string text = "Seçiminiz geçmiş" + Str(r.judged) + " sonucun" + Str(r.thrownOut) +
                       " tanesini elerdi (%" + percentText(r.thrownOut, r.judged) + ")";
    if (std::any_of(r.parts.begin(), r.parts.end(), [](const BackTestPart& p) { return p.first > 0; })) {
        text += "\r\rİlk eleyen filtreye göre:";
        for (const BackTestPart& p : r.parts)
            if (p.first > 0)
                text += "\r" + p.name + " =" + Str(p.first);
    }
    if (r.parts.empty()) {
        text += "\r\rSeçiminizde uygulanan bir filtre yok.";
    } else {
        text += "\r\rFiltrelerin tek başına eledikleri:";
        for (const BackTestPart& p : r.parts)
            text += "\r" + p.name + " =" + Str(p.alone) + "  (%" + percentText(p.alone, r.judged) + ")";
    }
    if (r.results > r.judged)
        text += "\r\rNOT: Topları geçersiz olan" + Str(r.results - r.judged) + " kayıt test edilmedi.";
    text += "\r\rHer sonuç kendinden önceki sonuçlara göre test edildi; torba, banko ve tekrar yasakları "
            "hesaba katılmadı.";
    return text;
}

std::string backTestProgressTitle(int32_t done, int32_t total) {
    return "Test - Sonuç :" + Str(done) + " - [" + Str(total) + " ]";
}

} // namespace velmorix
