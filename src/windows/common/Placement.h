#pragma once

#include <QPoint>
#include <QRect>
#include <QScreen>
#include <QSize>
#include <QWidget>

#include <algorithm>
#include <optional>

namespace velmorix {

// Places a window in the middle of its screen's free area.
inline void placeCentred(QWidget* window) {
    if (QScreen* screen = window->screen()) {
        const QRect area = screen->availableGeometry();
        window->move(area.center() - window->rect().center());
    }
}

// Where a window of `size` (frame included) goes beside `anchor` within
// `area`: to its right, or to its left when the right has no room, top edges
// level as far as the area allows; on a narrow screen below it, or above it.
// Nothing when no side has room.
inline std::optional<QPoint> besideOf(const QRect& anchor, const QSize& size, const QRect& area) {
    constexpr int Gap = 4;
    const auto clamped = [](int v, int low, int high) { return std::max(low, std::min(v, high)); };
    const int y = clamped(anchor.top(), area.top(), area.bottom() + 1 - size.height());
    if (anchor.right() + Gap + size.width() <= area.right())
        return QPoint(anchor.right() + 1 + Gap, y);
    if (anchor.left() - Gap - size.width() >= area.left())
        return QPoint(anchor.left() - Gap - size.width(), y);
    const int x = clamped(anchor.left(), area.left(), area.right() + 1 - size.width());
    if (anchor.bottom() + Gap + size.height() <= area.bottom())
        return QPoint(x, anchor.bottom() + 1 + Gap);
    if (anchor.top() - Gap - size.height() >= area.top())
        return QPoint(x, anchor.top() - Gap - size.height());
    return std::nullopt;
}

// Opens `window` beside `anchor` so that it leaves the anchor in sight; in
// the middle of the screen when the anchor is not shown or there is no room.
inline void placeBeside(QWidget* window, const QWidget* anchor) {
    QScreen* screen = anchor && anchor->isVisible() ? anchor->screen() : nullptr;
    if (!screen) {
        placeCentred(window);
        return;
    }
    // The window is not shown yet: its frame is taken to be the anchor's.
    const QSize frame = anchor->frameGeometry().size() - anchor->size();
    const auto at = besideOf(anchor->frameGeometry(), window->size() + frame, screen->availableGeometry());
    if (at)
        window->move(*at);
    else
        placeCentred(window);
}

} // namespace velmorix
