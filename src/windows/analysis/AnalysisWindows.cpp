#include "AnalysisWindows.h"

#include "FrmRep.h"
#include "FrmResFilt.h"
#include "windows/common/WindowRegistry.h"

namespace velmorix {

void registerAnalysisWindows(WindowRegistry& registry) {
    registry.registerWindow(WindowId::ResFilt, [](AppContext& context) { return new FrmResFilt(context); });
    registry.registerWindow(WindowId::Rep, [](AppContext& context) { return new FrmRep(context); });
}

} // namespace velmorix
