#pragma once

#include "core/Game.h"
#include "core/Numbers.h"
#include "platform/Dialogs.h"
#include "windows/common/Placement.h"
#include "windows/common/Text.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRect>
#include <QScreen>
#include <QString>
#include <QWidget>
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace velmorix::methods {

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

// The quantum windows' box title.
inline QString quantumTitle() {
    return programTitle() + QStringLiteral(" [ KUANTUM ]");
}

// Shown when a combination list command finds no VELMORIX.LST.
inline QString missingListText() {
    return QStringLiteral("'VELMORIX.LST' dosyası bulunamadı?");
}
inline QString missingListTitle() {
    return QStringLiteral(" VELMORIX 653 Dizimci u4.5");
}

// A Kuantum range whose least value is above its greatest lets no column
// through, so a filter run by it would only empty the list.
inline QString kuantumRangeRefusal(int64_t least, int64_t greatest) {
    if (least <= greatest)
        return {};
    return QStringLiteral("Maksimum Kuantum değeri Minimum Kuantum değerinden az olamaz !");
}

// A report list in a fixed-width font, so its columns line up.
inline QListWidget* makeReportList(QWidget* parent, const char* name, int width) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setStyleHint(QFont::Monospace);
    list->setFont(mono);
    list->setFixedWidth(width);
    list->setMinimumHeight(330);
    return list;
}

inline void showLines(QListWidget* list, const std::vector<std::string>& lines) {
    list->clear();
    for (const std::string& line : lines)
        list->addItem(qtext(line));
}

// One sunken figure of a report table (maximum, minimum, average), found by
// objectName "lblValue_<row>_<column>".
// Before the first figures it holds the greatest column sum and the middle one.
inline QLabel* makeFigureLabel(QWidget* table, int row, int column, const Game& game) {
    const int shown = column == 0 ? game.maxSum() : (Game::kMinSum + game.maxSum()) / 2;
    auto* value = new QLabel(QString::number(shown), table);
    value->setObjectName(QStringLiteral("lblValue_") + QString::number(row) + QLatin1Char('_') +
                         QString::number(column));
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setMinimumWidth(64);
    value->setFrameShape(QFrame::Panel);
    value->setFrameShadow(QFrame::Sunken);
    return value;
}

} // namespace velmorix::methods
