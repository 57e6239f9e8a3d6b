#include "BallWindows.h"

#include "FrmBalls.h"
#include "FrmBanko.h"
#include "windows/common/WindowRegistry.h"

namespace velmorix {

void registerBallWindows(WindowRegistry& registry) {
    registry.registerWindow(WindowId::Balls, [](AppContext& context) { return new FrmBalls(context); });
    registry.registerWindow(WindowId::Banko, [](AppContext& context) { return new FrmBanko(context); });
}

} // namespace velmorix
