#pragma once

#include "PagedListWindow.h"

#include "analysis/ListElimination.h"

namespace velmorix {

// The combination list window: pages through VELMORIX.LST and thins it by
// hand-typed numbers and pairs or the automatic pair-differences rule.
class FrmComLst : public PagedListWindow {
    Q_OBJECT
public:
    explicit FrmComLst(AppContext& context, QWidget* parent = nullptr);

    static QString designCaption();

    bool handleKey(QKeyEvent* event) override;
    // Ctrl+Z: takes back the last change of the list (again: makes it again).
    void undoLastChange();

protected:
    void commandKey(int key) override;

private:
    void eliminateByNumbers(bool wanted);
    void eliminateByUnwantedPair();
    void eliminateByPairs();
    void eliminateByWantedPairs();
    void showStatistics();
    void showHelp();
    // The two-phase thinning with its progress captions.
    void runElimination(const std::string& undoName, const ColumnTest& survives, const QString& phase1,
                        const QString& phase2);
};

} // namespace velmorix
