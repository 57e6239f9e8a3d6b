#include "ColumnDraw.h"

#include "core/Program.h"

#include "core/AppState.h"
#include "core/Clock.h"
#include "core/Random.h"

#include <algorithm>
#include <cmath>

namespace velmorix {

namespace {

// Far more draws than any real repair needs (even a bag of exactly the six
// balls needed repeats a position 1000 times with odds below 1e-70).
constexpr int RedrawBudget = 10000;

bool appearsBefore(const std::array<int16_t, 7>& column, int position, int16_t ball) {
    for (int k = 1; k < position; ++k)
        if (column[static_cast<std::size_t>(k)] == ball)
            return true;
    return false;
}

// Deterministic last resort: every repeated ball becomes the first bag ball
// that is neither a banker nor already in the column.
void repairFromBag(const AppState& state, std::array<int16_t, 7>& column) {
    for (int j = 2; j <= 6; ++j) {
        auto& ball = column[static_cast<std::size_t>(j)];
        if (!appearsBefore(column, j, ball))
            continue;
        for (int i = 1; i <= state.BagBalls.count(); ++i) {
            const int16_t candidate = state.BagBalls[i];
            if (state.game.isBall(candidate) && !state.BankoBalls.contains(candidate) &&
                !appearsBefore(column, j, candidate)) {
                ball = candidate;
                break;
            }
        }
    }
}

} // namespace

ColumnDraw::Step ColumnDraw::tick(AppState& state, Random& random, const Clock& clock,
                                  std::array<int16_t, 6>& shown) {
    const double r = random.next();
    if (static_cast<int>(std::floor(24 * r)) + 1 < TickCount) {
        StopDraw = true;
        TickCount = 0;
    }
    for (int p = 1; p <= 6; ++p)
        shown[static_cast<std::size_t>(p - 1)] = GetBall(state, random, p);
    ++TickCount;
    if (!StopDraw)
        return Step::Running;

    StopDraw = false;
    random.seed(clock.seed());
    // The bag may have changed in another window while the animation ran.
    if (!canDrawColumn(state))
        return Step::Impossible;
    std::array<int16_t, 7> column{};
    std::copy(shown.begin(), shown.end(), column.begin() + 1);
    makeDistinct(state, random, column);
    state.CurColumn = column;
    return Step::Finished;
}

void sortColumn(std::array<int16_t, 7>& column) {
    std::sort(column.begin() + 1, column.end());
}

void makeDistinct(AppState& state, Random& random, std::array<int16_t, 7>& column) {
    int budget = RedrawBudget;
    // After a replacement the new ball is tested against ball 1 for the rest of
    // the inner loop, and the outer loop starts again from ball 2, so every pair
    // is tested once more after the last change.
    for (int i = 1; i <= 5; ++i) {
        for (int j = i + 1; j <= 6; ++j) {
            auto& ball = column[static_cast<std::size_t>(j)];
            while (ball == column[static_cast<std::size_t>(i)]) {
                if (--budget < 0) {
                    repairFromBag(state, column);
                    return;
                }
                ball = GetBall(state, random, j);
                i = 1;
            }
        }
    }
}

} // namespace velmorix
