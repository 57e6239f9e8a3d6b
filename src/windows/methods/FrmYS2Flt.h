#pragma once

#include "windows/common/VelmorixWindow.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace velmorix {

// "OKL Yasak İkili Üreteci": forbidden pairs from the pairs that the played
// columns hold often enough, as a new VELMORIX.YS2 or added to it.
class FrmYS2Flt final : public VelmorixWindow {
    Q_OBJECT
public:
    explicit FrmYS2Flt(AppContext& context, QWidget* parent = nullptr);

    bool handleKey(QKeyEvent* event) override;
    void onActivated() override;

    void apply(); // Command1, F1

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int32_t threshold(QLineEdit* box);

    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
};

} // namespace velmorix
