// VELMORIX.DAT: the bag and banker loads of the main window and of the ball
// windows, and the saves that rewrite a damaged file.
#include "FuzzSupport.h"

#include "core/BallsFile.h"
#include "core/ColumnFile.h"
#include "support/StateRanges.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace velmorix;
using fuzz::require;

namespace {

// A state the program could be in before the load: distinct balls, bankers not in the bag.
AppState startingState(FuzzedDataProvider& in) {
    AppState s;
    const uint64_t bankers = in.ConsumeIntegral<uint64_t>();
    const uint64_t bag = in.ConsumeIntegral<uint64_t>();
    for (int b = 1; b <= 49 && s.BankoBalls.count() < 5; ++b)
        if ((bankers >> b) & 1U)
            s.BankoBalls.push(b);
    for (int b = 1; b <= 49; ++b)
        if (((bag >> b) & 1U) && !s.BankoBalls.contains(b))
            s.BagBalls.push(b);
    return s;
}

void checkState(const AppState& s, const char* when) {
    fuzz::requireNone(test::stateRangeProblems(s), when);
    for (int i = 1; i <= s.BagBalls.count(); ++i)
        require(!s.BankoBalls.contains(s.BagBalls[i]), "a banker stays in the bag");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    auto& scratch = fuzz::ScratchDir::get();
    scratch.clear();
    const DataDir& dir = scratch.dir();
    AppState state = startingState(in);
    const AppState before = state;
    const auto form = in.ConsumeBool() ? LoadForm::MainWindow : LoadForm::Window;
    const bool bankersFirst = in.ConsumeBool();
    const auto bytes = in.ConsumeRemainingBytes<unsigned char>();
    scratch.put(files::Balls, bytes);

    const auto unchanged = [&](BallsLoad r) {
        return r == BallsLoad::TooShort || r == BallsLoad::Corrupt || r == BallsLoad::GaveUp;
    };
    if (bankersFirst) {
        const BallsLoad r = loadBankers(state, dir, form);
        if (unchanged(r))
            require(state.BankoBalls == before.BankoBalls && state.BagBalls == before.BagBalls,
                    "a failed banker load changed the state");
        checkState(state, "after loadBankers");
    }
    const BallsLoad r = loadBag(state, dir, form);
    checkState(state, "after loadBag");
    if (!bankersFirst) {
        if (unchanged(r))
            require(state.BagBalls == before.BagBalls, "a failed bag load changed the bag");
        loadBankers(state, dir, form);
        checkState(state, "after loadBankers");
    }
    require(scratch.bytes(files::Balls) == bytes, "a load changed VELMORIX.DAT");

    // Saving over the damaged file and loading again gives the same balls back.
    const AppState saved = state;
    saveBag(state, dir);
    saveBankers(state, dir);
    const auto written = scratch.bytes(files::Balls);
    require(written.size() >= 102, "saved VELMORIX.DAT length");
    AppState again;
    require(loadBankers(again, dir, LoadForm::Window) != BallsLoad::Corrupt, "saved bankers read as damaged");
    const BallsLoad bag = loadBag(again, dir, LoadForm::Window);
    require(bag != BallsLoad::Corrupt, "saved bag reads as damaged");
    require(again.BankoBalls == saved.BankoBalls, "bankers after a save and a load");
    if (!saved.BagBalls.empty())
        require(again.BagBalls == saved.BagBalls, "bag after a save and a load");
    for (const auto& name : scratch.fileNames())
        require(name == files::Balls, "stray file " + name);
    return 0;
}
