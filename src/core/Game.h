#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmorix {

// The largest game's balls and decades: tables indexed by ball or decade are
// sized for these, and each game uses its first balls() + 1 / decades() rows.
inline constexpr int kMaxBalls = 90;
inline constexpr int kMaxDecades = kMaxBalls / 10 + 1;

// A six-ball lottery game. Everything that depends on the game is read from
// here; no code asks which game it is.
class Game {
public:
    // Sayısal Loto 6/49, the program's own game and the default.
    Game();
    static Game lotto49();
    static Game superLoto60();
    static Game cilginLoto90();
    // The game with this many balls, if there is one.
    static std::optional<Game> withBalls(int balls);
    // Every game, in menu order.
    static const Game* all(int& count);

    int balls() const { return m_balls; }
    // "Sayısal Loto", "Süper Loto", "Çılgın Sayısal Loto" (UTF-8).
    const char* name() const;
    // "6/49", "6/60", "6/90": captions and the folder marker.
    const char* tag() const;
    // The subfolder of the data folder this game lives in; empty for 6/49.
    const char* folder() const;
    // What the main window's caption adds: "  [ 6/90 ]" for a game in its own
    // folder, nothing for 6/49.
    std::string captionSuffix() const;

    // Decade d holds the balls 10d..10d+9 (decade 0: 1..9; the last one ends at N).
    int decades() const { return m_balls / 10 + 1; }
    static int decadeOf(int ball) { return ball / 10; }
    // "01-09", "10-19", ..., the last one ending at N ("40-49", "90-90").
    std::string decadeRange(int decade) const;

    static constexpr int kMinSum = 1 + 2 + 3 + 4 + 5 + 6;
    int maxSum() const { return 6 * m_balls - 15; }
    int32_t pairs() const { return m_balls * (m_balls - 1) / 2; }
    int32_t columns() const;
    // The fewest matching balls that win a prize.
    int lowestPrize() const { return m_lowestPrize; }
    // A threshold of the 6/49 filters moved to this game: t × N / 49 rounded,
    // halves up (the identity for 6/49).
    int scaled(int threshold) const { return (2 * threshold * m_balls + 49) / 98; }
    bool isBall(int64_t value) const { return value >= 1 && value <= m_balls; }

    bool operator==(const Game& other) const { return m_balls == other.m_balls; }

private:
    Game(int balls, int lowestPrize, int index);
    int m_balls;
    int m_lowestPrize;
    int m_index;
};

// The Turkish suffix "den/dan/ten/tan" that follows a number read aloud
// ("31'den", "30'dan", "40'tan", "5'ten"), without the apostrophe.
std::string_view ablativeSuffix(int64_t number);

// A table that depends on the game alone (masks, rule thresholds), made once
// for every game on first use.
template <class T, T (*Make)(const Game&)> const T& perGame(const Game& game) {
    static const std::vector<T> made = [] {
        int count = 0;
        const Game* games = Game::all(count);
        std::vector<T> v;
        for (int i = 0; i < count; ++i)
            v.push_back(Make(games[i]));
        return v;
    }();
    int count = 0;
    const Game* games = Game::all(count);
    for (int i = 0; i < count; ++i)
        if (games[i].balls() == game.balls())
            return made[static_cast<std::size_t>(i)];
    return made[0];
}

} // namespace velmorix
