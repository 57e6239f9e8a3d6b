#pragma once

#include "core/AppState.h"
#include "core/Clock.h"
#include "core/Random.h"
#include "support/CapturingPrinter.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDataDir.h"
#include "windows/common/AppContext.h"
#include "windows/common/WindowRegistry.h"

#include <vector>

namespace velmorix::test {

// Everything a print dialog needs, on a fresh data folder.
struct PrintTestContext {
    TempDataDir data;
    ScriptedDialogs dialogs;
    CapturingPrinter printer;
    FixedClock clock;
    StdRandom random{11};
    WindowRegistry registry;
    AppState state;
    AppContext context{state, data.dir(), dialogs, printer, clock, random, registry};

    PrintTestContext() { registry.setContext(&context); }

    // `count` distinct columns; column i starts with ball i % 44 + 1.
    static std::vector<ColumnRecord> columns(int count) {
        std::vector<ColumnRecord> v;
        for (int i = 1; i <= count; ++i) {
            const int a = i % 44 + 1;
            v.push_back(rec(i, {a, a + 1, a + 2, a + 3, a + 4, a + 5}));
        }
        return v;
    }
};

} // namespace velmorix::test
