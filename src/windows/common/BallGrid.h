#pragma once

#include <QFrame>
#include <QString>
#include <functional>
#include <initializer_list>
#include <vector>

class QBoxLayout;
class QCheckBox;
class QLabel;
class QPushButton;

namespace velmorix {

// The game's balls as tick boxes in a sunken frame, filled row by row (seven
// rows of seven for 49 balls, rows of ten for more): a ticked box is written in
// black, an unticked one in dark grey. The boxes are named "Check1_<index>",
// index 0 for ball 1.
class BallGrid final : public QFrame {
    Q_OBJECT
public:
    BallGrid(QWidget* parent, int balls);

    int balls() const { return static_cast<int>(m_boxes.size()); }
    // Ball 1..balls().
    QCheckBox* box(int ball) const { return m_boxes[static_cast<std::size_t>(ball - 1)]; }
    void setAllTicked(bool ticked);
    // A hidden box keeps its cell, so the grid does not shift as boxes hide.
    void keepCellsWhenHidden();

    // Balls to a row, and the row and column of the ball at `index` (0 for
    // ball 1), in every grid of `balls` balls.
    static int perRow(int balls);
    static int rowOf(int index, int balls) { return index / perRow(balls); }
    static int columnOf(int index, int balls) { return index % perRow(balls); }

signals:
    void toggled(int ball, bool ticked);

private:
    std::vector<QCheckBox*> m_boxes;
};

// The ball windows' header: a big bold title on the left, "F10 = Yardım" on
// the right; the labels are Label1 and Label2.
struct BallWindowHeader {
    QLabel* title = nullptr;
    QLabel* help = nullptr;
};
BallWindowHeader addBallWindowHeader(QWidget* parent, QBoxLayout* layout, const QString& title);

// A push button under its established name that Return does not press.
QPushButton* makeNamedButton(QWidget* parent, const char* name, const QString& caption);

// One button of a ball window's row: its established name, caption and command.
struct NamedButton {
    const char* name;
    QString caption;
    std::function<void()> command;
};
// The row of buttons under the balls: all but the last from the left, the
// last (the one that closes) at the right edge.
void addButtonRow(QWidget* parent, QBoxLayout* layout, std::initializer_list<NamedButton> buttons);

} // namespace velmorix
