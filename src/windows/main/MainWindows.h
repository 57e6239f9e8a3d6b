#pragma once

namespace velmorix {

class WindowRegistry;

// The main window, the help window and (as they come) the bag and banker windows.
void registerMainWindows(WindowRegistry& registry);

} // namespace velmorix
