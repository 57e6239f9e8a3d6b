#pragma once

#include <QRect>
#include <QScreen>
#include <QWidget>

namespace velmorix {

// Puts a fixed-size window in the middle of its screen's free area.
inline void centreOnScreen(QWidget* window) {
    if (QScreen* screen = window->screen()) {
        const QRect area = screen->availableGeometry();
        window->move(area.center() - window->rect().center());
    }
}

} // namespace velmorix
