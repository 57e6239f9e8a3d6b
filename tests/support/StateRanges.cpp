#include "StateRanges.h"

#include <cstdint>

namespace velmorix::test {

namespace {

// The broken rules found so far, one line each.
struct Problems : std::vector<std::string> {
    void check(bool ok, const std::string& what) {
        if (!ok)
            push_back(what);
    }
    // `name = value` unless lo <= value <= hi.
    void within(const std::string& name, int64_t value, int64_t lo, int64_t hi) {
        check(value >= lo && value <= hi, name + " = " + std::to_string(value));
    }
};

bool isBall(int v) {
    return v >= 1 && v <= 49;
}

bool isFlag(int16_t v) {
    return v == 0 || v == -1;
}

template <int Capacity>
void checkBalls(Problems& p, const BallList<Capacity>& list, const std::string& name) {
    const int n = list.count();
    p.within(name + " count", n, 0, Capacity);
    if (n < 0 || n > Capacity)
        return;
    uint64_t seen = 0;
    for (int i = 1; i <= n; ++i) {
        const int b = list[i];
        p.check(isBall(b), name + " holds " + std::to_string(b));
        if (!isBall(b))
            continue;
        p.check(((seen >> b) & 1U) == 0, name + " repeats " + std::to_string(b));
        seen |= uint64_t{1} << b;
    }
}

} // namespace

std::vector<std::string> stateRangeProblems(const AppState& s) {
    Problems p;
    checkBalls(p, s.BagBalls, "BagBalls");
    checkBalls(p, s.BankoBalls, "BankoBalls");
    for (int i = 1; i <= 6; ++i)
        p.within("CurColumn(" + std::to_string(i) + ")", s.CurColumn[static_cast<std::size_t>(i)], 0, 49);
    const int mode = s.ResultsDialogMode;
    p.check((mode >= -1 && mode <= 10) || mode == dialogmode::Done || mode == dialogmode::Closed,
            "ResultsDialogMode = " + std::to_string(mode));
    p.within("ResultsDialogSubMode", s.ResultsDialogSubMode, 0, 4);
    p.within("RangeFirst", s.RangeFirst, 0, INT32_MAX);
    p.within("RangeLast", s.RangeLast, 0, INT32_MAX);
    p.within("RecNo", s.RecNo, 0, INT32_MAX);
    p.within("FreeBallCount", s.FreeBallCount, 0, 49);
    p.within("FreeSlotCount", s.FreeSlotCount, 0, 6);
    p.within("TotalCombinations", s.TotalCombinations, 0, 13983816);
    for (int a = 0; a < 50; ++a)
        for (int b = 0; b < 50; ++b)
            if (s.PairMatrix(a, b) < 0)
                p.check(false, "PairMatrix(" + std::to_string(a) + "," + std::to_string(b) + ") < 0");
    for (int i = 0; i <= 50; ++i)
        p.within("Rtor(" + std::to_string(i) + ")", s.Quantum.Rtor[static_cast<std::size_t>(i)], 0, 49);
    return p;
}

std::vector<std::string> selectionRangeProblems(const FilterSelection& s) {
    Problems p;
    p.check(s.RepeatBanLevel == 0 || (s.RepeatBanLevel >= 2 && s.RepeatBanLevel <= 6),
            "RepeatBanLevel = " + std::to_string(s.RepeatBanLevel));
    p.within("MathRelLevel", s.MathRelLevel, 0, 4);
    if (s.MathRelLevel >= 1) {
        for (std::size_t i = 0; i < s.MathRelPlus.size(); ++i)
            p.check(s.MathRelPlus[i] == 0 || s.MathRelPlus[i] == s.MathRelLevel,
                    "MathRelPlus(" + std::to_string(i + 1) + ") = " + std::to_string(s.MathRelPlus[i]));
        p.check(s.MathRelDouble == 0 || s.MathRelDouble == s.MathRelLevel, "MathRelDouble");
        p.check(s.MathRelTriple == 0 || s.MathRelTriple == s.MathRelLevel, "MathRelTriple");
    }
    p.check(isFlag(s.MathRelOff) && isFlag(s.ForbiddenPairsOn) && isFlag(s.ChaosOn) &&
                isFlag(s.OtherFiltersOn) && isFlag(s.DecadeFilterOn) && isFlag(s.DecadeHitOn) &&
                isFlag(s.SumRule[0]),
            "a switch outside 0/-1");
    for (int i = 0; i < 13; ++i)
        p.check(isFlag(s.otherFlag(i)) || (i == 6 && s.otherFlag(i) >= 0 && s.otherFlag(i) <= 48),
                "other filter " + std::to_string(i + 1) + " = " + std::to_string(s.otherFlag(i)));
    for (int16_t limit : {s.SextetLimit, s.PlayedLimit, s.ResultLimit})
        p.within("similarity limit", limit, -1, 3);
    for (std::size_t d = 0; d < 5; ++d)
        for (std::size_t c = 0; c < 7; ++c)
            p.check(isFlag(s.DecadeRule[d][c]),
                    "DecadeRule(" + std::to_string(d) + "," + std::to_string(c) + ")");
    p.within("DecadeHitCount", s.DecadeHitCount, 0, 6);
    if (s.SumRule[0] != 0)
        p.check(s.SumRule[1] >= 21 && s.SumRule[2] >= 21 && s.SumRule[2] <= 279,
                "sum limits " + std::to_string(s.SumRule[1]) + ".." + std::to_string(s.SumRule[2]));
    return p;
}

} // namespace velmorix::test
