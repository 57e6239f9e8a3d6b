#pragma once

#include "windows/common/VelmorixWindow.h"

#include <cstdint>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace velmorix {

struct RangeCheck;

// The results range dialog: asks for a range of records and runs the
// operation its caller asked for through ResultsDialogMode and
// ResultsDialogSubMode. Closing it without a bag or banker answer leaves 1000.
class FrmResFilt final : public VelmorixWindow {
    Q_OBJECT
public:
    explicit FrmResFilt(AppContext& context, QWidget* parent = nullptr);
    ~FrmResFilt() override;

    bool handleKey(QKeyEvent* event) override;
    void onActivated() override;

    // Command1 / F1.
    void apply();
    void showHelp();

    static QString caption();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    // Caption and minimum-count box for the request now in the state.
    void showRequest();
    bool asksForMinCount();
    void countSource();
    void refuseEmptySource();
    void closeDialog();
    void rewriteAsNumber(QLineEdit* box);
    bool acceptRange();
    void showError(const std::string& text, QLineEdit* focus);
    void runChaosTest();
    void openStatistics();
    void runResultsOperation(int16_t mode);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

    int32_t m_count = 0; // records of the source file
    // The count last put into the end box, and the file it counted.
    int32_t m_shownCount = -1;
    int16_t m_shownSource = -1;
    bool m_closing = false;
};

} // namespace velmorix
