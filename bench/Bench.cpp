// velmorix-bench: the engine's five workloads, each in a child process so that
// its peak memory is its own. Prints wall seconds, candidates per second and
// peak memory, then the literal model against the engine on a bag of 30.
#include "BenchData.h"

#include "LiteralModel.h"
#include "engine/ListBuilder.h"
#include "engine/ListFilter.h"

#include "core/ColumnFile.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace velmorix;
namespace fs = std::filesystem;

namespace {

struct Figures {
    double seconds = 0;
    int64_t candidates = 0;
    int64_t kept = 0;
};

struct Measured {
    Figures figures;
    double peakMb = 0;
    double cpuSeconds = 0; // the whole child: user and system time
    bool ok = false;
};

// Runs `work` in a child process; its figures come back through a pipe and its
// peak resident memory from wait4.
Measured measure(const std::function<Figures()>& work) {
    int fds[2];
    if (::pipe(fds) != 0)
        return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        const Figures f = work();
        [[maybe_unused]] const ssize_t n = ::write(fds[1], &f, sizeof f);
        ::_exit(0);
    }
    ::close(fds[1]);
    Measured m;
    m.ok = ::read(fds[0], &m.figures, sizeof m.figures) == static_cast<ssize_t>(sizeof m.figures);
    ::close(fds[0]);
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    m.ok = m.ok && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    m.peakMb = static_cast<double>(usage.ru_maxrss) / 1024.0;
    auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    m.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    return m;
}

template <typename F> double timed(F&& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

RunCallbacks yes() {
    RunCallbacks cb;
    cb.confirm = [](const Question&) { return true; };
    return cb;
}

Figures fastBuild(const fs::path& folder, int bag, const FilterSelection& selection) {
    const DataDir dir(folder);
    AppState state;
    bench::setBag(state, bag);
    state.Selection = selection;
    const FixedClock clock;
    BuildResult r;
    const double s = timed([&] { r = BuildNewList(state, dir, clock, yes()); });
    return {s, r.examined, r.kept};
}

Figures literalBuild(const fs::path& folder, int bag, const FilterSelection& selection) {
    const DataDir dir(folder);
    AppState state;
    bench::setBag(state, bag);
    state.Selection = selection;
    literal::BuildOutcome r;
    const double s = timed([&] { r = literal::build(state, dir); });
    return {s, r.examined, recordCount(dir, files::List)};
}

Figures filterList(const fs::path& folder, const FilterSelection& selection) {
    const DataDir dir(folder);
    AppState state;
    state.Selection = selection;
    const FixedClock clock;
    FilterResult r;
    const double s = timed([&] { r = FilterExistingList(state, dir, clock, yes()); });
    return {s, r.listCount, r.kept};
}

void report(const char* name, const Measured& m, const std::string& note = {}) {
    if (!m.ok) {
        std::printf("%-34s failed\n", name);
        return;
    }
    const Figures& f = m.figures;
    std::printf("%-34s %7.3f s (cpu %6.3f s)  %6.2f M candidates/s  peak %5.1f MB  kept %lld of %lld%s\n",
                name, f.seconds, m.cpuSeconds,
                f.seconds > 0 ? static_cast<double>(f.candidates) / f.seconds / 1e6 : 0.0, m.peakMb,
                static_cast<long long>(f.kept), static_cast<long long>(f.candidates), note.c_str());
    std::fflush(stdout);
}

fs::path freshFolder(const fs::path& root, const char* name) {
    const fs::path p = root / name;
    fs::remove_all(p);
    fs::create_directories(p);
    return p;
}

} // namespace

int main(int argc, char** argv) {
    const fs::path root = argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path() / "velmorix-bench";
    // A second argument runs one workload alone (1..5), for profiling.
    const int only = argc > 2 ? std::atoi(argv[2]) : 0;
    fs::create_directories(root);
    auto wants = [only](int n) { return only == 0 || only == n; };
    const FilterSelection chaosOnly = FilterSelection::startup();
    const FilterSelection relations = bench::relationsSelection();
    const FilterSelection heavy = bench::heavySelection();
    std::printf("velmorix-bench in %s\n", root.c_str());
    bool right = true;

    const fs::path w1 = freshFolder(root, "w1");
    if (wants(1) || wants(4)) {
        const Measured m1 = measure([&] { return fastBuild(w1, 49, chaosOnly); });
        right = m1.figures.kept == 7672818 && m1.figures.candidates == 13983816;
        report("1 full bag, chaos filters", m1,
               right ? "  (correct)" : "  (WRONG: expected 7672818 of 13983816)");
    }
    if (wants(2)) {
        const fs::path w2 = freshFolder(root, "w2");
        report("2 relations, sums, decade table", measure([&] { return fastBuild(w2, 49, relations); }));
    }
    if (wants(3)) {
        const fs::path w3 = freshFolder(root, "w3");
        bench::writeHeavyData(DataDir(w3));
        report("3 chaos, similarity, pairs, other", measure([&] { return fastBuild(w3, 49, heavy); }));
    }
    if (wants(4)) {
        FilterSelection ban = FilterSelection::startup();
        ban.ChaosOn = 0;
        ban.RepeatBanLevel = 3;
        report("4 repetition ban 3 on list 1", measure([&] { return filterList(w1, ban); }));
    }
    if (wants(5)) {
        const fs::path w5 = freshFolder(root, "w5");
        bench::writeHeavyData(DataDir(w5));
        bench::writeRandomList(DataDir(w5), 5'000'000);
        report("5 filter 5,000,000 records", measure([&] { return filterList(w5, heavy); }));
    }
    if (only == 0) {
        std::printf("\nliteral model against the engine, bag of 30 balls:\n");
        const fs::path l1 = freshFolder(root, "l1");
        const Measured f1 = measure([&] { return fastBuild(l1, 30, chaosOnly); });
        const Measured s1 = measure([&] { return literalBuild(l1, 30, chaosOnly); });
        report("1 engine", f1);
        report("1 literal", s1);
        const fs::path l3 = freshFolder(root, "l3");
        bench::writeHeavyData(DataDir(l3));
        const Measured f3 = measure([&] { return fastBuild(l3, 30, heavy); });
        const Measured s3 = measure([&] { return literalBuild(l3, 30, heavy); });
        report("3 engine", f3);
        report("3 literal", s3);
        if (f1.ok && s1.ok && f3.ok && s3.ok)
            std::printf("ratio literal/engine: workload 1 %.1f (cpu %.1f), workload 3 %.1f (cpu %.1f)%s\n",
                        s1.figures.seconds / f1.figures.seconds, s1.cpuSeconds / f1.cpuSeconds,
                        s3.figures.seconds / f3.figures.seconds, s3.cpuSeconds / f3.cpuSeconds,
                        f1.figures.kept == s1.figures.kept && f3.figures.kept == s3.figures.kept
                            ? " (same lists)"
                            : " (LISTS DIFFER)");
    }
    fs::remove_all(root);
    return right ? 0 : 1;
}
