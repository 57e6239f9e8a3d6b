// velmorix-bench: one engine workload per run, so that the whole process's
// wall time, CPU time and peak memory (scripts/bench runs it under
// /usr/bin/time -v) are the workload's own. Prepares a fresh folder, runs the
// build or the count as the batch command would, and prints the kept count.
#include "BenchData.h"

#include "engine/ListBuilder.h"
#include "engine/LiveCount.h"
#include "engine/RunData.h"
#include "engine/SelectionControls.h"

#include "core/ColumnFile.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

using namespace velmorix;
namespace fs = std::filesystem;

namespace {

struct Workload {
    const char* name;
    Game game;
    int bag;            // balls 1..bag
    bool count;         // the live count's engine instead of a build
    int similarResults; // results similarity: this many real draws, 4 shared balls fail
};

const Workload Workloads[] = {
    {"6/49 full bag, default selection, build", Game::lotto49(), 49, false, 0},
    {"6/49 chaos, 4-ball similarity with 2,000 draws, build", Game::lotto49(), 49, false, 2000},
    {"6/60 full bag, default selection, build", Game::superLoto60(), 60, false, 0},
    {"6/90 full bag, default selection, count", Game::cilginLoto90(), 90, true, 0},
    {"6/90 bag of 60 balls, default selection, build", Game::cilginLoto90(), 60, false, 0},
};

FilterSelection selectionOf(const Workload& w) {
    FilterSelection s = FilterSelection::startup();
    SelectionControls c = SelectionControls::forGame(w.game);
    showSelection(s, c);
    if (w.similarResults > 0)
        selectOption(c, 20); // results: 4 similar balls
    readSelection(c, s);
    return s;
}

} // namespace

int main(int argc, char** argv) {
    const int n = argc > 2 ? std::atoi(argv[1]) : 0;
    if (n < 1 || n > static_cast<int>(std::size(Workloads))) {
        std::fprintf(stderr, "Kullanım: velmorix-bench 1..%d FOLDER [RESULTS]\n",
                     static_cast<int>(std::size(Workloads)));
        return 2;
    }
    const Workload& w = Workloads[n - 1];
    const fs::path folder = argv[2];
    fs::remove_all(folder);
    fs::create_directories(folder);
    const DataDir dir(folder);
    if (w.similarResults > 0) {
        const fs::path results = argc > 3 ? fs::path(argv[3]) : fs::path("VELMORIX.RES");
        bench::copyFirstRecords(results, dir, files::Results, w.similarResults);
    }

    AppState state;
    state.game = w.game;
    bench::setBag(state, w.bag);
    state.Selection = selectionOf(w);
    const auto start = std::chrono::steady_clock::now();
    int64_t kept = 0, candidates = 0;
    if (w.count) {
        const auto data = RunData::take(dir);
        const LiveCounter counter({state.Selection, state.BagBalls, state.BankoBalls, state.game}, *data);
        kept = counter.survivors().value_or(-1);
        candidates = counter.total();
    } else {
        RunCallbacks yes;
        yes.confirm = [](const Question&) { return true; };
        const FixedClock clock;
        const BuildResult r = BuildNewList(state, dir, clock, yes);
        if (r.outcome != BuildOutcome::Built)
            return 1;
        kept = r.kept;
        candidates = r.examined;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%d %s: kept %lld of %lld (engine %.3f s)\n", n, w.name, static_cast<long long>(kept),
                static_cast<long long>(candidates), seconds);
    fs::remove_all(folder);
    return 0;
}
