#pragma once

namespace velmorix {

class WindowRegistry;

// The record editors, catch-the-zero and the hit evaluation.
void registerEditorWindows(WindowRegistry& registry);

} // namespace velmorix
