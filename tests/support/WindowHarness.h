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
#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
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
// Shows the window and waits until it is the active one.
bool activate(QWidget* window);
// Sends a window the deactivation and activation of coming back to the front
// from another program (a modal dialog cannot be left for another window).
void comeBackToFront(QWidget* window);
// Runs the deletions closed windows queued.
void flushDeletes();
// Runs the pending events, then those deletions.
void settle();

// A window's controls by name; a missing one fails the test.
template <class T> T* control(QWidget* w, const QString& name) {
    T* c = w->findChild<T*>(name);
    EXPECT_NE(c, nullptr) << name.toStdString();
    return c;
}
inline QLineEdit* textBox(QWidget* w, const char* name) {
    return control<QLineEdit>(w, QString::fromLatin1(name));
}
inline QCheckBox* checkBox(QWidget* w, const char* name) {
    return control<QCheckBox>(w, QString::fromLatin1(name));
}
inline QRadioButton* option(QWidget* w, int n) {
    return control<QRadioButton>(w, QStringLiteral("Option%1").arg(n));
}
inline void setText(QWidget* w, const char* box, const QString& text) {
    textBox(w, box)->setText(text);
}
inline void click(QWidget* w, const char* button) {
    control<QPushButton>(w, QString::fromLatin1(button))->click();
}
// The lines of the window's list box.
QStringList listLines(QWidget* w, const char* list = "List1");

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

// The program around its windows, on a fresh data folder, with the dialogs the
// caller chooses: state, a capturing printer, and every window registered. All
// windows end with it, whoever opened them.
struct ProgramEnv {
    explicit ProgramEnv(Dialogs& dialogs, uint64_t seed = 20260612);
    ~ProgramEnv();
    ProgramEnv(const ProgramEnv&) = delete;
    ProgramEnv& operator=(const ProgramEnv&) = delete;

    // The window, created when needed but not shown.
    template <class W = QWidget> W* get(WindowId id) { return registry.getAs<W>(id); }
    // The window, created when needed and activated as a first visit would.
    template <class W> W* open(WindowId id) {
        W* w = registry.getAs<W>(id);
        if (w)
            w->onActivated();
        return w;
    }
    // True while the window lives (closing ends it).
    bool isOpen(WindowId id) {
        flushDeletes();
        return registry.find(id) != nullptr;
    }
    // Puts a plain window in place of the real one; `opened` counts its openings.
    void standIn(WindowId id);

    void setBag(std::initializer_list<int> balls) { refill(state.BagBalls, balls); }
    void setBankers(std::initializer_list<int> balls) { refill(state.BankoBalls, balls); }
    template <int Capacity> static void refill(BallList<Capacity>& list, std::initializer_list<int> balls) {
        list.clear();
        for (int b : balls)
            list.push(b);
    }
    std::vector<int> bag() const { return ballsOf(state.BagBalls); }
    std::vector<int> bankers() const { return ballsOf(state.BankoBalls); }
    // The 16-bit words of a file.
    std::vector<int16_t> words(const std::string& name) const { return data.readWords(name); }
    // Chooses the window's menu entry of that name.
    static void trigger(QWidget* w, const char* entry) {
        control<QAction>(w, QString::fromLatin1(entry))->trigger();
    }
    // `count` distinct columns; column i holds ball i % 44 + 1 first.
    static std::vector<ColumnRecord> columns(int count);

    TempDataDir data;
    AppState state;
    CapturingPrinter printer;
    FixedClock clock;
    StdRandom random;
    WindowRegistry registry;
    AppContext context;
    std::map<WindowId, int> opened;
};

struct ScriptedDialogsMember {
    ScriptedDialogs dialogs;
};

// The program with scripted dialogs.
struct WindowEnv : ScriptedDialogsMember, ProgramEnv {
    explicit WindowEnv(uint64_t seed = 653) : ProgramEnv(dialogs, seed) {}
    // The only message shown so far (fails when there is not exactly one).
    ScriptedDialogs::Call onlyMessage() const;
    // Presses the key with the question it asks answered Yes (or No).
    bool pressAnswering(QWidget* window, int key, bool yes = true) {
        yes ? dialogs.answerYes() : dialogs.answerNo();
        return press(window, key);
    }
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
