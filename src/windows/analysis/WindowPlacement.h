#pragma once

#include <QRect>
#include <QScreen>
#include <QWidget>

namespace velmorix::analysiswindows {

// A window opens in the middle of its screen's free area, where the eye is.
inline void centreOnScreen(QWidget* window) {
    if (QScreen* screen = window->screen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}

} // namespace velmorix::analysiswindows
