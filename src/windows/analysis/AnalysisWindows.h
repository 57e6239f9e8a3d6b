#pragma once

namespace velmorix {

class WindowRegistry;

// The results range dialog and the statistics window.
void registerAnalysisWindows(WindowRegistry& registry);

} // namespace velmorix
