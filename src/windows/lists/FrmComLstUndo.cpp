// Taking back the last change of the combination list, and redoing it.
#include "FrmComLst.h"

#include "core/ColumnFile.h"
#include "core/ListUndo.h"
#include "platform/Dialogs.h"

namespace velmorix {

void FrmComLst::undoLastChange() {
    dialogs().beep();
    UndoResult result;
    if (!guarded([&] { result = undoLastListChange(dir()); }))
        return;
    if (result.outcome != UndoOutcome::Nothing) {
        firstShown() = 0;
        if (listExists())
            drawPage();
        else
            clearPage();
    }
    const int32_t columns = listExists() ? recordCount(dir(), files::List) : -1;
    dialogs().show(QString::fromStdString(undoMessage(result, columns)), QLatin1Char(' ') + programTitle(),
                   result.outcome == UndoOutcome::Nothing ? DialogIcon::Exclamation : DialogIcon::None);
}

} // namespace velmorix
