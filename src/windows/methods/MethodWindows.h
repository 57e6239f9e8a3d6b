#pragma once

namespace velmorix {

class WindowRegistry;

// Arbitrary grouping, the quantum windows, following numbers and the two
// generator dialogs (quantum list filter, pairs from the played columns).
void registerMethodWindows(WindowRegistry& registry);

} // namespace velmorix
