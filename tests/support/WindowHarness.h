#pragma once

#include "core/AppState.h"
#include "core/Clock.h"
#include "core/ColumnFile.h"
#include "core/Random.h"
#include "support/CapturingPrinter.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDataDir.h"
#include "windows/common/AppContext.h"
#include "windows/common/WindowId.h"
#include "windows/common/WindowRegistry.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>
#include <initializer_list>
#include <map>
#include <vector>

namespace velmorix::test {

// Presses a key as a player does: a real key event sent to the window's focused
// control (or the window itself), so the application-wide key filter sees it
// first. Returns true when the window's key handler took the key.
bool press(QWidget* window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Types text into the window's focused control.
void type(QWidget* window, const QString& text);
// Shows the window and waits until it is the active one.
bool activate(QWidget* window);
// Sends a window the deactivation and activation of coming back to the front
// from another program (a modal dialog cannot be left for another window).
void comeBackToFront(QWidget* window);
// Runs the deletions closed windows queued.
void flushDeletes();

// What the command-line program did when run in a data folder.
struct BatchRun {
    int exitCode = -1;
    QByteArray out;
    QString err;
};
BatchRun runBatchProgram(const QString& program, const TempDataDir& folder, const QStringList& args);

// The program around its windows, on a fresh data folder: state, scripted
// dialogs, a capturing printer, and every window registered. All windows end
// with it, whoever opened them.
struct WindowEnv {
    explicit WindowEnv(uint64_t seed = 653);
    ~WindowEnv();
    WindowEnv(const WindowEnv&) = delete;
    WindowEnv& operator=(const WindowEnv&) = delete;

    // The window, created when needed but not shown.
    template <class W = QWidget> W* get(WindowId id) { return registry.getAs<W>(id); }
    // The window as the program opens it: shown and active.
    template <class W = QWidget> W* show(WindowId id) {
        QWidget* w = registry.open(id);
        if (w)
            activate(w);
        return qobject_cast<W*>(w);
    }
    // True while the window lives (closing ends it).
    bool isOpen(WindowId id) {
        flushDeletes();
        return registry.find(id) != nullptr;
    }
    // Puts a plain window in place of the real one; `opened` counts its openings.
    void standIn(WindowId id);

    void setBag(std::initializer_list<int> balls);
    void setBankers(std::initializer_list<int> balls);
    std::vector<int> bag() const;
    std::vector<int> bankers() const;
    // The 16-bit words of a file.
    std::vector<int16_t> words(const std::string& name) const;
    std::vector<QString> messageTexts() const;
    // `count` distinct columns; column i holds ball i % 44 + 1 first.
    static std::vector<ColumnRecord> columns(int count);

    TempDataDir data;
    AppState state;
    ScriptedDialogs dialogs;
    CapturingPrinter printer;
    FixedClock clock;
    StdRandom random;
    WindowRegistry registry;
    AppContext context{state, data.dir(), dialogs, printer, clock, random, registry};
    std::map<WindowId, int> opened;
};

// A gtest fixture holding one WindowEnv per test.
class WindowTest : public ::testing::Test, public WindowEnv {
protected:
    explicit WindowTest(uint64_t seed = 653) : WindowEnv(seed) {}
};

} // namespace velmorix::test
