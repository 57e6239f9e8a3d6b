#pragma once

#include "ListPrintDialog.h"

namespace velmorix {

// Writes or prints a list. The random column list, whole.
class FrmRLPrint : public ListPrintDialog {
    Q_OBJECT
public:
    explicit FrmRLPrint(AppContext& context, QWidget* parent = nullptr);
};

} // namespace velmorix
