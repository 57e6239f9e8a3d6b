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

#include <QAction>
#include <QByteArray>
#include <QCoreApplication>
#include <QEvent>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <algorithm>
#include <gtest/gtest.h>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
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

// Every caption a window shows, in order.
class TitleLog final : public QObject {
public:
    explicit TitleLog(QWidget* window) : m_window(window) { window->installEventFilter(this); }
    std::vector<QString> titles;
    bool saw(const QString& title) const {
        return std::find(titles.begin(), titles.end(), title) != titles.end();
    }
    // The caption shown just before the last showing of `title`, or empty.
    QString before(const QString& title) const {
        for (std::size_t i = titles.size(); i-- > 1;)
            if (titles[i] == title)
                return titles[i - 1];
        return {};
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_window && event->type() == QEvent::WindowTitleChange)
            titles.push_back(m_window->windowTitle());
        return false;
    }

private:
    QWidget* m_window;
};

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
    // The only message shown so far (fails when there is not exactly one).
    ScriptedDialogs::Call onlyMessage() const;
    // The window's control of that name (fails when there is none).
    template <class T> static T* child(QWidget* w, const QString& name) {
        T* c = w->findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }
    // Chooses the window's menu entry of that name.
    static void trigger(QWidget* w, const char* entry) {
        child<QAction>(w, QString::fromLatin1(entry))->trigger();
    }
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

// One list window of type W over its list file, made afresh for each test.
template <class W> class ListWindowTest : public ::testing::Test {
protected:
    explicit ListWindowTest(std::string file) : m_file(std::move(file)) {}

    // Writes the list and shows it as on activation; the dialogs start empty.
    void open(std::vector<ColumnRecord> records) {
        list = std::move(records);
        t.data.writeRecords(m_file, list);
        w->onActivated();
        t.dialogs.clear();
    }
    std::vector<ColumnRecord> stored() const { return t.data.readRecords(m_file); }

    WindowEnv t{11};
    std::unique_ptr<W> w = std::make_unique<W>(t.context);
    std::vector<ColumnRecord> list;

private:
    std::string m_file;
};

} // namespace velmorix::test
