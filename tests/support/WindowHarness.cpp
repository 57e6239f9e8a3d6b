#include "WindowHarness.h"

#include "windows/AllWindows.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QPointer>
#include <QProcess>
#include <QTest>

namespace velmorix::test {

namespace {

// Marks whether a key press reached the control itself, i.e. got past every
// application-wide filter.
class ReachProbe : public QObject {
public:
    bool reached = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress)
            reached = true;
        return false;
    }
};

QWidget* keyTarget(QWidget* window) {
    QWidget* focus = window->focusWidget();
    return focus && focus->window() == window ? focus : window;
}

QString keyText(int key, Qt::KeyboardModifiers modifiers) {
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier))
        return {};
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        const QChar c(u'a' + (key - Qt::Key_A));
        return (modifiers & Qt::ShiftModifier) ? QString(c.toUpper()) : QString(c);
    }
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || key == Qt::Key_Space)
        return QString(QChar(key));
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return QStringLiteral("\r");
    return {};
}

} // namespace

QStringList listLines(QWidget* w, const char* list) {
    QStringList out;
    if (auto* box = control<QListWidget>(w, QString::fromLatin1(list)))
        for (int i = 0; i < box->count(); ++i)
            out << box->item(i)->text();
    return out;
}

bool press(QWidget* window, int key, Qt::KeyboardModifiers modifiers) {
    // Every event gets its own time, so two presses are never taken for one.
    static quint64 stamp = 1000;
    QWidget* target = keyTarget(window);
    // The handler may close the window and its controls.
    const QPointer<QWidget> alive(target);
    ReachProbe probe;
    target->installEventFilter(&probe);
    const QString text = keyText(key, modifiers);
    QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
    down.setTimestamp(++stamp);
    QApplication::sendEvent(target, &down);
    if (alive) {
        target->removeEventFilter(&probe);
        QKeyEvent up(QEvent::KeyRelease, key, modifiers, text);
        up.setTimestamp(++stamp);
        QApplication::sendEvent(target, &up);
    }
    return !probe.reached;
}

bool activate(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

void comeBackToFront(QWidget* window) {
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(window, &deactivate);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(window, &activate);
}

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void settle() {
    QCoreApplication::processEvents();
    flushDeletes();
}

BatchRun runBatchProgram(const QString& program, const TempDataDir& folder, const QStringList& args) {
    QProcess process;
    process.setWorkingDirectory(QString::fromStdString(folder.path().string()));
    process.start(program, args);
    process.waitForFinished(60000);
    return {process.exitCode(), process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

ProgramEnv::ProgramEnv(Dialogs& dialogs, uint64_t seed)
    : random(seed), context{state, data.dir(), dialogs, printer, clock, random, registry} {
    registry.setContext(&context);
    registerAllWindows(registry);
}

ProgramEnv::~ProgramEnv() {
    flushDeletes();
    registry.destroyAll();
    flushDeletes();
}

void ProgramEnv::standIn(WindowId id) {
    registry.registerWindow(id, [this, id](AppContext&) {
        ++opened[id];
        auto* w = new QWidget;
        w->setObjectName(QStringLiteral("stub") + QString::number(static_cast<int>(id)));
        return w;
    });
}

ScriptedDialogs::Call WindowEnv::onlyMessage() const {
    const auto m = dialogs.messages();
    EXPECT_EQ(m.size(), 1u);
    return m.empty() ? ScriptedDialogs::Call{} : m.back();
}

std::vector<ColumnRecord> ProgramEnv::columns(int count) {
    std::vector<ColumnRecord> v;
    for (int i = 1; i <= count; ++i) {
        const int a = i % 44 + 1;
        v.push_back(rec(i, {a, a + 1, a + 2, a + 3, a + 4, a + 5}));
    }
    return v;
}

} // namespace velmorix::test
