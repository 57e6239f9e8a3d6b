#pragma once

namespace velmorix {

class WindowRegistry;

// The results range dialog, the statistics window and the hit evaluation.
void registerAnalysisWindows(WindowRegistry& registry);

} // namespace velmorix
