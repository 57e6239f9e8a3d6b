#include "AllWindows.h"

#include "common/WindowRegistry.h"

namespace velmorix {

void registerAllWindows(WindowRegistry& registry) {
    // Each group of windows adds its registration here.
    (void)registry;
}

} // namespace velmorix
