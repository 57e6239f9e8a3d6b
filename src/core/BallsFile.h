#pragma once

#include "AppState.h"
#include "DataDir.h"

namespace velmorix {

// VELMORIX.DAT: 16-bit records laid out for the state's game of N balls:
// record 1 the bag size, then the bag up to record N + 1, record N + 2 the
// banker count M, then the M bankers. A file laid out for another game is read
// with this layout.

// Which window loads: the main window gives up silently where the bag and
// banker windows report a damaged file.
enum class LoadForm { MainWindow, Window };

enum class BallsLoad {
    Missing,  // no file: nothing happened
    TooShort, // nothing could be read; nothing changed
    Corrupt,  // the window form reports "'VELMORIX.DAT' dosyası bozuk !"; nothing changed
    GaveUp,   // the main window form gives up with a beep; nothing changed
    Emptied,  // the stored count emptied the bag, or there are no bankers
    Loaded,
};

BallsLoad loadBag(AppState& state, const DataDir& dir, LoadForm form);
BallsLoad loadBankers(AppState& state, const DataDir& dir, LoadForm form);
void saveBag(const AppState& state, const DataDir& dir);
void saveBankers(const AppState& state, const DataDir& dir);
// Both in one rewrite, so a failure leaves neither half saved.
void saveBagAndBankers(const AppState& state, const DataDir& dir);

inline constexpr const char* BallsFileCorruptText = "'VELMORIX.DAT' dosyası bozuk !";

} // namespace velmorix
