#pragma once

namespace velmorix {

class WindowRegistry;

// Registers the filters window and the forbidden pairs editor.
void registerFilterWindows(WindowRegistry& registry);

} // namespace velmorix
