#pragma once

#include "TwoBoxDialog.h"

class QLineEdit;
class QPushButton;

namespace velmorix {

// "Sonuçlar (Kullanılacak Olan)": which past results the quantum statistics
// use; opens the quantum window on them.
class FrmKuantFlt final : public TwoBoxDialog {
    Q_OBJECT
public:
    explicit FrmKuantFlt(AppContext& context, QWidget* parent = nullptr);

    void onActivated() override;

    void apply() override;

protected:
    bool returnPastFirstBox() override;

private:
    int32_t resultCount();
    void rangeError(const QString& firstLine, int32_t count, QLineEdit* focus);

    int32_t m_shownCount = -1; // the result count last put into Text2
};

} // namespace velmorix
