#pragma once

#include "AppContext.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <functional>

class QKeyEvent;

namespace velmorix {

class FileError;

// Base of every window: sees keys before its controls, calls onActivated()
// each time it becomes active, and offers the helpers long commands share.
class VelmorixWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit VelmorixWindow(AppContext& context, QWidget* parent = nullptr);
    ~VelmorixWindow() override;

    // Window-level key handling; return true when the key was taken.
    virtual bool handleKey(QKeyEvent* event);
    // Runs every time the window becomes active.
    virtual void onActivated() {}

    // Sends a key to the window as the application would (tests).
    bool pressKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

    AppState& state() { return m_context.state; }
    Dialogs& dialogs() { return m_context.dialogs; }
    DataDir& dir() { return m_context.dir; }
    AppContext& context() { return m_context; }

    // Shows "! HATA !" naming the file that failed.
    void showFileError(const FileError& error);
    // Runs a command that touches files; a FileError ends it with the error box.
    // Returns false when it failed.
    bool guarded(const std::function<void()>& command);

    // Progress of a long command in the window title, at most about 20 times a
    // second; repaints without letting user input re-enter the command.
    void showProgressTitle(const QString& title, bool force = false);

private:
    AppContext& m_context;
    const QEvent* m_lastKey = nullptr;
    quint64 m_lastKeyStamp = ~quint64{0};
    QPointer<QWidget> m_lastReceiver;
    qint64 m_lastProgressMs = 0;
};

// Wait cursor for the lifetime of the scope.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace velmorix
