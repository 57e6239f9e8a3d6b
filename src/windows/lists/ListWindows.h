#pragma once

namespace velmorix {

class WindowRegistry;

// Registers the paged list windows and the random list generator.
void registerListWindows(WindowRegistry& registry);

} // namespace velmorix
