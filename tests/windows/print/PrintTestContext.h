#pragma once

#include "core/AppState.h"
#include "core/Clock.h"
#include "core/Random.h"
#include "support/CapturingPrinter.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDataDir.h"
#include "windows/common/AppContext.h"
#include "windows/common/WindowRegistry.h"

#include <QString>
#include <initializer_list>
#include <map>
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
    std::map<WindowId, int> opened; // windows opened through stand-ins

    PrintTestContext() { registry.setContext(&context); }

    // Registers a plain window in place of a window of another group.
    void standIn(WindowId id) {
        registry.registerWindow(id, [this, id](AppContext&) {
            ++opened[id];
            return new QWidget;
        });
    }

    void setBag(std::initializer_list<int> balls) {
        state.BagBalls.clear();
        for (int b : balls)
            state.BagBalls.push(b);
    }
    void setBankers(std::initializer_list<int> balls) {
        state.BankoBalls.clear();
        for (int b : balls)
            state.BankoBalls.push(b);
    }

    // `count` distinct columns; column i holds ball i % 44 + 1 first.
    static std::vector<ColumnRecord> columns(int count) {
        std::vector<ColumnRecord> v;
        for (int i = 1; i <= count; ++i) {
            const int a = i % 44 + 1;
            v.push_back(rec(i, {a, a + 1, a + 2, a + 3, a + 4, a + 5}));
        }
        return v;
    }

    std::vector<QString> messageTexts() const {
        std::vector<QString> v;
        for (const auto& c : dialogs.messages())
            v.push_back(c.text);
        return v;
    }
};

} // namespace velmorix::test
