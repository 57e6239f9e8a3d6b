#pragma once

#include "ListPrintDialog.h"

namespace velmorix {

// Writes or prints a list. The played columns, whole; it closes at once when there are none.
class FrmOKPrint : public ListPrintDialog {
    Q_OBJECT
public:
    explicit FrmOKPrint(AppContext& context, QWidget* parent = nullptr);
};

} // namespace velmorix
