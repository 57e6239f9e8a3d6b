#pragma once

#include "AppContext.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

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

    // Window-level key handling; return true when the key was taken. By
    // default the key table the window set runs.
    virtual bool handleKey(QKeyEvent* event);
    // Runs every time the window becomes active.
    virtual void onActivated() {}

    // Sends a key to the window as the application would (tests).
    bool pressKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

    // One row of a window's key table: the key and the command it runs.
    struct KeyCommand {
        int key;
        std::function<void()> command;
    };
    // Runs the command the table gives the pressed key; false when it gives none.
    static bool runKeyCommand(int key, std::initializer_list<KeyCommand> table);
    static bool runKeyCommand(const QKeyEvent* event, std::initializer_list<KeyCommand> table);
    // The window's key table, set by its constructor. With `plainKeysOnly` a
    // key held with Ctrl or Alt goes on to the controls.
    void setKeyCommands(std::vector<KeyCommand> table, bool plainKeysOnly = false);
    // With Ctrl or Alt held, a key is none of the window's function keys.
    static bool withCtrlOrAlt(const QKeyEvent* event);
    // The box that lists a window's function keys.
    void showKeysBox(const QString& text);

    AppState& state() { return m_context.state; }
    // A box after a long command stands over its caption, so the caption
    // first catches up with the command's last progress.
    Dialogs& dialogs() {
        endProgress();
        return m_context.dialogs;
    }
    DataDir& dir() { return m_context.dir; }
    AppContext& context() { return m_context; }

    // Shows "! HATA !" naming the file that failed.
    void showFileError(const FileError& error);
    // Runs a command that touches files; a FileError ends it with the error box.
    // Returns false when it failed.
    bool guarded(const std::function<void()>& command);

    // Progress of a long command in the window title, at most about 20 times a
    // second; repaints without letting user input re-enter the command. A title
    // that comes too soon waits, and the waiting one is shown before a forced
    // title (the next phase's first), before the window's next box and by
    // endProgress(): the last count of every phase always reaches the caption.
    void showProgressTitle(const QString& title, bool force = false);
    void endProgress();

    // True during onActivated() when the window only gets its activation back
    // from a modal box it showed (a message, a question, an input box). Windows
    // that refresh their controls on activation skip that one, so a help text
    // or a question does not wipe what the user typed or ticked meanwhile.
    bool returningFromModal() const { return m_returningFromModal; }

private:
    static bool runKeyCommand(int key, const KeyCommand* first, const KeyCommand* last);

    AppContext& m_context;
    std::vector<KeyCommand> m_keyCommands;
    bool m_plainKeysOnly = false;
    const QEvent* m_lastKey = nullptr;
    quint64 m_lastKeyStamp = ~quint64{0};
    QPointer<QWidget> m_lastReceiver;
    qint64 m_lastProgressMs = 0;
    QString m_progressShown;
    std::optional<QString> m_progressWaiting;
    bool m_leftForModal = false;
    bool m_returningFromModal = false;
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
