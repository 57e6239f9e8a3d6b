#pragma once

#include "core/AppState.h"
#include "core/Clock.h"
#include "core/Random.h"
#include "support/CapturingPrinter.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDataDir.h"
#include "windows/common/AppContext.h"
#include "windows/common/WindowRegistry.h"

#include <initializer_list>
#include <vector>

namespace velmorix::test {

// Everything a window needs, on a fresh data folder.
struct WindowTestContext {
    TempDataDir data;
    ScriptedDialogs dialogs;
    CapturingPrinter printer;
    FixedClock clock;
    StdRandom random{7};
    WindowRegistry registry;
    AppState state;
    AppContext context{state, data.dir(), dialogs, printer, clock, random, registry};

    WindowTestContext() { registry.setContext(&context); }

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
    std::vector<int> bag() const {
        std::vector<int> v;
        for (int i = 1; i <= state.BagBalls.count(); ++i)
            v.push_back(state.BagBalls[i]);
        return v;
    }
    std::vector<int> bankers() const {
        std::vector<int> v;
        for (int i = 1; i <= state.BankoBalls.count(); ++i)
            v.push_back(state.BankoBalls[i]);
        return v;
    }
    // The 16-bit words of a file.
    std::vector<int16_t> words(const std::string& name) const {
        const auto bytes = data.readBytes(name);
        std::vector<int16_t> w;
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
            w.push_back(static_cast<int16_t>(static_cast<uint16_t>(bytes[i] | (bytes[i + 1] << 8))));
        return w;
    }
};

} // namespace velmorix::test
