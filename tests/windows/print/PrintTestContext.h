#pragma once

#include "support/WindowHarness.h"

namespace velmorix::test {

// Everything a print dialog needs, on a fresh data folder.
struct PrintTestContext : WindowEnv {
    PrintTestContext() : WindowEnv(11) {}
};

} // namespace velmorix::test
