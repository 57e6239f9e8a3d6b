#include "MethodWindows.h"

#include "FrmArbitGrp.h"
#include "FrmCLFilt.h"
#include "FrmKuantFlt.h"
#include "FrmKuantLst.h"
#include "FrmKuantum.h"
#include "FrmTakip.h"
#include "FrmYS2Flt.h"
#include "windows/common/WindowRegistry.h"

namespace velmorix {

void registerMethodWindows(WindowRegistry& registry) {
    registry.registerWindow(WindowId::ArbitGrp, [](AppContext& c) { return new FrmArbitGrp(c); });
    registry.registerWindow(WindowId::KuantFlt, [](AppContext& c) { return new FrmKuantFlt(c); });
    registry.registerWindow(WindowId::Kuantum, [](AppContext& c) { return new FrmKuantum(c); });
    registry.registerWindow(WindowId::KuantLst, [](AppContext& c) { return new FrmKuantLst(c); });
    registry.registerWindow(WindowId::Takip, [](AppContext& c) { return new FrmTakip(c); });
    registry.registerWindow(WindowId::CLFilt, [](AppContext& c) { return new FrmCLFilt(c); });
    registry.registerWindow(WindowId::YS2Flt, [](AppContext& c) { return new FrmYS2Flt(c); });
}

} // namespace velmorix
