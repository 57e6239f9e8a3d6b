#include "FilterWindows.h"

#include "FrmProhibit.h"
#include "FrmYasak2.h"
#include "windows/common/WindowRegistry.h"

namespace velmorix {

void registerFilterWindows(WindowRegistry& registry) {
    registry.registerWindow(WindowId::Prohibit, [](AppContext& context) { return new FrmProhibit(context); });
    registry.registerWindow(WindowId::Yasak2, [](AppContext& context) { return new FrmYasak2(context); });
}

} // namespace velmorix
