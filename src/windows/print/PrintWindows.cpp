#include "PrintWindows.h"

#include "FrmCLPrint.h"
#include "FrmOKPrint.h"
#include "FrmRLPrint.h"
#include "FrmResPrint.h"
#include "windows/common/WindowRegistry.h"

namespace velmorix {

void registerPrintWindows(WindowRegistry& registry) {
    registry.registerWindow(WindowId::CLPrint, [](AppContext& context) { return new FrmCLPrint(context); });
    registry.registerWindow(WindowId::RLPrint, [](AppContext& context) { return new FrmRLPrint(context); });
    registry.registerWindow(WindowId::OKPrint, [](AppContext& context) { return new FrmOKPrint(context); });
    registry.registerWindow(WindowId::ResPrint, [](AppContext& context) { return new FrmResPrint(context); });
}

} // namespace velmorix
