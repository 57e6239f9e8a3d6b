// VELMORIX.YS2: the forbidden pairs a filter run loads, and the two commands
// that write new pairs on top of a damaged file.
#include "FuzzSupport.h"

#include "analysis/PlayedPairs.h"
#include "core/ColumnFile.h"
#include "engine/PairsFile.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace velmorix;
using fuzz::require;

namespace {

int16_t word(const std::vector<unsigned char>& bytes, std::size_t i) {
    const unsigned lo = 2 * i < bytes.size() ? bytes[2 * i] : 0;
    const unsigned hi = 2 * i + 1 < bytes.size() ? bytes[2 * i + 1] : 0;
    return static_cast<int16_t>(static_cast<uint16_t>(lo | (hi << 8)));
}

// Every record of a written file is a pair a < b of balls, in ascending order.
std::vector<int16_t> checkWritten(const DataDir& dir, int32_t written) {
    const auto bytes = fuzz::ScratchDir::get().bytes(files::Pairs);
    require(bytes.size() == static_cast<std::size_t>(written) * 2, "written pairs length");
    std::vector<int16_t> codes;
    for (std::size_t i = 0; i < bytes.size() / 2; ++i) {
        const int16_t v = word(bytes, i);
        const int a = v / 50;
        const int b = v % 50;
        require(a >= 1 && a < b && b <= 49, "a written pair is not two balls a < b");
        codes.push_back(v);
    }
    require(pairRecordCount(dir) == written, "pair record count of a written file");
    return codes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    auto& scratch = fuzz::ScratchDir::get();
    scratch.clear();
    const DataDir& dir = scratch.dir();
    const int16_t minCount = in.ConsumeIntegralInRange<int16_t>(1, 4);
    const bool add = in.ConsumeBool();
    const auto countBytes = in.ConsumeBytes<unsigned char>(2 * 1225);
    const auto playedLength = in.ConsumeIntegralInRange<std::size_t>(0, 16 * 40);
    const auto played = in.ConsumeBytes<unsigned char>(playedLength);
    const auto bytes = in.ConsumeRemainingBytes<unsigned char>();
    scratch.put(files::Pairs, bytes);

    const int32_t count = pairRecordCount(dir);
    PairTable pairs;
    const bool loaded = loadRunPairs(dir, pairs);
    require(loaded == (count >= 1 && count <= MaxPairRecords), "pairs load only from 1..1176 records");
    for (int a = 0; a < 50; ++a)
        for (int b = 0; b < 50; ++b) {
            require(pairs(a, b) == 0 || pairs(a, b) == 1, "pair flag not 0/1");
            require(pairs(a, b) == pairs(b, a), "pair table not symmetric");
            require(pairs(a, b) == 0 || (a >= 1 && b >= 1), "a pair of ball 0");
        }
    require(scratch.bytes(files::Pairs) == bytes, "loading changed VELMORIX.YS2");

    PairTable counts;
    for (std::size_t i = 0; i < countBytes.size(); ++i)
        counts.cell[i % counts.cell.size()] = static_cast<int16_t>(countBytes[i] % 6);
    const int32_t written = writePairsFromCounts(dir, counts, minCount, add);
    const auto codes = checkWritten(dir, written);
    if (add && loaded)
        for (int a = 1; a <= 49; ++a)
            for (int b = a + 1; b <= 49; ++b)
                if (pairs(a, b))
                    require(std::find(codes.begin(), codes.end(), a * 50 + b) != codes.end(),
                            "an existing pair was lost");

    scratch.put(files::Pairs, bytes);
    scratch.put(files::Played, played);
    const auto fromPlayed = writePairsFromPlayed(dir, in.ConsumeIntegralInRange<int32_t>(1, 5),
                                                 in.ConsumeIntegralInRange<int32_t>(1, 5), add);
    if (fromPlayed)
        checkWritten(dir, *fromPlayed);
    else
        require(add && scratch.bytes(files::Pairs) == bytes, "a refused addition changed the pairs file");
    for (const auto& name : scratch.fileNames())
        require(name == files::Pairs || name == files::Played, "stray file " + name);
    return 0;
}
