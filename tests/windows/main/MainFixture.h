#pragma once

#include "core/AppState.h"
#include "core/Clock.h"
#include "core/Random.h"
#include "support/CapturingPrinter.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDataDir.h"
#include "windows/common/AppContext.h"
#include "windows/common/WindowRegistry.h"
#include "windows/main/FrmLoto.h"
#include "windows/main/MainWindows.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <gtest/gtest.h>

namespace velmorix::test {

// A program in a fresh data folder, with scripted dialogs and a seeded generator.
class MainFixture : public ::testing::Test {
protected:
    MainFixture() {
        registry.setContext(&context);
        registerMainWindows(registry);
    }
    ~MainFixture() override {
        flushDeletes();
        for (int id = 0; id <= static_cast<int>(WindowId::ResPrint); ++id)
            delete registry.find(static_cast<WindowId>(id));
    }

    FrmLoto* loto() { return registry.getAs<FrmLoto>(WindowId::Loto); }

    // A window of another group, standing in for the real one.
    void registerStub(WindowId id) {
        registry.registerWindow(id, [id](AppContext&) {
            auto* w = new QWidget;
            w->setObjectName(QStringLiteral("stub") + QString::number(static_cast<int>(id)));
            return w;
        });
    }

    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    TempDataDir data;
    AppState state;
    ScriptedDialogs dialogs;
    CapturingPrinter printer;
    FixedClock clock;
    StdRandom random{20260612};
    WindowRegistry registry;
    AppContext context{state, data.dir(), dialogs, printer, clock, random, registry};
};

} // namespace velmorix::test
