#include "AllWindows.h"

#include "common/WindowRegistry.h"
#include "balls/BallWindows.h"
#include "filters/FilterWindows.h"
#include "main/MainWindows.h"

namespace velmorix {

void registerAllWindows(WindowRegistry& registry) {
    // Each group of windows adds its registration here.
    (void)registry;
    registerMainWindows(registry);
    registerBallWindows(registry);
    registerFilterWindows(registry);
}

} // namespace velmorix
