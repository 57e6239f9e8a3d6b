#pragma once

#include "core/FilterSelection.h"
#include "core/Game.h"

#include <array>
#include <string>
#include <vector>

namespace velmorix {

// The filter controls of the filters window as plain state, and what the
// window's handlers do to them. The window mirrors this into its widgets; the
// batch command uses it so that a selection read from VELMORIX.FLT comes out
// exactly as the window would read it back.
struct SelectionControls {
    // The controls of a game's window: the sum boxes end at its greatest sum.
    static SelectionControls forGame(const Game& game);

    Game game;
    std::array<bool, 29> Option{}; // Option1..Option28 selected; element 0 unused
    std::array<bool, 23> Check1{}; // "n = n+1" .. "n = n+23"
    std::array<bool, 23> Check1Enabled = allTrue<23>();
    bool Check2n = false;
    bool Check2nEnabled = true;
    bool Check3n = false;
    bool Check3nEnabled = true;
    std::array<bool, 13> Check2{}; // the thirteen other filters
    bool Check3 = false;           // default chaos filters
    bool Check4 = false;           // forbidden pairs
    // Decade grid: decades 0..4 in box 5 * count + decade, decades 5..9 of a
    // larger game in box 35 + 5 * count + (decade - 5) (decadeBox).
    std::array<bool, 7 * kMaxDecades> Check5{};
    bool Check6 = false; // decade table off
    bool Check7 = false; // sum limits off
    std::string Text1 = "21";
    std::string Text2 = "279";
    bool Text1Enabled = true;
    bool Text2Enabled = true;
    std::string Label20 = "#  Zorunlu :";

    bool operator==(const SelectionControls&) const = default;

private:
    template <std::size_t N> static std::array<bool, N> allTrue() {
        std::array<bool, N> a{};
        a.fill(true);
        return a;
    }
};

// The option buttons that exclude each other.
namespace optiongroups {
inline constexpr std::array<int, 6> RepeatBan{1, 2, 3, 4, 5, 10};
inline constexpr std::array<int, 5> MathLength{24, 25, 26, 27, 28};
inline constexpr std::array<int, 5> Sextets{6, 7, 8, 9, 11};
inline constexpr std::array<int, 5> Played{14, 15, 16, 17, 18};
inline constexpr std::array<int, 5> Results{19, 20, 21, 22, 23};
inline constexpr std::array<int, 2> DecadeHit{12, 13};
} // namespace optiongroups

// Selects option button `number` (1..28), clears the others of its group and
// runs its click handler (the length options enable or clear relation boxes).
void selectOption(SelectionControls& controls, int number);

// The decade grid's box of `count` balls in `decade`.
inline int decadeBox(int count, int decade) {
    return decade < 5 ? 5 * count + decade : 35 + 5 * count + (decade - 5);
}
inline int boxCount(int box) {
    return box < 35 ? box / 5 : (box - 35) / 5;
}
inline int boxDecade(int box) {
    return box < 35 ? box % 5 : 5 + (box - 35) % 5;
}

// Sets a decade box; a change runs UpdateDecadeHitCount, as a click does.
void setCheck5(SelectionControls& controls, FilterSelection& selection, int index, bool ticked);
// DecadeHitCount = the highest count column with a ticked decade box over the
// game's decades; unchanged when none is ticked. Label20 shows it.
void updateDecadeHitCount(SelectionControls& controls, FilterSelection& selection);

// Sets "Uygulama" of the sum frame: ticked disables both sum boxes.
void setCheck7(SelectionControls& controls, bool ticked);

// The sum boxes losing focus; true when the handler beeped (it then repaired a box).
bool leaveText1(SelectionControls& controls);
bool leaveText2(SelectionControls& controls);

// ShowSelection: every control from the selection. It repairs the sum bounds in
// the selection and, through the decade boxes, may set DecadeHitCount.
void showSelection(FilterSelection& selection, SelectionControls& controls);

// ReadSelection: the selection from the controls (a disabled box counts when ticked).
void readSelection(const SelectionControls& controls, FilterSelection& selection);

// ShowSelection followed by ReadSelection: what a selection becomes once it has
// gone through the window.
void showThenRead(FilterSelection& selection, SelectionControls& controls);

// The selection a fresh program runs with: the start-up values shown by the
// filters window, optionally VELMORIX.FLT's values loaded and shown (when
// `stored` is given), then read back from the controls.
FilterSelection windowSelection(const FilterSelection::Records* stored);
// The same for a game, `stored` holding the game's records.
FilterSelection windowSelection(const std::vector<int16_t>* stored, const Game& game);

} // namespace velmorix
