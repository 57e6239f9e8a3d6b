// The filters window's commands around the bag and bankers, the other windows
// and the help texts.
#include "FrmProhibit.h"

#include "LiveCountPanel.h"
#include "ProhibitTexts.h"
#include "analysis/ResultsToBalls.h"

#include "core/AppState.h"
#include "core/BallsFile.h"
#include "core/ColumnFile.h"
#include "platform/Dialogs.h"
#include "windows/common/WindowRegistry.h"

namespace velmorix {

namespace {

// Lists this long go to the list windows instead of the record editors.
constexpr int32_t LongListRecords = 32737;

} // namespace

bool FrmProhibit::resultsOnFile() {
    return recordCount(dir(), files::Results) >= 1;
}

void FrmProhibit::resultsToBag() {
    if (!resultsOnFile())
        return;
    dialogs().beep();
    if (!dialogs().askYesNo(prohibittexts::resultsToBagQuestion(), programTitle()))
        return;
    DrawCounts counts;
    if (!guarded([&] { counts = countDraws(dir(), state().game); }))
        return;
    state().BagBalls = bagFromDraws(counts);
    m_liveCount->scheduleCount();
    dialogs().beep();
    dialogs().show(prohibittexts::bagSize(state().BagBalls.count()), programTitle(), DialogIcon::None);
}

void FrmProhibit::resultsToBankers() {
    if (!resultsOnFile())
        return;
    dialogs().beep();
    if (!dialogs().askYesNo(prohibittexts::resultsToBankersQuestion(), programTitle()))
        return;
    DrawCounts counts;
    if (!guarded([&] { counts = countDraws(dir(), state().game); }))
        return;
    const BankoList bankers = bankersFromDraws(counts, state().BagBalls.count());
    state().BankoBalls = bankers;
    m_liveCount->scheduleCount();
    if (bankers.count() >= 2) {
        dialogs().beep();
        dialogs().show(prohibittexts::twoBankers(bankers[1], bankers[2]), programTitle(), DialogIcon::None);
    } else if (bankers.count() == 1) {
        dialogs().show(prohibittexts::oneBanker(bankers[1]), programTitle(), DialogIcon::None);
    }
}

void FrmProhibit::saveBalls() {
    if (state().BagBalls.count() + state().BankoBalls.count() < 6) {
        dialogs().beep();
        return;
    }
    if (!dialogs().askYesNo(prohibittexts::saveBallsQuestion(), programTitle()))
        return;
    // The bankers are written even when there are none (M = 0): bankers the
    // player cleared must not come back with the next load.
    const bool saved = guarded([this] { saveBagAndBankers(state(), dir()); });
    if (saved)
        dialogs().show(prohibittexts::ballsSaved(), programTitle(), DialogIcon::None);
}

void FrmProhibit::openWindow(WindowId id) {
    // The other window takes the activation; coming back shows the selection
    // from the state, so the ticks left here go into it first, as closing does.
    readSelection();
    context().windows.open(id);
}

void FrmProhibit::showPlayed() {
    openWindow(recordCount(dir(), files::Played) >= LongListRecords ? WindowId::OKLst : WindowId::OKList);
}

void FrmProhibit::showSextets() {
    openWindow(recordCount(dir(), files::Sextets) >= LongListRecords ? WindowId::Ysk6 : WindowId::Yasak6);
}

void FrmProhibit::showFunctionKeys() {
    dialogs().show(prohibittexts::functionKeys(), programTitle(), DialogIcon::None);
}

void FrmProhibit::showPurpose() {
    dialogs().show(prohibittexts::purpose(state().game), prohibittexts::purposeTitle(), DialogIcon::None);
}

void FrmProhibit::showMeanings() {
    dialogs().show(prohibittexts::meanings(state().game), prohibittexts::meaningsTitle(), DialogIcon::None);
}

void FrmProhibit::showAbout() {
    dialogs().show(prohibittexts::about(state().game), programTitle(), DialogIcon::None);
}

void FrmProhibit::showCredits() {
    dialogs().show(prohibittexts::credits(), programTitle(), DialogIcon::None);
}

} // namespace velmorix
