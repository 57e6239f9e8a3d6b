#include "Game.h"

#include <array>

namespace velmorix {

namespace {

struct GameFacts {
    int balls;
    int lowestPrize;
    const char* name;
    const char* tag;
    const char* folder;
};

constexpr std::array<GameFacts, 3> kGames{{
    {49, 3, "Sayısal Loto", "6/49", ""},
    {60, 2, "Süper Loto", "6/60", "SUPERLOTO"},
    {90, 2, "Çılgın Sayısal Loto", "6/90", "CILGINLOTO"},
}};

const std::array<Game, 3>& games() {
    static const std::array<Game, 3> list{Game::lotto49(), Game::superLoto60(), Game::cilginLoto90()};
    return list;
}

std::string twoDigits(int v) {
    return std::string{static_cast<char>('0' + v / 10), static_cast<char>('0' + v % 10)};
}

} // namespace

Game::Game() : Game(kGames[0].balls, kGames[0].lowestPrize, 0) {}
Game::Game(int balls, int lowestPrize, int index)
    : m_balls(balls), m_lowestPrize(lowestPrize), m_index(index) {}

Game Game::lotto49() {
    return Game(kGames[0].balls, kGames[0].lowestPrize, 0);
}
Game Game::superLoto60() {
    return Game(kGames[1].balls, kGames[1].lowestPrize, 1);
}
Game Game::cilginLoto90() {
    return Game(kGames[2].balls, kGames[2].lowestPrize, 2);
}

std::optional<Game> Game::withBalls(int balls) {
    for (const Game& g : games())
        if (g.balls() == balls)
            return g;
    return std::nullopt;
}

const Game* Game::all(int& count) {
    count = static_cast<int>(games().size());
    return games().data();
}

const char* Game::name() const {
    return kGames[static_cast<std::size_t>(m_index)].name;
}
const char* Game::tag() const {
    return kGames[static_cast<std::size_t>(m_index)].tag;
}
const char* Game::folder() const {
    return kGames[static_cast<std::size_t>(m_index)].folder;
}

std::string Game::captionSuffix() const {
    return folder()[0] == '\0' ? std::string() : std::string("  [ ") + tag() + " ]";
}

std::string Game::decadeRange(int decade) const {
    const int first = decade == 0 ? 1 : 10 * decade;
    const int last = decade == decades() - 1 ? m_balls : 10 * decade + 9;
    return twoDigits(first) + "-" + twoDigits(last);
}

int32_t Game::columns() const {
    int64_t c = 1;
    for (int k = 0; k < 6; ++k)
        c = c * (m_balls - k) / (k + 1);
    return static_cast<int32_t>(c);
}

std::string_view ablativeSuffix(int64_t number) {
    // The vowel and the voicing of the last spoken word decide the suffix.
    const int64_t n = number < 0 ? -number : number;
    if (n == 0)
        return "dan"; // sıfır
    if (n % 10 != 0) {
        switch (n % 10) {
        case 1:
            return "den"; // bir
        case 2:
            return "den"; // iki
        case 3:
            return "ten"; // üç
        case 4:
            return "ten"; // dört
        case 5:
            return "ten"; // beş
        case 6:
            return "dan"; // altı
        case 7:
            return "den"; // yedi
        case 8:
            return "den"; // sekiz
        default:
            return "dan"; // dokuz
        }
    }
    if (n % 100 != 0) {
        switch (n / 10 % 10) {
        case 1:
            return "dan"; // on
        case 2:
            return "den"; // yirmi
        case 3:
            return "dan"; // otuz
        case 4:
            return "tan"; // kırk
        case 5:
            return "den"; // elli
        case 6:
            return "tan"; // altmış
        case 7:
            return "ten"; // yetmiş
        case 8:
            return "den"; // seksen
        default:
            return "dan"; // doksan
        }
    }
    return "den"; // yüz, bin
}

} // namespace velmorix
