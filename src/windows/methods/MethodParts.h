#pragma once

#include "core/Numbers.h"

#include <QLineEdit>
#include <QRect>
#include <QScreen>
#include <QString>
#include <QWidget>
#include <algorithm>
#include <cstdint>
#include <string>

namespace velmorix::methods {

inline QString qtext(const std::string& s) {
    return QString::fromStdString(s);
}

// The number read from a text box, wide; the caller's range test decides.
inline int64_t boxNumber(const QLineEdit* box) {
    return ValWhole(box->text().toStdString());
}

// A box left by the user shows the plain number read from it ("12abc" -> "12").
inline void rewriteAsNumber(QLineEdit* box) {
    box->setText(qtext(digits(boxNumber(box))));
}

inline int16_t saturatedWord(int64_t v) {
    return static_cast<int16_t>(std::clamp<int64_t>(v, INT16_MIN, INT16_MAX));
}

// Puts a window of fixed size in the middle of its screen's free area.
inline void centreOnScreen(QWidget* window) {
    if (QScreen* screen = window->screen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}

// The quantum windows' box title.
inline QString quantumTitle() {
    return QStringLiteral("VELMORIX 653 Dizimci u4.5 [ KUANTUM ]");
}

} // namespace velmorix::methods
