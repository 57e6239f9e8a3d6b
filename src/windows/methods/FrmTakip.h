#pragma once

#include "RangeReportWindow.h"
#include "analysis/FollowingNumbers.h"

#include <array>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace velmorix {

// "Son Sonuca Göre Takip Eden Toplar Analizi": which balls tend to follow the
// balls of the last result, how past results followed their predecessors, and
// a list filter by that measure.
class FrmTakip final : public RangeReportWindow {
    Q_OBJECT
public:
    explicit FrmTakip(AppContext& context, QWidget* parent = nullptr);

    void apply(); // Command1, F1: thins the combination list

    const std::optional<FollowReport>& report() const { return m_report; }

private:
    void buildControls();
    bool compute() override;
    void reportReady() override;
    void showReport();
    void showDamagedReference();
    void filterList();
    QString openingCaption() const;

    std::array<std::array<QLabel*, 3>, 2> m_table{};
    QLabel* Label8 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

    std::optional<FollowReport> m_report;
};

} // namespace velmorix
