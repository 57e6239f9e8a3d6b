#include "BenchData.h"

#include "core/ColumnFile.h"
#include "core/FileError.h"

namespace velmorix::bench {

void setBag(AppState& state, int n) {
    state.BagBalls.clear();
    state.BankoBalls.clear();
    for (int b = 1; b <= n; ++b)
        state.BagBalls.push(b);
}

void copyFirstRecords(const std::filesystem::path& source, const DataDir& dir, const char* name,
                      int32_t count) {
    const DataDir from(source.parent_path().empty() ? std::filesystem::current_path() : source.parent_path());
    ColumnReader in(from, source.filename().string());
    ColumnWriter out(dir, name, defaultTempName(name));
    ColumnRecord r;
    for (int32_t i = 0; i < count && in.next(r); ++i)
        out.write(r);
    out.commit();
}

} // namespace velmorix::bench
