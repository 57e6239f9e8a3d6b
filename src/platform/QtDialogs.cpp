#include "QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace velmorix {

namespace {
// Messages break lines with a carriage return; Qt wants line feeds.
QString displayText(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

QWidget* activeParent(QWidget* preferred) {
    if (preferred && preferred->isVisible())
        return preferred;
    return QApplication::activeWindow();
}
} // namespace

bool QtDialogs::askYesNo(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Question, title, displayText(text), QMessageBox::Yes | QMessageBox::No,
                    activeParent(m_parent));
    box.setDefaultButton(QMessageBox::Yes);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Evet"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Hayır"));
    return box.exec() == QMessageBox::Yes;
}

void QtDialogs::show(const QString& text, const QString& title, DialogIcon icon) {
    QMessageBox::Icon qtIcon = QMessageBox::NoIcon;
    switch (icon) {
    case DialogIcon::None:
        break;
    case DialogIcon::Question:
        qtIcon = QMessageBox::Question;
        break;
    case DialogIcon::Exclamation:
        qtIcon = QMessageBox::Warning;
        break;
    case DialogIcon::Information:
        qtIcon = QMessageBox::Information;
        break;
    case DialogIcon::Critical:
        qtIcon = QMessageBox::Critical;
        break;
    }
    QMessageBox box(qtIcon, title, displayText(text), QMessageBox::Ok, activeParent(m_parent));
    box.button(QMessageBox::Ok)->setText(QStringLiteral("Tamam"));
    box.exec();
}

std::optional<QString> QtDialogs::input(const QString& prompt, const QString& title,
                                        const QString& defaultText) {
    QInputDialog dialog(activeParent(m_parent));
    dialog.setWindowTitle(title);
    dialog.setLabelText(displayText(prompt));
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QStringLiteral("Tamam"));
    dialog.setCancelButtonText(QStringLiteral("İptal"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

std::optional<QString> QtDialogs::openFileName(const QString& title, const QString& filter) {
    const QString name = QFileDialog::getOpenFileName(activeParent(m_parent), title, QString(), filter);
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

void QtDialogs::beep() {
    QApplication::beep();
}

} // namespace velmorix
