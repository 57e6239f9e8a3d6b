#include "TwoBoxDialog.h"

#include "MethodParts.h"

#include "platform/Dialogs.h"

#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <utility>

namespace velmorix {

TwoBoxDialog::TwoBoxDialog(AppContext& context, QWidget* parent, QString keysHelp)
    : VelmorixWindow(context, parent), m_keysHelp(std::move(keysHelp)) {}

QGridLayout* TwoBoxDialog::makeCentralGrid(int horizontalSpacing) {
    auto* central = new QWidget(this);
    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(14, 12, 14, 12);
    grid->setHorizontalSpacing(horizontalSpacing);
    grid->setVerticalSpacing(6);
    setCentralWidget(central);
    return grid;
}

void TwoBoxDialog::addCommandRow(QGridLayout* grid, int row, const QString& closeCaption) {
    QWidget* parent = grid->parentWidget();
    Command1 = new QPushButton(QStringLiteral("Uygula"), parent);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(closeCaption, parent);
    Command2->setObjectName(QStringLiteral("Command2"));
    grid->addWidget(Command1, row, 0);
    grid->addWidget(Command2, row, 1);
    connect(Command1, &QPushButton::clicked, this, &TwoBoxDialog::apply);
    connect(Command2, &QPushButton::clicked, this, &TwoBoxDialog::close);
}

bool TwoBoxDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && (watched == Text1 || watched == Text2))
        methods::rewriteAsNumber(static_cast<QLineEdit*>(watched));
    return VelmorixWindow::eventFilter(watched, event);
}

bool TwoBoxDialog::handleKey(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (focusWidget() == Text1) {
            Text2->setFocus();
            return true;
        }
        return returnPastFirstBox();
    }
    return runKeyCommand(event, {{Qt::Key_Escape, [this] { close(); }},
                                 {Qt::Key_F1, [this] { apply(); }},
                                 {Qt::Key_F10, [this] { showKeysBox(m_keysHelp); }}});
}

} // namespace velmorix
