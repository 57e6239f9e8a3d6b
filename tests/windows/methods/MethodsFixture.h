#pragma once

#include "support/WindowHarness.h"
#include "windows/methods/MethodWindows.h"

#include <QAction>

namespace velmorix::test {

// The special-method windows in a fresh data folder; the list windows they
// open are stand-ins that only count their openings.
class MethodsFixture : public WindowTest {
protected:
    MethodsFixture() : WindowTest(20260612) {
        for (WindowId id : {WindowId::ComLst, WindowId::RndLst})
            standIn(id);
    }

    void registerStub(WindowId id) { standIn(id); }
    template <class W> W* window(WindowId id) { return get<W>(id); }
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
    // The only message shown so far (fails when there is not exactly one).
    ScriptedDialogs::Call onlyMessage() const {
        const auto m = dialogs.messages();
        EXPECT_EQ(m.size(), 1u);
        return m.empty() ? ScriptedDialogs::Call{} : m.back();
    }
};

} // namespace velmorix::test
