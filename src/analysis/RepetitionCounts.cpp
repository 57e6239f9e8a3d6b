#include "RepetitionCounts.h"

#include "core/BallMask.h"
#include "core/Numbers.h"

#include <algorithm>

namespace velmorix {

void RepetitionCounts::add(const std::array<int16_t, 6>& balls) {
    if (!isGameColumn(game, balls))
        return;
    for (int16_t b : balls)
        ++ball[static_cast<std::size_t>(b)];
    for (std::size_t i = 0; i < 6; ++i)
        for (std::size_t j = i + 1; j < 6; ++j) {
            ++pair(balls[i], balls[j]);
            ++pair(balls[j], balls[i]);
        }
}

RepetitionCounts RepetitionCounts::of(const std::vector<ColumnRecord>& records, const Game& game) {
    RepetitionCounts counts;
    counts.game = game;
    for (const ColumnRecord& r : records)
        counts.add(r.Ball);
    return counts;
}

int32_t RepetitionCounts::highestBallCount() const {
    return *std::max_element(ball.begin() + 1, ball.begin() + game.balls() + 1);
}

std::string ballText(int ball) {
    return ball < 10 && ball >= 0 ? " 0" + digits(ball) : " " + digits(ball);
}

std::vector<std::string> ballCountLines(const RepetitionCounts& counts) {
    std::vector<int> order;
    for (int b = 1; b <= counts.game.balls(); ++b)
        order.push_back(b);
    std::stable_sort(order.begin(), order.end(), [&](int x, int y) {
        return counts.ball[static_cast<std::size_t>(x)] > counts.ball[static_cast<std::size_t>(y)];
    });
    std::vector<std::string> lines;
    for (int b : order) {
        const int32_t c = counts.ball[static_cast<std::size_t>(b)];
        lines.push_back(ballText(b) + (c > 0 ? " : " + Str(c) + " kez..." : " :  Yok..."));
    }
    return lines;
}

std::vector<PairCountLine> pairCountLines(const RepetitionCounts& counts) {
    std::vector<PairCountLine> lines;
    const int n = counts.game.balls();
    lines.reserve(static_cast<std::size_t>(counts.game.pairs()));
    for (int a = 1; a < n; ++a)
        for (int b = a + 1; b <= n; ++b)
            lines.push_back({a, b, counts.pair(a, b), {}});
    std::stable_sort(lines.begin(), lines.end(),
                     [](const PairCountLine& x, const PairCountLine& y) { return x.count > y.count; });
    for (PairCountLine& l : lines)
        l.text = ballText(l.a) + "," + ballText(l.b) +
                 (l.count > 0 ? " : " + Str(l.count) + " kez..." : " :  Yok...");
    return lines;
}

} // namespace velmorix
