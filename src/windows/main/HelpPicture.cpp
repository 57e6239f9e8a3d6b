#include "HelpPicture.h"

#include "windows/common/BallGrid.h"
#include "windows/common/Text.h"

#include <QLocale>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <array>

namespace velmorix {

HelpPicture::HelpPicture(Kind kind, const Game& game, QWidget* parent)
    : QWidget(parent), m_kind(kind), m_game(game) {
    setAttribute(Qt::WA_TransparentForMouseEvents); // a double click reaches the window
}

void HelpPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (m_kind) {
    case Kind::Emblem:
        paintEmblem(painter);
        break;
    case Kind::Ball:
        paintBall(painter);
        break;
    case Kind::Ticket:
        paintTicket(painter);
        break;
    }
}

void HelpPicture::paintEmblem(QPainter& painter) const {
    const QRectF area = QRectF(rect()).adjusted(1, 1, -1, -1);
    painter.setPen(QPen(QColor(0x1d, 0x3a, 0x6b), 2));
    painter.setBrush(QColor(0x2e, 0x5c, 0xa8));
    painter.drawRoundedRect(area, 8, 8);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(height() / 3);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(area, Qt::AlignCenter, qtext(m_game.tag()));
}

void HelpPicture::paintBall(QPainter& painter) const {
    const QRectF area = QRectF(rect()).adjusted(1, 1, -1, -1);
    QRadialGradient shine(area.center() - QPointF(area.width() / 5, area.height() / 5), area.width() * 0.7);
    shine.setColorAt(0, QColor(0xff, 0xe0, 0x9a));
    shine.setColorAt(1, QColor(0xd8, 0x4a, 0x1b));
    painter.setPen(QPen(QColor(0x8a, 0x2c, 0x0e), 1));
    painter.setBrush(shine);
    painter.drawEllipse(area);
    painter.setBrush(Qt::white);
    painter.setPen(Qt::NoPen);
    const double inner = area.width() * 0.52;
    painter.drawEllipse(QRectF(area.center().x() - inner / 2, area.center().y() - inner / 2, inner, inner));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(static_cast<int>(inner * 0.62));
    painter.setFont(font);
    painter.setPen(QColor(0x22, 0x22, 0x22));
    painter.drawText(area, Qt::AlignCenter, QStringLiteral("6"));
}

void HelpPicture::paintTicket(QPainter& painter) const {
    const QRectF area = QRectF(rect()).adjusted(1, 1, -1, -1);
    painter.setPen(QPen(QColor(0xb0, 0x3a, 0x2e), 1.5));
    painter.setBrush(QColor(0xff, 0xf8, 0xe7));
    painter.drawRoundedRect(area, 6, 6);

    const double header = 22;
    QFont title(QStringLiteral("DejaVu Sans"));
    title.setBold(true);
    title.setPixelSize(12);
    painter.setFont(title);
    painter.setPen(QColor(0xb0, 0x3a, 0x2e));
    painter.drawText(QRectF(area.left(), area.top() + 2, area.width(), header), Qt::AlignCenter,
                     QLocale(QLocale::Turkish).toUpper(qtext(m_game.name())));

    constexpr std::array<int, 6> marked{4, 11, 23, 30, 38, 47};
    const QRectF grid(area.left() + 6, area.top() + header + 4, area.width() - 12,
                      area.height() - header - 10);
    const int balls = m_game.balls();
    const int perRow = BallGrid::perRow(balls);
    const int rows = (balls + perRow - 1) / perRow;
    const double cellW = grid.width() / perRow;
    const double cellH = grid.height() / rows;
    QFont number(QStringLiteral("DejaVu Sans"));
    number.setPixelSize(static_cast<int>(cellH * 0.45));
    painter.setFont(number);
    for (int ball = 1; ball <= balls; ++ball) {
        const int row = BallGrid::rowOf(ball - 1, balls);
        const int col = BallGrid::columnOf(ball - 1, balls);
        const QRectF cell(grid.left() + col * cellW + 1.5, grid.top() + row * cellH + 1.5, cellW - 3,
                          cellH - 3);
        const bool isMarked = std::find(marked.begin(), marked.end(), ball) != marked.end();
        painter.setPen(QPen(QColor(0xd9, 0x8c, 0x80), 1));
        painter.setBrush(isMarked ? QColor(0x2e, 0x5c, 0xa8) : QColor(Qt::white));
        painter.drawRect(cell);
        painter.setPen(isMarked ? QColor(Qt::white) : QColor(0xb0, 0x3a, 0x2e));
        painter.drawText(cell, Qt::AlignCenter, QString::number(ball));
    }
}

} // namespace velmorix
