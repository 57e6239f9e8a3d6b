#pragma once

#include "windows/common/VelmorixWindow.h"

#include <array>
#include <cstdint>

class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace velmorix {

// Hit evaluation: checks the played columns against one draw result (a stored
// result chosen by paging, or six typed balls) and lists the columns that won a
// prize, from the most hits down.
class FrmScores final : public VelmorixWindow {
    Q_OBJECT
public:
    explicit FrmScores(AppContext& context, QWidget* parent = nullptr);

    bool handleKey(QKeyEvent* event) override;
    void onActivated() override;

    void scan();
    void showResult(int32_t k);
    void showHelp();

    // The report as the scan built it (lines end in CR LF).
    const QString& reportText() const { return m_report; }
    int32_t shownResult() const { return m_shown; }

    static QString instructionText();

private:
    void buildControls();
    void showResultUnderTest();
    int cellIndex(const QWidget* widget) const;

    QGroupBox* Frame1 = nullptr;
    std::array<QLineEdit*, 6> Text2{};
    QPlainTextEdit* Text1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

    std::array<int64_t, 6> m_result{};
    bool m_hasResult = false;
    int32_t m_shown = 0;
    bool m_typed = false; // the cells hold balls typed since a result was shown
    QString m_report;
};

} // namespace velmorix
