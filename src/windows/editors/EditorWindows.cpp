#include "EditorWindows.h"

#include "FrmOKList.h"
#include "FrmResults.h"
#include "FrmScores.h"
#include "FrmYasak6.h"
#include "FrmZero.h"
#include "windows/common/WindowRegistry.h"

namespace velmorix {

void registerEditorWindows(WindowRegistry& registry) {
    registry.registerWindow(WindowId::Results, [](AppContext& c) { return new FrmResults(c); });
    registry.registerWindow(WindowId::Yasak6, [](AppContext& c) { return new FrmYasak6(c); });
    registry.registerWindow(WindowId::OKList, [](AppContext& c) { return new FrmOKList(c); });
    registry.registerWindow(WindowId::Zero, [](AppContext& c) { return new FrmZero(c); });
    registry.registerWindow(WindowId::Scores, [](AppContext& c) { return new FrmScores(c); });
}

} // namespace velmorix
