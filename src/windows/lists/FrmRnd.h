#pragma once

#include "windows/common/VelmorixWindow.h"

#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace velmorix {

// The random list generator: writes random columns from the bag and the
// bankers into VELMORIX.RND, as a new list or appended, then shows the list.
class FrmRnd : public VelmorixWindow {
    Q_OBJECT
public:
    explicit FrmRnd(AppContext& context, QWidget* parent = nullptr);

    void onActivated() override;

    // Command1 / F1.
    void generate();

    QLabel* Label1;
    QLineEdit* Text1;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QPushButton* Command1;
    QPushButton* Command2;

private:
    void chooseNewList();
    void chooseAppend();
    void refuse(const QString& message);
    bool canDraw();
    void finish(const QString& message);

    int32_t m_existingCount = 0;
};

} // namespace velmorix
