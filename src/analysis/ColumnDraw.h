#pragma once

#include <array>
#include <cstdint>

namespace velmorix {

struct AppState;
class Clock;
class Random;

// The main window's draw, without the window: how long the animation runs and
// the column it ends on.
class ColumnDraw {
public:
    enum class Step {
        Running,    // the animation goes on
        Finished,   // CurColumn holds the new column (distinct balls, bankers first, unsorted)
        Impossible, // bag and bankers no longer give six distinct balls; nothing changed
    };

    // One animation tick: `shown` receives the six balls to show on it.
    Step tick(AppState& state, Random& random, const Clock& clock, std::array<int16_t, 6>& shown);

    int16_t TickCount = 0; // carried from draw to draw
    bool StopDraw = false;
};

// Sorts balls 1..6 ascending.
void sortColumn(std::array<int16_t, 7>& column);

// Replaces repeated balls of column 1..6 by fresh GetBall draws for their
// positions until all six differ. Needs six distinct balls in bag and bankers
// (canDrawColumn); a generator that keeps repeating itself is overruled after a
// bounded number of draws, so this always ends.
void makeDistinct(AppState& state, Random& random, std::array<int16_t, 7>& column);

} // namespace velmorix
