#pragma once

#include "core/AppState.h"
#include "core/Clock.h"
#include "core/Random.h"
#include "support/CapturingPrinter.h"
#include "support/TempDataDir.h"
#include "support/WindowHarness.h"
#include "windows/AllWindows.h"
#include "windows/common/AppContext.h"
#include "windows/common/VelmorixWindow.h"
#include "windows/common/WindowRegistry.h"

#include <QCoreApplication>
#include <QEvent>

namespace velmorix::test {

// The whole program, every window registered, on a fresh data folder, with the
// dialogs the test chooses.
class ProgramEnv {
public:
    explicit ProgramEnv(Dialogs& dialogs, uint64_t seed = 20260612)
        : random(seed), context{state, data.dir(), dialogs, printer, clock, random, registry} {
        registry.setContext(&context);
        registerAllWindows(registry);
    }
    ~ProgramEnv() {
        flushDeletes();
        registry.destroyAll();
        flushDeletes();
    }
    ProgramEnv(const ProgramEnv&) = delete;
    ProgramEnv& operator=(const ProgramEnv&) = delete;

    // The window, created when needed and activated as a first visit would.
    template <class W> W* open(WindowId id) {
        W* w = registry.getAs<W>(id);
        if (w)
            w->onActivated();
        return w;
    }
    VelmorixWindow* window(WindowId id) { return registry.getAs<VelmorixWindow>(id); }

    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    TempDataDir data;
    AppState state;
    CapturingPrinter printer;
    FixedClock clock;
    StdRandom random;
    WindowRegistry registry;
    AppContext context;
};

} // namespace velmorix::test
