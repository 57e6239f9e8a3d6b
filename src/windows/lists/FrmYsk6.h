#pragma once

#include "EditableListWindow.h"

namespace velmorix {

// The long forbidden sextets list: pages through VELMORIX.YSK, edits it one
// sextet at a time, saves it as the combination list, writes and prints it.
class FrmYsk6 : public EditableListWindow {
    Q_OBJECT
public:
    explicit FrmYsk6(AppContext& context, QWidget* parent = nullptr);

protected:
    void commandKey(int key) override;

private:
    void saveAsCombinationList();
    void writeText();
    void print();
    void showHelp();
};

} // namespace velmorix
