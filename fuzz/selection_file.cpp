// VELMORIX.FLT: the stored selection as the filters window loads it (shown in
// the controls, then read back for a run), and the evaluator built from it.
#include "FuzzSupport.h"

#include "core/ColumnFile.h"
#include "engine/ColumnEvaluator.h"
#include "engine/RunContext.h"
#include "engine/SelectionControls.h"
#include "engine/SelectionFile.h"
#include "support/StateRanges.h"

#include <algorithm>
#include <fuzzer/FuzzedDataProvider.h>

using namespace velmorix;
using fuzz::require;

namespace {

void checkEvaluator(FilterSelection selection, const DataDir& dir, const Game& game, FuzzedDataProvider& in) {
    if (selection.ChaosOn != 0)
        selection.MathRelOff = -1; // as a run does
    const RunContext context = prepareRunContext(selection, dir, game);
    const ColumnEvaluator evaluator(selection, context);
    for (int i = 0; i < 16 && in.remaining_bytes() >= 8; ++i) {
        const uint64_t bits = in.ConsumeIntegral<uint64_t>();
        ColumnRecord rec;
        for (std::size_t b = 0; b < 6; ++b)
            rec.Ball[b] = static_cast<int16_t>(static_cast<int8_t>(bits >> (8 * b)) % (game.balls() + 3));
        const bool valid = SortedColumn::from(rec.Ball, game.balls()).has_value();
        const bool passed = evaluator.evaluate(rec);
        require(valid || !passed, "a damaged column passed");
        if (!valid)
            continue;
        // The enumeration's shortcut must agree with the column test.
        require(!passed || std::is_sorted(rec.Ball.begin(), rec.Ball.end()),
                "a passing column was not sorted");
        const auto column = SortedColumn::from(rec.Ball, game.balls());
        const ColumnMask five = column->mask & ~ballBit(column->b[5]);
        const bool sixth = (evaluator.sixthBalls(five) >> column->b[5]) & 1U;
        const bool expected = sixth && (!evaluator.hasRest() || evaluator.passesRest(*column));
        require(expected == evaluator.passes(*column), "sixthBalls and passes disagree");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    auto& scratch = fuzz::ScratchDir::get();
    scratch.clear();
    const DataDir& dir = scratch.dir();
    int gameCount = 0;
    const Game* games = Game::all(gameCount);
    const Game& game = games[in.ConsumeIntegralInRange<int>(0, gameCount - 1)];
    const bool exact = in.ConsumeBool();
    const auto length = exact ? static_cast<std::size_t>(selectionfile::sizeFor(game))
                              : in.ConsumeIntegralInRange<std::size_t>(0, 400);
    const auto bytes = in.ConsumeBytes<unsigned char>(length);
    scratch.put(files::Selection, bytes);

    const SelectionFileState state = selectionFileState(dir, game);
    require((state == SelectionFileState::Ready) ==
                (static_cast<int64_t>(bytes.size()) == selectionfile::sizeFor(game)),
            "file state");
    const auto records = readSelectionFile(dir, game);
    require(records.has_value() == (state == SelectionFileState::Ready), "read only a whole file");

    // A fresh window loading the file.
    const FilterSelection fresh = windowSelection(records ? &*records : nullptr, game);
    // The shared range checks know the sums of 6/49 only.
    const bool rangesKnown = game.maxSum() == Game().maxSum();
    if (rangesKnown)
        fuzz::requireNone(test::selectionRangeProblems(fresh), "fresh window");

    // A window that showed another selection before (F5 twice).
    FilterSelection s = FilterSelection::startup();
    SelectionControls controls = SelectionControls::forGame(game);
    showSelection(s, controls);
    std::vector<int16_t> other(static_cast<std::size_t>(FilterSelection::recordCount(game)));
    for (auto& v : other)
        v = in.ConsumeIntegral<int16_t>();
    s.fromRecords(other, game);
    showSelection(s, controls);
    if (loadSelectionFile(dir, s, game))
        showSelection(s, controls);
    readSelection(controls, s);
    if (rangesKnown)
        fuzz::requireNone(test::selectionRangeProblems(s), "window after two loads");

    // Saving what the window reads and loading it again changes nothing.
    saveSelectionFile(dir, fresh, game);
    const auto again = readSelectionFile(dir, game);
    require(again.has_value(), "saved selection unreadable");
    FilterSelection reloaded = windowSelection(&*again, game);
    require(reloaded == fresh, "save and load changed the selection");

    checkEvaluator(fresh, dir, game, in);
    return 0;
}
