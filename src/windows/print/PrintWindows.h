#pragma once

namespace velmorix {

class WindowRegistry;

// Registers the print/write dialogs of the combination list, the random list,
// the played columns and the results.
void registerPrintWindows(WindowRegistry& registry);

} // namespace velmorix
