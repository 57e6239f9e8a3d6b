#pragma once

#include "EditableListWindow.h"

namespace velmorix {

// The long played columns list: pages through VELMORIX.OKL from the
// program-wide record number and edits it one column at a time.
class FrmOKLst : public EditableListWindow {
    Q_OBJECT
public:
    explicit FrmOKLst(AppContext& context, QWidget* parent = nullptr);

protected:
    void commandKey(int key) override;
    // The page position is the program-wide record number, which other
    // windows may move.
    int32_t& firstShown() override;

private:
    void deleteOne();
    void showHelp();
};

} // namespace velmorix
