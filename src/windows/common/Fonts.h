#pragma once

namespace velmorix {

// Loads the fonts the lists and printouts are laid out in (DejaVu Sans and
// DejaVu Sans Mono, regular and bold) from the program itself, so columns stay
// aligned on a system that has none of them. Returns how many were loaded.
int registerBundledFonts();

} // namespace velmorix
