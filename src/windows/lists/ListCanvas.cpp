#include "ListCanvas.h"

#include "core/Program.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace velmorix {

namespace {
QFont listFont() {
    QFont f;
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")});
    f.setPointSizeF(9.75);
    return f;
}
} // namespace

ListCanvas::ListCanvas(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ListCanvas"));
    setFont(listFont());
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void ListCanvas::setLines(std::vector<PageLine> lines) {
    m_lines = std::move(lines);
    update();
}

int ListCanvas::toPixelsX(int twips) const {
    return twips * logicalDpiX() / kTwipsPerInch;
}
int ListCanvas::toPixelsY(int twips) const {
    return twips * logicalDpiY() / kTwipsPerInch;
}
int ListCanvas::toTwipsX(int pixels) const {
    return pixels * kTwipsPerInch / logicalDpiX();
}
int ListCanvas::toTwipsY(int pixels) const {
    return pixels * kTwipsPerInch / logicalDpiY();
}

int ListCanvas::textEndX(int x, const QString& text) const {
    return x + toTwipsX(fontMetrics().horizontalAdvance(text));
}

int ListCanvas::lineHeightTwips() const {
    return toTwipsY(fontMetrics().height());
}

void ListCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    const int ascent = fontMetrics().ascent();
    auto draw = [&](int x, int y, const QString& text) {
        painter.drawText(QPoint(toPixelsX(x), toPixelsY(y) + ascent), text);
    };
    // A ball is drawn in the room of a blank and two digits, right-aligned, so
    // that one-digit and two-digit balls line up in their columns.
    const int ballRoom = fontMetrics().horizontalAdvance(QStringLiteral(" 00"));
    for (const PageLine& line : m_lines) {
        painter.setPen(labelColour());
        draw(LabelX, line.y, line.label);
        painter.setPen(ballColour());
        for (std::size_t k = 0; k < line.balls.size(); ++k) {
            const QString ball = line.balls[k].trimmed();
            const int x = toPixelsX(line.ballsX + BallStep * static_cast<int>(k)) + ballRoom -
                          fontMetrics().horizontalAdvance(ball);
            painter.drawText(QPoint(x, toPixelsY(line.y) + ascent), ball);
        }
        draw(line.ballsX + BracketOffset, line.y, line.bracket);
    }
}

void ListCanvas::mousePressEvent(QMouseEvent* event) {
    emit clicked();
    event->accept();
}

} // namespace velmorix
