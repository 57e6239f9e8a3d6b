#include "SelectionControls.h"

#include "core/Numbers.h"

#include <algorithm>
#include <limits>

namespace velmorix {

namespace {

constexpr int16_t True = -1;
constexpr int16_t False = 0;

int16_t flag(bool b) {
    return b ? True : False;
}

template <std::size_t N>
bool clearGroupOf(SelectionControls& c, const std::array<int, N>& group, int number) {
    if (std::find(group.begin(), group.end(), number) == group.end())
        return false;
    for (int o : group)
        c.Option[static_cast<std::size_t>(o)] = false;
    return true;
}

void enableRelations(SelectionControls& c, int first, int last, bool enabled) {
    for (int i = first; i <= last; ++i) {
        const auto k = static_cast<std::size_t>(i);
        c.Check1Enabled[k] = enabled;
        if (!enabled)
            c.Check1[k] = false;
    }
}

void enableDouble(SelectionControls& c, bool enabled) {
    c.Check2nEnabled = enabled;
    if (!enabled)
        c.Check2n = false;
}

void enableTriple(SelectionControls& c, bool enabled) {
    c.Check3nEnabled = enabled;
    if (!enabled)
        c.Check3n = false;
}

// Longer chains cannot use large differences: 6 balls with n = n+10 would pass 49.
void mathLengthClicked(SelectionControls& c, int number) {
    switch (number) {
    case 24:
        enableRelations(c, 9, 22, true);
        enableDouble(c, true);
        enableTriple(c, true);
        break;
    case 25:
        enableRelations(c, 9, 14, true);
        enableRelations(c, 15, 22, false);
        enableDouble(c, true);
        enableTriple(c, false);
        break;
    case 26:
        enableRelations(c, 9, 10, true);
        enableRelations(c, 11, 22, false);
        enableDouble(c, true);
        enableTriple(c, false);
        break;
    case 27:
        enableRelations(c, 9, 22, false);
        enableDouble(c, false);
        enableTriple(c, false);
        break;
    default:
        break;
    }
}

// The option of a group that stands for `value`, given as (value, option) pairs.
template <std::size_t N>
int optionFor(int value, const std::array<std::pair<int, int>, N>& choices, int otherwise) {
    for (const auto& [v, option] : choices)
        if (v == value)
            return option;
    return otherwise;
}

template <std::size_t N>
int valueOf(const SelectionControls& c, const std::array<std::pair<int, int>, N>& choices, int otherwise) {
    for (const auto& [v, option] : choices)
        if (c.Option[static_cast<std::size_t>(option)])
            return v;
    return otherwise;
}

constexpr std::array<std::pair<int, int>, 5> RepeatChoices{{{2, 1}, {3, 2}, {4, 3}, {5, 4}, {6, 5}}};
constexpr std::array<std::pair<int, int>, 4> LengthChoices{{{1, 24}, {2, 25}, {3, 26}, {4, 27}}};
// Similarity groups list "3 benzer" first: the order ReadSelection tests them in.
constexpr std::array<std::pair<int, int>, 4> SextetChoices{{{3, 6}, {2, 7}, {1, 8}, {0, 9}}};
constexpr std::array<std::pair<int, int>, 4> PlayedChoices{{{3, 14}, {2, 15}, {1, 16}, {0, 17}}};
constexpr std::array<std::pair<int, int>, 4> ResultChoices{{{3, 19}, {2, 20}, {1, 21}, {0, 22}}};

int16_t boxValue(const std::string& text) {
    const int64_t v = ValWhole(text);
    // A typed number past the 16-bit range is held at its edge instead of overflowing.
    return static_cast<int16_t>(
        std::clamp<int64_t>(v, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
}

} // namespace

void selectOption(SelectionControls& c, int number) {
    if (number < 1 || number > 28)
        return;
    clearGroupOf(c, optiongroups::RepeatBan, number) || clearGroupOf(c, optiongroups::MathLength, number) ||
        clearGroupOf(c, optiongroups::Sextets, number) || clearGroupOf(c, optiongroups::Played, number) ||
        clearGroupOf(c, optiongroups::Results, number) || clearGroupOf(c, optiongroups::DecadeHit, number);
    c.Option[static_cast<std::size_t>(number)] = true;
    mathLengthClicked(c, number);
}

SelectionControls SelectionControls::forGame(const Game& game) {
    SelectionControls c;
    c.game = game;
    c.Text2 = digits(game.maxSum());
    return c;
}

void updateDecadeHitCount(SelectionControls& c, FilterSelection& s) {
    int highest = -1;
    for (int i = 0; i < static_cast<int>(c.Check5.size()); ++i)
        if (c.Check5[static_cast<std::size_t>(i)] && boxDecade(i) < c.game.decades())
            highest = std::max(highest, boxCount(i));
    if (highest >= 0)
        s.DecadeHitCount = static_cast<int16_t>(highest);
    c.Label20 = "  Zorunlu :" + Str(s.DecadeHitCount);
}

void setCheck5(SelectionControls& c, FilterSelection& s, int index, bool ticked) {
    if (index < 0 || index >= static_cast<int>(c.Check5.size()) || boxDecade(index) >= c.game.decades())
        return;
    bool& box = c.Check5[static_cast<std::size_t>(index)];
    if (box == ticked)
        return;
    box = ticked;
    updateDecadeHitCount(c, s);
}

void setCheck7(SelectionControls& c, bool ticked) {
    c.Check7 = ticked;
    c.Text1Enabled = !ticked;
    c.Text2Enabled = !ticked;
}

bool leaveText1(SelectionControls& c) {
    const double v = Val(c.Text1);
    if (v < Game::kMinSum || v > c.game.maxSum()) {
        c.Text1 = "21";
        return true;
    }
    if (v > Val(c.Text2)) {
        c.Text2 = c.Text1;
        return true;
    }
    return false;
}

bool leaveText2(SelectionControls& c) {
    const double v = Val(c.Text2);
    if (v < Game::kMinSum || v > c.game.maxSum()) {
        c.Text2 = digits(c.game.maxSum());
        return true;
    }
    if (v < Val(c.Text1)) {
        c.Text1 = c.Text2;
        return true;
    }
    return false;
}

void showSelection(FilterSelection& s, SelectionControls& c) {
    selectOption(c, optionFor(s.RepeatBanLevel, RepeatChoices, 10));
    selectOption(c, optionFor(s.MathRelLevel, LengthChoices, 28));

    for (std::size_t i = 0; i < c.Check1.size(); ++i)
        c.Check1[i] = s.MathRelPlus[i] >= 1;
    c.Check2n = s.MathRelDouble >= 1;
    c.Check3n = s.MathRelTriple >= 1;

    c.Check4 = s.ForbiddenPairsOn == True;
    c.Check3 = s.ChaosOn == True;
    for (int i = 0; i < 13; ++i)
        c.Check2[static_cast<std::size_t>(i)] = s.otherFlag(i) == True;

    selectOption(c, optionFor(s.SextetLimit, SextetChoices, 11));
    selectOption(c, optionFor(s.PlayedLimit, PlayedChoices, 18));
    selectOption(c, optionFor(s.ResultLimit, ResultChoices, 23));

    c.Check6 = s.DecadeFilterOn == 0;
    for (int i = 0; i < static_cast<int>(c.Check5.size()); ++i) {
        const auto decade = static_cast<std::size_t>(boxDecade(i));
        if (static_cast<int>(decade) < c.game.decades())
            setCheck5(c, s, i, s.DecadeRule[decade][static_cast<std::size_t>(boxCount(i))] == True);
    }

    if (s.SumRule[1] < Game::kMinSum)
        s.SumRule[1] = Game::kMinSum;
    if (s.SumRule[2] < Game::kMinSum || s.SumRule[2] > c.game.maxSum())
        s.SumRule[2] = static_cast<int16_t>(c.game.maxSum());
    c.Text1 = digits(s.SumRule[1]);
    c.Text2 = digits(s.SumRule[2]);
    setCheck7(c, s.SumRule[0] == 0);

    selectOption(c, s.DecadeHitOn == True ? 12 : 13);
}

void readSelection(const SelectionControls& c, FilterSelection& s) {
    s.RepeatBanLevel = static_cast<int16_t>(valueOf(c, RepeatChoices, 0));
    s.MathRelLevel = static_cast<int16_t>(valueOf(c, LengthChoices, 0));
    if (s.MathRelLevel >= 1) {
        for (std::size_t i = 0; i < c.Check1.size(); ++i)
            s.MathRelPlus[i] = c.Check1[i] ? s.MathRelLevel : False;
        s.MathRelDouble = c.Check2n ? s.MathRelLevel : False;
        s.MathRelTriple = c.Check3n ? s.MathRelLevel : False;
        s.MathRelOff = False;
    } else {
        s.MathRelOff = True;
    }
    s.ForbiddenPairsOn = flag(c.Check4);
    s.OtherFiltersOn = flag(std::any_of(c.Check2.begin(), c.Check2.end(), [](bool b) { return b; }));
    s.ChaosOn = flag(c.Check3);
    for (int i = 0; i < 13; ++i)
        s.otherFlag(i) = s.OtherFiltersOn ? flag(c.Check2[static_cast<std::size_t>(i)]) : False;
    s.SextetLimit = static_cast<int16_t>(valueOf(c, SextetChoices, -1));
    s.PlayedLimit = static_cast<int16_t>(valueOf(c, PlayedChoices, -1));
    s.ResultLimit = static_cast<int16_t>(valueOf(c, ResultChoices, -1));
    s.DecadeFilterOn = flag(!c.Check6);
    for (int i = 0; i < static_cast<int>(c.Check5.size()); ++i)
        if (boxDecade(i) < c.game.decades())
            s.DecadeRule[static_cast<std::size_t>(boxDecade(i))][static_cast<std::size_t>(boxCount(i))] =
                flag(c.Check5[static_cast<std::size_t>(i)]);
    if (!c.Check7) {
        s.SumRule[0] = True;
        s.SumRule[1] = boxValue(c.Text1);
        s.SumRule[2] = boxValue(c.Text2);
    } else {
        s.SumRule[0] = False;
    }
    s.DecadeHitOn = flag(c.Option[12]);
}

void showThenRead(FilterSelection& s, SelectionControls& c) {
    showSelection(s, c);
    readSelection(c, s);
}

FilterSelection windowSelection(const FilterSelection::Records* stored) {
    if (!stored)
        return windowSelection(nullptr, Game());
    const std::vector<int16_t> records(stored->begin(), stored->end());
    return windowSelection(&records, Game());
}

FilterSelection windowSelection(const std::vector<int16_t>* stored, const Game& game) {
    FilterSelection s = FilterSelection::startup();
    SelectionControls c = SelectionControls::forGame(game);
    showSelection(s, c); // the window shows the start-up values when it opens
    if (stored) {
        s.fromRecords(*stored, game);
        showSelection(s, c);
    }
    readSelection(c, s);
    return s;
}

} // namespace velmorix
