#pragma once

#include "windows/common/VelmorixWindow.h"

#include <QString>

class QGridLayout;
class QLineEdit;
class QPushButton;

namespace velmorix {

// A dialog of two number boxes, Text1 and Text2, and Command1 to apply: a box
// left shows the plain number read from it, F1 applies, F10 lists the keys,
// Escape closes and Return moves from the first box to the second.
class TwoBoxDialog : public VelmorixWindow {
    Q_OBJECT
public:
    bool handleKey(QKeyEvent* event) override;

    virtual void apply() = 0; // Command1, F1

protected:
    TwoBoxDialog(AppContext& context, QWidget* parent, QString keysHelp);

    bool eventFilter(QObject* watched, QEvent* event) override;
    // The grid of the dialog's controls, on a new central widget.
    QGridLayout* makeCentralGrid(int horizontalSpacing);
    // Command1 ("Uygula": apply) and Command2 (`closeCaption`: close) in `row`.
    void addCommandRow(QGridLayout* grid, int row, const QString& closeCaption);
    // Return pressed anywhere but the first box; true when handled.
    virtual bool returnPastFirstBox() { return false; }

    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

private:
    QString m_keysHelp;
};

} // namespace velmorix
