#include "SortedColumn.h"

namespace velmorix {

namespace {

GameMasks masksOf(const Game& game) {
    GameMasks m;
    const int n = game.balls();
    m.balls = n;
    m.decades = game.decades();
    m.all = ballRange(1, n);
    for (int v = 1; v <= n; ++v) {
        (v % 2 == 0 ? m.even : m.odd) |= ballBit(v);
        if (v % 10 >= 5)
            m.highLastDigit |= ballBit(v);
        if (v > game.scaled(25))
            m.aboveHalf |= ballBit(v);
        if (v % 10 == 0 && v < n)
            m.tens |= ballBit(v);
        m.decade[static_cast<std::size_t>(Game::decadeOf(v))] |= ballBit(v);
    }
    return m;
}

} // namespace

const GameMasks& GameMasks::of(const Game& game) {
    return perGame<GameMasks, masksOf>(game);
}

} // namespace velmorix
