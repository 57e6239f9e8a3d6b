#pragma once

#include "core/AppState.h"
#include "core/Clock.h"
#include "core/ColumnFile.h"
#include "core/Random.h"
#include "support/CapturingPrinter.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDataDir.h"
#include "windows/common/AppContext.h"
#include "windows/common/WindowRegistry.h"
#include "windows/methods/MethodWindows.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <gtest/gtest.h>

namespace velmorix::test {

// The special-method windows in a fresh data folder; other groups' windows
// are stand-ins that only record that they were opened.
class MethodsFixture : public ::testing::Test {
protected:
    MethodsFixture() {
        registry.setContext(&context);
        registerMethodWindows(registry);
        for (WindowId id : {WindowId::ComLst, WindowId::RndLst})
            registerStub(id);
    }
    ~MethodsFixture() override {
        flushDeletes();
        for (int id = 0; id <= static_cast<int>(WindowId::ResPrint); ++id)
            delete registry.find(static_cast<WindowId>(id));
    }

    void registerStub(WindowId id) {
        registry.registerWindow(id, [this, id](AppContext&) {
            opened.push_back(id);
            return new QWidget;
        });
    }
    template <class W> W* window(WindowId id) { return registry.getAs<W>(id); }
    template <class T> T* child(QWidget* w, const QString& name) {
        T* c = w->findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }
    void trigger(QWidget* w, const char* entry) {
        auto* action = w->findChild<QAction*>(QString::fromLatin1(entry));
        ASSERT_NE(action, nullptr) << entry;
        action->trigger();
    }
    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    // The only message shown so far (fails when there is not exactly one).
    ScriptedDialogs::Call onlyMessage() const {
        const auto m = dialogs.messages();
        EXPECT_EQ(m.size(), 1u);
        return m.empty() ? ScriptedDialogs::Call{} : m.back();
    }

    TempDataDir data;
    AppState state;
    ScriptedDialogs dialogs;
    CapturingPrinter printer;
    FixedClock clock;
    StdRandom random{20260612};
    WindowRegistry registry;
    AppContext context{state, data.dir(), dialogs, printer, clock, random, registry};
    std::vector<WindowId> opened;
};

} // namespace velmorix::test
