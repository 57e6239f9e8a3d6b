#pragma once

namespace velmorix {

class WindowRegistry;

// Registers every window the program has with the registry.
void registerAllWindows(WindowRegistry& registry);

} // namespace velmorix
