#pragma once

#include "TwoBoxDialog.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace velmorix {

// "OKL Yasak İkili Üreteci": forbidden pairs from the pairs that the played
// columns hold often enough, as a new VELMORIX.YS2 or added to it.
class FrmYS2Flt final : public TwoBoxDialog {
    Q_OBJECT
public:
    explicit FrmYS2Flt(AppContext& context, QWidget* parent = nullptr);

    void onActivated() override;

    void apply() override;

private:
    int32_t threshold(QLineEdit* box);

    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
};

} // namespace velmorix
