#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QColor>
#include <QKeySequence>
#include <QMenu>
#include <QPalette>
#include <QScreen>
#include <QString>
#include <QWidget>

namespace velmorix {

// Colours 0 (black) and 8 (dark grey) of the 16-colour palette.
inline QColor paletteBlack() {
    return QColor(0x00, 0x00, 0x00);
}
inline QColor paletteDarkGrey() {
    return QColor(0x80, 0x80, 0x80);
}

// A ticked ball box is written in black, an unticked one in dark grey.
inline void colourByTick(QAbstractButton* box) {
    QPalette p = box->palette();
    const QColor c = box->isChecked() ? paletteBlack() : paletteDarkGrey();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::ButtonText, c);
    p.setColor(QPalette::Text, c);
    box->setPalette(p);
}

// Places a window in the middle of its screen's free area.
inline void placeCentred(QWidget* window) {
    if (QScreen* screen = window->screen()) {
        const QRect area = screen->availableGeometry();
        window->move(area.center() - window->rect().center());
    }
}

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

} // namespace velmorix
