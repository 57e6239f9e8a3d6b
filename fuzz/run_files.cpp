// A whole filter run over a folder of hand-made files, as velmorix-batch does
// it: VELMORIX.DAT, VELMORIX.FLT, VELMORIX.YS2, the results, the played
// columns, the sextets and the list, all from the input.
#include "FuzzSupport.h"

#include "batch/BatchCommand.h"
#include "core/BallsFile.h"
#include "core/ColumnFile.h"
#include "core/ListUndo.h"

#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <set>
#include <sstream>

using namespace velmorix;
using fuzz::require;

namespace {

int run(const std::vector<std::string>& args, const std::string& input = {}) {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int code = runBatch(args, fuzz::ScratchDir::get().dir().root(), in, out, err, false);
    if (std::getenv("VELMORIX_FUZZ_VERBOSE"))
        std::fprintf(stderr, "%s: %d\n%s%s", args[0].c_str(), code, out.str().c_str(), err.str().c_str());
    require(code == 0 || code == 1, "the batch command ended with " + std::to_string(code));
    return code;
}

// What may be in the folder after a run: the data files, the old list and the
// list's undo copy with its name (a pending copy must not be left). A
// list the run rewrote holds whole records; a damaged one it left alone stays as it was.
void checkFolder(const DataDir& dir, const std::vector<unsigned char>& listBefore) {
    static const std::set<std::string> allowed = {
        files::Balls,   files::Selection, files::Pairs,   files::Results,  files::Played,
        files::Sextets, files::List,      files::OldList, files::UndoList, files::UndoName};
    for (const auto& name : fuzz::ScratchDir::get().fileNames())
        require(allowed.count(name) == 1, "stray file " + name);
    const int64_t list = dir.fileSize(files::List);
    require(list <= 0 || list % 16 == 0 || fuzz::ScratchDir::get().bytes(files::List) == listBefore,
            "a rewritten VELMORIX.LST is not whole records");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    auto& scratch = fuzz::ScratchDir::get();
    scratch.clear();
    const DataDir& dir = scratch.dir();
    const bool useBag = in.ConsumeBool();
    const bool build = in.ConsumeBool();
    const char* const names[] = {files::Balls,  files::Selection, files::Pairs, files::Results,
                                 files::Played, files::Sextets,   files::List};
    const std::size_t limits[] = {120, 200, 200, 16 * 40, 16 * 40, 16 * 40, 16 * 64};
    for (std::size_t i = 0; i < std::size(names); ++i) {
        if (!in.ConsumeBool())
            continue; // the file is missing
        const auto length = in.ConsumeIntegralInRange<std::size_t>(0, limits[i]);
        scratch.put(names[i], in.ConsumeBytes<unsigned char>(length));
    }
    std::string columns;
    for (int i = 0; i < 8 && in.remaining_bytes() >= 6; ++i) {
        for (int b = 0; b < 6; ++b)
            columns += std::to_string(in.ConsumeIntegralInRange<int>(1, 49)) + (b < 5 ? " " : "\n");
    }

    const int32_t before = recordCount(dir, files::List);
    const auto listBefore = scratch.bytes(files::List);
    run({"evaluate"}, columns);
    checkFolder(dir, listBefore);
    if (run({"filter", "--use-bag", useBag ? "yes" : "no"}) == 0)
        require(recordCount(dir, files::List) <= before, "filtering made the list longer");
    checkFolder(dir, listBefore);

    if (build) {
        // Only small bags: a build of every column of 49 balls takes seconds.
        AppState state;
        loadBag(state, dir, LoadForm::MainWindow);
        loadBankers(state, dir, LoadForm::MainWindow);
        if (state.BagBalls.count() >= 1 && state.BagBalls.count() <= 14) {
            run({"build"});
            checkFolder(dir, listBefore);
        }
    }
    return 0;
}
