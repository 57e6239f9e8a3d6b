#include "BallGrid.h"

#include "WindowParts.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include <iterator>

namespace velmorix {

int BallGrid::perRow(int balls) {
    // Seven by seven fills the square of 49; larger games read in tens.
    return balls <= 49 ? 7 : 10;
}

BallGrid::BallGrid(QWidget* parent, int balls) : QFrame(parent) {
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(10, 8, 10, 8);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    QFont ballFont = font();
    ballFont.setBold(true);
    m_boxes.reserve(static_cast<std::size_t>(balls));
    for (int i = 0; i < balls; ++i) {
        auto* box = new QCheckBox(QString::number(i + 1), this);
        box->setObjectName(QStringLiteral("Check1_") + QString::number(i));
        box->setFont(ballFont);
        box->setMinimumWidth(box->sizeHint().width() + 6);
        colourByTick(box);
        connect(box, &QCheckBox::toggled, this, [this, box, i](bool ticked) {
            colourByTick(box);
            emit toggled(i + 1, ticked);
        });
        grid->addWidget(box, rowOf(i, balls), columnOf(i, balls));
        m_boxes.push_back(box);
    }
}

void BallGrid::setAllTicked(bool ticked) {
    for (QCheckBox* box : m_boxes)
        box->setChecked(ticked);
}

void BallGrid::keepCellsWhenHidden() {
    for (QCheckBox* box : m_boxes) {
        QSizePolicy policy = box->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        box->setSizePolicy(policy);
    }
}

BallWindowHeader addBallWindowHeader(QWidget* parent, QBoxLayout* layout, const QString& title) {
    auto* header = new QHBoxLayout;
    BallWindowHeader labels;
    labels.title = new QLabel(title, parent);
    labels.title->setObjectName(QStringLiteral("Label1"));
    QFont big = labels.title->font();
    big.setPointSize(big.pointSize() + 5);
    big.setBold(true);
    labels.title->setFont(big);
    labels.help = new QLabel(QStringLiteral("F10 = Yardım"), parent);
    labels.help->setObjectName(QStringLiteral("Label2"));
    header->addWidget(labels.title);
    header->addStretch(1);
    header->addWidget(labels.help, 0, Qt::AlignBottom);
    layout->addLayout(header);
    return labels;
}

QPushButton* makeNamedButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

void addButtonRow(QWidget* parent, QBoxLayout* layout, std::initializer_list<NamedButton> buttons) {
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    for (const NamedButton& entry : buttons) {
        QPushButton* button = makeNamedButton(parent, entry.name, entry.caption);
        QObject::connect(button, &QPushButton::clicked, parent, entry.command);
        if (&entry == std::prev(buttons.end()))
            row->addStretch(1);
        row->addWidget(button);
    }
    layout->addLayout(row);
}

} // namespace velmorix
