// The back-test of the filters window: the filters as they are ticked now,
// run over the past results, each judged against the results before it.
#include "FrmProhibit.h"

#include "ProhibitTexts.h"
#include "SelectionView.h"

#include "core/AppState.h"
#include "engine/BackTest.h"
#include "engine/RunData.h"
#include "engine/SelectionControls.h"
#include "platform/Dialogs.h"

namespace velmorix {

void FrmProhibit::backTest() {
    if (m_running)
        return;
    dialogs().beep();
    // The controls as a run would read them, without changing the program's selection.
    FilterSelection selection = state().Selection;
    velmorix::readSelection(m_view->controls(), selection);

    BackTestResult result;
    bool ran = false;
    {
        m_running = true;
        BusyCursor busy;
        ran = guarded([&] {
            const auto data = RunData::take(dir());
            result = runBackTest(selection, *data, state().game, [this](int32_t done, int32_t total) {
                showProgressTitle(QString::fromStdString(backTestProgressTitle(done, total)));
            });
        });
        setWindowTitle(prohibittexts::windowTitle());
        m_running = false;
    }
    if (!ran)
        return;
    if (result.results < 1) {
        dialogs().show(QString::fromUtf8(BackTestNoResultsText), warningTitle(), DialogIcon::Exclamation);
        return;
    }
    dialogs().beep();
    dialogs().show(QString::fromStdString(backTestText(result)), QString::fromUtf8(BackTestTitle),
                   DialogIcon::None);
}

} // namespace velmorix
