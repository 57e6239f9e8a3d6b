#pragma once

#include "RecordEditorWindow.h"

#include "analysis/CatchZero.h"

namespace velmorix {

// "Sıfırı Yakala": up to 64 columns expected to share no ball with the coming
// draw (VELMORIX.ZMC, kept as typed), and the three ways of thinning the
// combination list with them.
class FrmZero final : public RecordEditorWindow {
    Q_OBJECT
public:
    explicit FrmZero(AppContext& context, QWidget* parent = nullptr);

    void filterList(catchzero::Rule rule);
    void copyToPlayed();
    void copyFromPlayed();

protected:
    bool mayAddRecord(int32_t count) override;
    QString deleteQuestion(int32_t k) const override;
    QString deletedMessage(int32_t k) const override;
    bool functionKey(int key) override;
    void fileReloaded() override;

private:
    void buildRangeBoxes();

    QLineEdit* Text2 = nullptr; // start of the range
    QLineEdit* Text3 = nullptr; // end of the range
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
};

} // namespace velmorix
