#pragma once

#include "core/Game.h"

#include <QWidget>

namespace velmorix {

// The help window's decorations, painted rather than loaded from image files.
class HelpPicture final : public QWidget {
    Q_OBJECT
public:
    enum class Kind {
        Emblem, // the product mark
        Ball,   // a lottery ball
        Ticket, // the game's play slip with six balls marked
    };

    HelpPicture(Kind kind, const Game& game, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintEmblem(QPainter& painter) const;
    void paintBall(QPainter& painter) const;
    void paintTicket(QPainter& painter) const;

    Kind m_kind;
    Game m_game;
};

} // namespace velmorix
