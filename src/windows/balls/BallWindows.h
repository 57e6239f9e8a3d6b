#pragma once

namespace velmorix {

class WindowRegistry;

// Registers the bag and banker windows.
void registerBallWindows(WindowRegistry& registry);

} // namespace velmorix
