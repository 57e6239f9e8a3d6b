#pragma once

#include "Menus.h"
#include "Placement.h"

#include <QAbstractButton>
#include <QColor>
#include <QPalette>
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

} // namespace velmorix
