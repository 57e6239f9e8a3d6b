#pragma once

#include "support/WindowHarness.h"

namespace velmorix::test {

// Everything a window needs, on a fresh data folder.
struct WindowTestContext : WindowEnv {
    WindowTestContext() : WindowEnv(7) {}
};

} // namespace velmorix::test
