#pragma once

#include "support/WindowHarness.h"
#include "windows/main/FrmLoto.h"
#include "windows/main/MainWindows.h"

namespace velmorix::test {

// A program in a fresh data folder, with scripted dialogs and a seeded generator.
class MainFixture : public WindowTest {
protected:
    MainFixture() : WindowTest(20260612) {}

    FrmLoto* loto() { return get<FrmLoto>(WindowId::Loto); }
    void registerStub(WindowId id) { standIn(id); }
};

} // namespace velmorix::test
