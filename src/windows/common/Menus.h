#pragma once

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QString>

namespace velmorix {

// A menu entry with its established name. `key` is only shown beside the
// caption: the window itself handles its keys before any control, so the
// shortcut is live only while the menu is open.
inline QAction* addMenuEntry(QMenu* menu, const char* name, const QString& caption,
                             const QKeySequence& key = QKeySequence()) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    if (!key.isEmpty()) {
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetShortcut);
    }
    return action;
}

// Builds a window's menu bar: menus and entries under their established
// names, each entry running a command of the window.
template <class Window> class MenuBuilder {
public:
    explicit MenuBuilder(Window* window) : m_window(window) {}

    QMenu* menu(const char* name, const QString& title) const {
        QMenu* menu = m_window->menuBar()->addMenu(title);
        menu->setObjectName(QString::fromLatin1(name));
        return menu;
    }

    // `command` is a member function of the window or a callable.
    template <class Command>
    QAction* entry(QMenu* menu, const char* name, const QString& caption, const QKeySequence& key,
                   Command command) const {
        QAction* action = addMenuEntry(menu, name, caption, key);
        QObject::connect(action, &QAction::triggered, m_window, command);
        return action;
    }

private:
    Window* m_window;
};

} // namespace velmorix
