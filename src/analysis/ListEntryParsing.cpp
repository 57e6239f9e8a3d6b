#include "ListEntryParsing.h"

#include "core/Numbers.h"

namespace velmorix {

namespace {

ColumnMask bit(int64_t ball) {
    return ballBit(static_cast<int>(ball));
}

} // namespace

std::string foldToAscii(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if ((c & 0xC0) != 0x80) {
            out.push_back('?'); // the lead byte stands for the whole character
        }
    }
    return out;
}

std::optional<ColumnMask> parseBallEntry(std::string_view text, const Game& game) {
    const int64_t first = ValWhole(text);
    if (!game.isBall(first))
        return std::nullopt;
    ColumnMask balls = bit(first);
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != ',')
            continue;
        const int64_t v = ValWhole(text.substr(i + 1));
        if (game.isBall(v))
            balls |= bit(v);
    }
    return balls;
}

std::string ballListText(ColumnMask balls) {
    std::string out;
    forEachBall(balls & ~ColumnMask{1}, [&](int b) {
        if (!out.empty())
            out += ',';
        out += digits(b);
    });
    return out;
}

int entryBallCount(ColumnMask balls) {
    return ballCount(balls & ~ColumnMask{1});
}

std::optional<UnwantedPair> parseUnwantedPair(std::string_view text, const Game& game) {
    const int64_t a = ValWhole(text);
    if (!game.isBall(a))
        return std::nullopt;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '-')
            continue;
        const int64_t b = ValWhole(text.substr(i + 1));
        if (!game.isBall(b))
            continue; // a dash before an impossible number is passed over
        UnwantedPair pair;
        pair.balls = bit(a) | bit(b);
        if (a == b)
            pair.shown = std::string(text);
        else
            pair.shown = digits(std::min(a, b)) + "-" + digits(std::max(a, b));
        return pair;
    }
    return std::nullopt;
}

std::optional<WantedPairs> parseWantedPairs(std::string_view text, const Game& game) {
    std::string s = foldToAscii(text);
    WantedPairs pairs;
    bool any = false;
    for (;;) {
        if (s.size() < 3)
            break;
        const std::size_t dash = s.find('-');
        if (dash == std::string::npos || dash == 0 || dash == s.size() - 1)
            break;
        const int64_t a = ValWhole(std::string_view(s).substr(0, dash));
        const int64_t b = ValWhole(std::string_view(s).substr(dash + 1));
        // A pair of one ball can never be held by a column: it would empty the
        // list, so it ends the entry like an impossible pair.
        if (!game.isBall(a) || !game.isBall(b) || a == b)
            break;
        pairs.marks.mark(static_cast<int>(a), static_cast<int>(b));
        any = true;
        const std::string rest = s.substr(dash + 1);
        if (rest.size() < 3)
            break;
        const std::size_t comma = rest.find(',');
        // The comma must leave at least a pair's worth of text behind it.
        if (comma == std::string::npos || comma + 3 >= rest.size())
            break;
        s = rest.substr(comma + 1);
    }
    if (!any)
        return std::nullopt;
    for (int a = 1; a <= game.balls(); ++a)
        for (int b = a + 1; b <= game.balls(); ++b)
            if (pairs.marks.has(a, b)) {
                if (!pairs.shown.empty())
                    pairs.shown += ", ";
                pairs.shown += digits(a) + "-" + digits(b);
            }
    return pairs;
}

} // namespace velmorix
