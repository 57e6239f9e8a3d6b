#pragma once

#include "RangeReportWindow.h"
#include "analysis/QuantumStatistics.h"

#include <array>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace velmorix {

// "Top Tekrar Sayıları ve Kuantum Değerleri": ranks the balls by how often
// they were drawn, measures every result of the window against the ranking of
// the results before it, and derives the limits of the quantum list filter.
class FrmKuantum final : public RangeReportWindow {
    Q_OBJECT
public:
    explicit FrmKuantum(AppContext& context, QWidget* parent = nullptr);

    // Takes the program's range again and computes afresh at the next activation.
    void startOver();

    void handOver();        // F1, Command1
    void saveRankGroups();  // F2
    void showCoverage();    // F3
    void openQuantumList(); // F4, Command3
    void openFollowing();   // F5
    void showKeyHelp();     // F10

    const std::optional<QuantumReport>& report() const { return m_report; }

private:
    void buildControls();
    bool compute() override;
    void reportReady() override;
    void showReport();
    QString rangeText() const;
    void showAgain();

    std::array<QLabel*, 6> m_rowHeads{};
    std::array<std::array<QLabel*, 3>, 6> m_table{};
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QCheckBox* Check1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;

    std::optional<QuantumReport> m_report;
};

} // namespace velmorix
