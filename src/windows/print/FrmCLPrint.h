#pragma once

#include "ListPrintDialog.h"

namespace velmorix {

// Writes or prints a list. The combination list: any range of records.
class FrmCLPrint : public ListPrintDialog {
    Q_OBJECT
public:
    explicit FrmCLPrint(AppContext& context, QWidget* parent = nullptr);
};

} // namespace velmorix
