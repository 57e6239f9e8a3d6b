#pragma once

#include "FilterParts.h"
#include "RunContext.h"
#include "RunData.h"

#include "core/ColumnRecord.h"
#include "core/FilterSelection.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace velmorix {

// The results part of a run context, grown one result at a time: after
// add() of results 1..n, prepare() turns a selection into what
// prepareRunContext makes of it with a results file of those n records, and
// the context holds the same result indexes. A back-test needs the context of
// every past draw; preparing each from scratch would read the file once per draw.
class ResultHistory {
public:
    // `selection`: the run's selection before preparation; `context`: a
    // context prepared without results, which gets the results indexes.
    ResultHistory(const FilterSelection& selection, RunContext& context);

    void add(const ColumnRecord& result);
    int32_t count() const { return static_cast<int32_t>(m_results.size()); }

    // The selection as a run with the results so far would leave it; also
    // sets the context's result count.
    FilterSelection prepare(const FilterSelection& selection) const;

private:
    RunContext& m_context;
    bool m_similarity = false;
    int m_similarityLimit = -1;
    bool m_shareThree = false;
    bool m_shapes = false;
    bool m_gaps = false;
    bool m_sums = false;
    std::vector<ColumnRecord> m_results;
};

struct BackTestPart {
    FilterPart part = FilterPart::Sums;
    std::string name;
    int32_t first = 0; // results this part was the first to throw out
    int32_t alone = 0; // results it throws out on its own

    bool operator==(const BackTestPart&) const = default;
};

struct BackTestResult {
    int32_t results = 0;             // records of VELMORIX.RES
    int32_t judged = 0;              // results with six distinct balls 1..N
    int32_t thrownOut = 0;           // of those, failing the selection
    std::vector<BackTestPart> parts; // in evaluation order
};

// Runs the selection (as ReadSelection gives it) over the past results of
// `data`, each judged as a build just before its draw would have judged it:
// against the results before it, with the current played columns, forbidden
// sextets and forbidden pairs. Bag, bankers and the repetition ban play no part.
// `progress` hears the result number now judged. Throws FileError.
BackTestResult runBackTest(const FilterSelection& selection, const RunData& data, const Game& game,
                           const std::function<void(int32_t done, int32_t total)>& progress = {});
// The same for 6/49.
BackTestResult runBackTest(const FilterSelection& selection, const RunData& data,
                           const std::function<void(int32_t done, int32_t total)>& progress = {});

// The report: "Seçiminiz geçmiş N sonucun M tanesini elerdi (%x)", the filters
// that threw results out first and what each throws out alone.
std::string backTestText(const BackTestResult& result);
// The title of the report's box and of the window while it runs.
inline constexpr const char* BackTestTitle = " SEÇİMİN GEÇMİŞ SONUÇLARLA TESTİ";
std::string backTestProgressTitle(int32_t done, int32_t total);
// Shown instead when there is no result to test.
inline constexpr const char* BackTestNoResultsText =
    "Seçimi test etmek için 'VELMORIX.RES' dosyasında en az 1 sonuç olmalı !";

// count as a per cent of `of`, cut to one decimal: "24.6", "25", "0".
std::string percentText(int64_t count, int64_t of);

} // namespace velmorix
