#include "FilterSelection.h"

#include <algorithm>

namespace velmorix {

namespace {
// Record numbers 30..42 hold the other-filter flags in control order.
template <typename Sel, typename Fn> void forEachStored(Sel& s, Fn&& fn) {
    fn(1, s.RepeatBanLevel);
    fn(2, s.MathRelLevel);
    for (int i = 0; i < 23; ++i)
        fn(3 + i, s.MathRelPlus[static_cast<std::size_t>(i)]);
    fn(26, s.MathRelDouble);
    fn(27, s.MathRelTriple);
    fn(28, s.ForbiddenPairsOn);
    fn(29, s.ChaosOn);
    for (int i = 0; i < 13; ++i)
        fn(30 + i, s.otherFlag(i));
    fn(43, s.SextetLimit);
    fn(44, s.PlayedLimit);
    fn(45, s.ResultLimit);
    fn(46, s.DecadeFilterOn);
    for (int d = 0; d < 5; ++d)
        for (int c = 0; c < 7; ++c)
            fn(47 + 7 * d + c, s.DecadeRule[static_cast<std::size_t>(d)][static_cast<std::size_t>(c)]);
    fn(82, s.SumRule[0]);
    fn(83, s.SumRule[1]);
    fn(84, s.SumRule[2]);
    fn(85, s.DecadeHitOn);
}
} // namespace

int16_t& FilterSelection::otherFlag(int index) {
    int16_t* flags[13] = {&OddEvenBan,       &HalfSplitBan,  &LastDigitMax3,   &DecadesMin3,
                          &LastTwoWeeksLink, &LastWeekMax2,  &LastWeekSpanBan, &GapPatternBan,
                          &SumRepeatBan,     &PrimeRequired, &DecadeShapeBan,  &DiffRepeatMax2,
                          &ResultsMin3Link};
    return *flags[index];
}

int16_t FilterSelection::otherFlag(int index) const {
    return const_cast<FilterSelection*>(this)->otherFlag(index);
}

FilterSelection::Records FilterSelection::toRecords() const {
    Records r{};
    FilterSelection copy = *this;
    forEachStored(copy, [&](int n, int16_t& v) { r[static_cast<std::size_t>(n - 1)] = v; });
    return r;
}

void FilterSelection::fromRecords(const Records& r) {
    forEachStored(*this, [&](int n, int16_t& v) { v = r[static_cast<std::size_t>(n - 1)]; });
}

std::vector<int16_t> FilterSelection::toRecords(const Game& game) const {
    const Records first = toRecords();
    std::vector<int16_t> r(first.begin(), first.end());
    for (int d = 5; d < game.decades(); ++d)
        for (int c = 0; c < 7; ++c)
            r.push_back(DecadeRule[static_cast<std::size_t>(d)][static_cast<std::size_t>(c)]);
    return r;
}

void FilterSelection::fromRecords(const std::vector<int16_t>& r, const Game& game) {
    Records first{};
    std::copy(r.begin(), r.begin() + RecordCount, first.begin());
    fromRecords(first);
    auto at = r.begin() + RecordCount;
    for (int d = 5; d < game.decades(); ++d)
        for (int c = 0; c < 7; ++c)
            DecadeRule[static_cast<std::size_t>(d)][static_cast<std::size_t>(c)] = *at++;
}

FilterSelection FilterSelection::startup() {
    Records r{};
    for (int n = 3; n <= 27; ++n)
        r[static_cast<std::size_t>(n - 1)] = -1;
    r[29 - 1] = -1;
    for (int n = 43; n <= 45; ++n)
        r[static_cast<std::size_t>(n - 1)] = -1;
    for (int n = 47; n <= 81; ++n)
        r[static_cast<std::size_t>(n - 1)] = -1;
    FilterSelection s;
    // The decades past the fifth of a larger game allow every count, as the first five do.
    for (std::size_t d = 5; d < s.DecadeRule.size(); ++d)
        for (std::size_t c = 0; c < 7; ++c)
            s.DecadeRule[d][c] = -1;
    s.fromRecords(r);
    s.MathRelOff = -1;
    return s;
}

} // namespace velmorix
