#pragma once

#include "windows/common/VelmorixWindow.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace velmorix {

// The combination list filter of the quantum limits: a new random list whose
// columns meet the limits, or the existing list thinned to them.
class FrmCLFilt final : public VelmorixWindow {
    Q_OBJECT
public:
    explicit FrmCLFilt(AppContext& context, QWidget* parent = nullptr);

    void onActivated() override;

    void chooseNewList();   // Option1
    void chooseEliminate(); // Option2
    void apply();           // Command1

private:
    void runRandomList(int32_t target, int32_t tries);
    void runElimination();

    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    int32_t m_listCount = 0;
    int m_boxWidth = 0;
};

} // namespace velmorix
