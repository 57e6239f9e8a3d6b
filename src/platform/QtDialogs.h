#pragma once

#include "Dialogs.h"

#include <QPointer>
#include <QWidget>

namespace velmorix {

class QtDialogs final : public Dialogs {
public:
    bool askYesNo(const QString& text, const QString& title) override;
    void show(const QString& text, const QString& title, DialogIcon icon) override;
    std::optional<QString> input(const QString& prompt, const QString& title,
                                 const QString& defaultText) override;
    std::optional<QString> openFileName(const QString& title, const QString& filter) override;
    void beep() override;
    void setParentWindow(QWidget* parent) override { m_parent = parent; }

private:
    QPointer<QWidget> m_parent;
};

} // namespace velmorix
