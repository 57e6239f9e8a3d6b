#include "MethodWindows.h"

#include "FrmArbitGrp.h"
#include "windows/common/WindowRegistry.h"

namespace velmorix {

void registerMethodWindows(WindowRegistry& registry) {
    registry.registerWindow(WindowId::ArbitGrp, [](AppContext& c) { return new FrmArbitGrp(c); });
}

} // namespace velmorix
