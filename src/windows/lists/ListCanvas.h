#pragma once

#include <QFont>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <vector>

namespace velmorix {

// One line of a list page; positions in twips from the top left corner.
struct PageLine {
    int32_t number = 0; // record number, from 1
    int y = 0;
    QString label; // "Kolon - 12 : " at x = 200, light red
    int ballsX = 0;
    std::array<QString, 6> balls; // light blue, 400 twips apart
    QString bracket;              // at ballsX + 2500, light blue
};

// The drawing surface of a paged list window: text at twip positions on white.
class ListCanvas : public QWidget {
    Q_OBJECT
public:
    explicit ListCanvas(QWidget* parent = nullptr);

    void setLines(std::vector<PageLine> lines);
    const std::vector<PageLine>& lines() const { return m_lines; }

    // Twips to pixels and back, at the screen's resolution.
    int toPixelsX(int twips) const;
    int toPixelsY(int twips) const;
    int toTwipsX(int pixels) const;
    int toTwipsY(int pixels) const;

    // The text position after `text` printed at x (twips).
    int textEndX(int x, const QString& text) const;
    int lineHeightTwips() const;

    static constexpr int LabelX = 200;
    static constexpr int FirstLineY = 200;
    static constexpr int BallStep = 400;
    static constexpr int BracketOffset = 2500;
    static QColor labelColour() { return QColor(255, 0, 0); }
    static QColor ballColour() { return QColor(0, 0, 255); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::vector<PageLine> m_lines;
};

} // namespace velmorix
