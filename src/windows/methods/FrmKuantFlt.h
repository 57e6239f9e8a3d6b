#pragma once

#include "windows/common/VelmorixWindow.h"

class QLineEdit;
class QPushButton;

namespace velmorix {

// "Sonuçlar (Kullanılacak Olan)": which past results the quantum statistics
// use; opens the quantum window on them.
class FrmKuantFlt final : public VelmorixWindow {
    Q_OBJECT
public:
    explicit FrmKuantFlt(AppContext& context, QWidget* parent = nullptr);

    bool handleKey(QKeyEvent* event) override;
    void onActivated() override;

    void apply(); // Command1, F1

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int32_t resultCount();
    void rangeError(const QString& firstLine, int32_t count, QLineEdit* focus);

    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    int32_t m_shownCount = -1; // the result count last put into Text2
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
};

} // namespace velmorix
