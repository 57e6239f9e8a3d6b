#include "MainWindows.h"

#include "FrmHelp.h"
#include "FrmLoto.h"
#include "windows/common/WindowRegistry.h"

namespace velmorix {

void registerMainWindows(WindowRegistry& registry) {
    registry.registerWindow(WindowId::Loto, [](AppContext& context) { return new FrmLoto(context); });
    registry.registerWindow(WindowId::Help, [](AppContext& context) { return new FrmHelp(context); });
}

} // namespace velmorix
