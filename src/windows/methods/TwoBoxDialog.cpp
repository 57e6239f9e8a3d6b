#include "TwoBoxDialog.h"

#include "MethodParts.h"

#include "platform/Dialogs.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <utility>

namespace velmorix {

TwoBoxDialog::TwoBoxDialog(AppContext& context, QWidget* parent, QString keysHelp)
    : VelmorixWindow(context, parent), m_keysHelp(std::move(keysHelp)) {}

bool TwoBoxDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && (watched == Text1 || watched == Text2))
        methods::rewriteAsNumber(static_cast<QLineEdit*>(watched));
    return VelmorixWindow::eventFilter(watched, event);
}

bool TwoBoxDialog::handleKey(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        close();
        return true;
    case Qt::Key_F1:
        apply();
        return true;
    case Qt::Key_F10:
        dialogs().show(m_keysHelp, QStringLiteral(" FONKSİYON TUŞLARI"), DialogIcon::None);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (focusWidget() == Text1) {
            Text2->setFocus();
            return true;
        }
        return returnPastFirstBox();
    default:
        return false;
    }
}

} // namespace velmorix
