#include "VelmorixWindow.h"

#include "core/FileError.h"
#include "platform/Dialogs.h"

#include <QApplication>
#include <QDateTime>
#include <QKeyEvent>

#include <utility>

namespace velmorix {

VelmorixWindow::VelmorixWindow(AppContext& context, QWidget* parent)
    : QMainWindow(parent), m_context(context) {
    // Keys are taken at window level before any control sees them; an
    // application-wide filter is the only way tables and editors do not swallow them.
    qApp->installEventFilter(this);
}

VelmorixWindow::~VelmorixWindow() = default;

bool VelmorixWindow::handleKey(QKeyEvent* event) {
    if (m_plainKeysOnly && withCtrlOrAlt(event))
        return false;
    return runKeyCommand(event->key(), m_keyCommands.data(), m_keyCommands.data() + m_keyCommands.size());
}

bool VelmorixWindow::runKeyCommand(int key, const KeyCommand* first, const KeyCommand* last) {
    for (const KeyCommand* row = first; row != last; ++row) {
        if (row->key == key) {
            row->command();
            return true;
        }
    }
    return false;
}

bool VelmorixWindow::runKeyCommand(int key, std::initializer_list<KeyCommand> table) {
    return runKeyCommand(key, table.begin(), table.end());
}

bool VelmorixWindow::runKeyCommand(const QKeyEvent* event, std::initializer_list<KeyCommand> table) {
    return runKeyCommand(event->key(), table);
}

void VelmorixWindow::setKeyCommands(std::vector<KeyCommand> table, bool plainKeysOnly) {
    m_keyCommands = std::move(table);
    m_plainKeysOnly = plainKeysOnly;
}

bool VelmorixWindow::withCtrlOrAlt(const QKeyEvent* event) {
    return (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0;
}

void VelmorixWindow::showKeysBox(const QString& text) {
    dialogs().show(text, QStringLiteral(" FONKSİYON TUŞLARI"), DialogIcon::None);
}

bool VelmorixWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    // A key let through travels up through every parent; handle it once, at
    // its first receiver. The same event seen again at an ancestor of the
    // previous receiver is that journey, not a new key.
    const bool sameJourney = event == m_lastKey && key->timestamp() == m_lastKeyStamp && m_lastReceiver &&
                             widget != m_lastReceiver && widget->isAncestorOf(m_lastReceiver);
    m_lastKey = event;
    m_lastKeyStamp = key->timestamp();
    m_lastReceiver = widget;
    if (sameJourney)
        return false;
    return handleKey(key);
}

bool VelmorixWindow::event(QEvent* event) {
    // A caption set by the command itself (its closing caption) outranks a
    // progress title still waiting.
    if (event->type() == QEvent::WindowTitleChange && windowTitle() != m_progressShown)
        m_progressWaiting.reset();
    if (event->type() == QEvent::WindowDeactivate)
        m_leftForModal = QApplication::activeModalWidget() != nullptr;
    if (event->type() == QEvent::WindowActivate) {
        m_returningFromModal = m_leftForModal;
        m_leftForModal = false;
        onActivated();
        m_returningFromModal = false;
    }
    return QMainWindow::event(event);
}

bool VelmorixWindow::pressKey(int key, Qt::KeyboardModifiers modifiers) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    return handleKey(&press);
}

void VelmorixWindow::showFileError(const FileError& error) {
    m_context.dialogs.show(QString::fromStdString(error.userText()), errorTitle(), DialogIcon::Exclamation);
}

bool VelmorixWindow::guarded(const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (const FileError& e) {
        showFileError(e);
        return false;
    }
}

void VelmorixWindow::showProgressTitle(const QString& title, bool force) {
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (!force && now - m_lastProgressMs < 50) {
        m_progressWaiting = title;
        return;
    }
    if (force)
        endProgress();
    m_progressWaiting.reset();
    m_lastProgressMs = now;
    m_progressShown = title;
    setWindowTitle(title);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void VelmorixWindow::endProgress() {
    if (!m_progressWaiting)
        return;
    const QString title = *m_progressWaiting;
    m_progressWaiting.reset();
    m_progressShown = title;
    setWindowTitle(title);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

BusyCursor::BusyCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}
BusyCursor::~BusyCursor() {
    QApplication::restoreOverrideCursor();
}

} // namespace velmorix
