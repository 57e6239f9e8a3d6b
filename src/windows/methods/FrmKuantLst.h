#pragma once

#include "windows/lists/PagedListWindow.h"

#include <functional>

namespace velmorix {

struct AppState;

// The combination list with each column's Kuantum in brackets, thinned by
// Kuantum limits or by the values of the results the quantum window measured.
class FrmKuantLst final : public PagedListWindow {
    Q_OBJECT
public:
    explicit FrmKuantLst(AppContext& context, QWidget* parent = nullptr);

protected:
    void commandKey(int key) override;
    int32_t bracketValue(const ColumnRecord& column) const override;

private:
    void eliminateByLimit(bool minimum);
    void eliminateByResults();
    void showHelp();
    // The two-phase thinning; survivors carry their Kuantum as Tag.
    void runElimination(const std::function<bool(int)>& survives);

    const AppState& m_state;
};

} // namespace velmorix
