#pragma once

#include "ListPrintDialog.h"

namespace velmorix {

// Writes or prints a list. The draw results, all of them, with their draw dates.
class FrmResPrint : public ListPrintDialog {
    Q_OBJECT
public:
    explicit FrmResPrint(AppContext& context, QWidget* parent = nullptr);
};

} // namespace velmorix
