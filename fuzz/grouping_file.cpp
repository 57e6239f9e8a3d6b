// GRUPLAR.CFG: the grouping the arbitrary grouping window loads, its limits as
// the window reads them back from its boxes, and what it does with them.
#include "FuzzSupport.h"

#include "analysis/ArbitraryGrouping.h"
#include "analysis/GroupingConfig.h"
#include "core/ColumnFile.h"
#include "core/ListUndo.h"
#include "core/Numbers.h"
#include "core/Random.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace velmorix;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    auto& scratch = fuzz::ScratchDir::get();
    scratch.clear();
    const DataDir& dir = scratch.dir();
    const uint64_t seed = in.ConsumeIntegral<uint64_t>();
    const auto listLength = in.ConsumeIntegralInRange<std::size_t>(0, 16 * 40);
    const auto list = in.ConsumeBytes<unsigned char>(listLength);
    const bool exact = in.ConsumeBool();
    const auto bytes =
        exact ? in.ConsumeBytes<unsigned char>(GroupingFileSize) : in.ConsumeRemainingBytes<unsigned char>();
    scratch.put(files::Groups, bytes);

    const auto config = loadGroupingConfig(dir);
    require(config.has_value() == (bytes.size() == GroupingFileSize &&
                                   std::equal(bytes.begin(), bytes.begin() + 10, "GRPCFG 1.0")),
            "a grouping loads exactly when size and magic are right");
    if (!config)
        return 0;
    require(config->GroupOf[0] == 0, "ball 0 in a group");
    for (int16_t g : config->GroupOf)
        require(g >= 0 && g <= GroupCount, "group number out of range");

    // The window shows the limits with Str() in its boxes and reads them back.
    std::array<int64_t, GroupCount> min{}, max{};
    for (std::size_t g = 0; g < GroupCount; ++g) {
        min[g] = ValWhole(Str(config->GroupMin[g]));
        max[g] = ValWhole(Str(config->GroupMax[g]));
        require(min[g] == config->GroupMin[g] && max[g] == config->GroupMax[g], "limits through the boxes");
    }
    const GroupLimits limits = normaliseGroupLimits(min, max, config->GroupOf);
    for (int g = 1; g <= GroupCount; ++g) {
        const auto i = static_cast<std::size_t>(g - 1);
        const int members = __builtin_popcountll(groupMask(config->GroupOf, g));
        require(limits.min[i] >= 0 && limits.min[i] <= limits.max[i] && limits.max[i] <= std::min(members, 6),
                "normalised limits");
    }

    StdRandom random(seed);
    const GroupingTest plain(config->GroupOf, limits, false);
    for (int i = 0; i < 4; ++i)
        if (const auto column = drawGroupedColumn(config->GroupOf, limits, random)) {
            for (int16_t b : *column)
                require(b >= 1 && b <= 49, "a drawn column holds no ball");
            require(isValidColumn(*column), "a drawn column repeats a ball");
        }

    scratch.put(files::List, list);
    const GroupingTest test(config->GroupOf, limits, in.ConsumeBool());
    for (const auto& r : fuzz::decodeRecords(list.data(), list.size()))
        require(!test.passes(r.Ball) || isValidColumn(r.Ball), "a damaged column passed the grouping");
    const GroupingRun run = filterListByGrouping(dir, test);
    require(run.written >= 0 && run.written <= recordCount(dir, files::OldList), "grouping filter count");
    require(dir.fileSize(files::List) <= 0 || dir.fileSize(files::List) == int64_t{run.written} * 16,
            "grouping filter length");
    require(scratch.bytes(files::Groups) == bytes, "loading changed GRUPLAR.CFG");

    // What the window saves it loads again unchanged.
    saveGroupingConfig(dir, *config);
    require(loadGroupingConfig(dir) == config, "save and load changed the grouping");
    for (const auto& name : scratch.fileNames())
        require(name == files::Groups || name == files::List || name == files::OldList ||
                    name == files::UndoList || name == files::UndoName,
                "stray file " + name);
    return 0;
}
