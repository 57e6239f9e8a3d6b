#pragma once

#include "support/WindowTests.h"

namespace velmorix::test {

// The list windows the special methods open are stand-ins that count their openings.
class MethodsFixture : public WindowTest {
protected:
    MethodsFixture() {
        standIn(WindowId::ComLst);
        standIn(WindowId::RndLst);
    }
};

} // namespace velmorix::test
