#include "AppState.h"

#include "Random.h"

#include <bitset>
#include <cmath>

namespace velmorix {

void removeBankersFromBag(AppState& state) {
    BagList kept;
    for (int i = 1; i <= state.BagBalls.count(); ++i) {
        const int16_t ball = state.BagBalls[i];
        if (!state.BankoBalls.contains(ball))
            kept.push(ball);
    }
    state.BagBalls = kept;
}

int16_t GetBall(AppState& state, Random& random, int position) {
    if (state.BagBalls.count() == 0) {
        for (int b = 1; b <= state.game.balls(); ++b)
            if (!state.BankoBalls.contains(b))
                state.BagBalls.push(b);
    }
    if (position <= state.BankoBalls.count())
        return state.BankoBalls[position];
    const int n = state.BagBalls.count();
    if (n < 1)
        return 0;
    int index = static_cast<int>(std::floor(n * random.next())) + 1;
    if (index > n) // guards a generator that returns 1.0
        index = n;
    return state.BagBalls[index];
}

int32_t CombinationCount(int n, int k) {
    if (n < 1 || k < 1 || k > n)
        return 0;
    if (k == n)
        return 1;
    double nf = 1, nkf = 1;
    for (int i = 2; i <= n; ++i)
        nf *= i;
    for (int i = 2; i <= n - k; ++i)
        nkf *= i;
    int32_t kf = 1;
    for (int i = 2; i <= k; ++i)
        kf *= i;
    return static_cast<int32_t>(std::llround(nf / (kf * nkf)));
}

bool canDrawColumn(const AppState& state) {
    const int n = state.game.balls();
    std::bitset<kMaxBalls + 1> bankers;
    for (int i = 1; i <= state.BankoBalls.count(); ++i) {
        const int16_t b = state.BankoBalls[i];
        if (b < 1 || b > n || bankers.test(static_cast<std::size_t>(b)))
            return false; // a repeated or impossible banker could never give six distinct balls
        bankers.set(static_cast<std::size_t>(b));
    }
    std::bitset<kMaxBalls + 1> bag;
    if (state.BagBalls.count() < 1) {
        for (int b = 1; b <= n; ++b) // GetBall fills an empty bag with every other ball
            bag.set(static_cast<std::size_t>(b));
    } else {
        for (int i = 1; i <= state.BagBalls.count(); ++i)
            if (state.BagBalls[i] >= 1 && state.BagBalls[i] <= n)
                bag.set(static_cast<std::size_t>(state.BagBalls[i]));
    }
    bag &= ~bankers; // draws past the bankers take bag balls that are not bankers
    return bag.count() + bankers.count() >= 6;
}

} // namespace velmorix
