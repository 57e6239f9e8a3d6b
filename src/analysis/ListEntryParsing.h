#pragma once

#include "core/BallMask.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmorix {

// Marked pairs: bit b of row a, set in both orders.
struct PairMarks {
    std::array<ColumnMask, kMaxBalls + 1> row{};
    bool has(int a, int b) const { return hasBall(row[static_cast<std::size_t>(a)], b); }
    void mark(int a, int b) {
        row[static_cast<std::size_t>(a)] |= ColumnMask{1} << b;
        row[static_cast<std::size_t>(b)] |= ColumnMask{1} << a;
    }
};

// Typed text with every non-ASCII character replaced by one '?', so that byte
// positions are character positions (no number or separator is non-ASCII).
std::string foldToAscii(std::string_view utf8);

// A number entry such as "5,12,,49,60": the first number must be a ball of the
// game, else nothing; then the number after every comma that is not the last
// character is marked when it is a ball. Repeats and invalid numbers vanish.
std::optional<ColumnMask> parseBallEntry(std::string_view text, const Game& game = Game());

// The marked balls ascending in plain digits joined by "," ("5,12,49").
std::string ballListText(ColumnMask balls);
// How many balls an entry marks (ball 0 is no ball).
int entryBallCount(ColumnMask balls);

// An unwanted pair such as "23-7" or "7-60-23": the first number and the first
// valid ball after a later dash.
struct UnwantedPair {
    ColumnMask balls = 0; // one bit when both numbers are the same ball
    std::string shown;    // "7-23", or the entry itself when both are the same ball
};
std::optional<UnwantedPair> parseUnwantedPair(std::string_view text, const Game& game = Game());

// Wanted pairs such as "1-2, 3-4". Parsing stops at the first pair that is not
// two different balls; nothing when no pair was read.
struct WantedPairs {
    PairMarks marks;
    std::string shown; // every pair a<b ascending, "1-2, 3-4"
};
std::optional<WantedPairs> parseWantedPairs(std::string_view text, const Game& game = Game());

} // namespace velmorix
