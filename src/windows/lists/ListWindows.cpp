#include "ListWindows.h"

#include "FrmComLst.h"
#include "FrmOKLst.h"
#include "FrmRnd.h"
#include "FrmRndLst.h"
#include "FrmYsk6.h"
#include "windows/common/WindowRegistry.h"

namespace velmorix {

void registerListWindows(WindowRegistry& registry) {
    registry.registerWindow(WindowId::ComLst, [](AppContext& context) { return new FrmComLst(context); });
    registry.registerWindow(WindowId::OKLst, [](AppContext& context) { return new FrmOKLst(context); });
    registry.registerWindow(WindowId::Ysk6, [](AppContext& context) { return new FrmYsk6(context); });
    registry.registerWindow(WindowId::Rnd, [](AppContext& context) { return new FrmRnd(context); });
    registry.registerWindow(WindowId::RndLst, [](AppContext& context) { return new FrmRndLst(context); });
}

} // namespace velmorix
