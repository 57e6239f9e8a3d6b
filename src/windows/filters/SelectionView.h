#pragma once

#include "core/Game.h"
#include "engine/SelectionControls.h"

#include <QObject>
#include <array>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace velmorix {

class Dialogs;
struct FilterSelection;

// The filter frames of the filters window and the bridge between their Qt
// controls and the engine's plain model of them (SelectionControls). Every
// rule about the controls (what ShowSelection sets, what ReadSelection reads,
// what a click on a length option or a decade box does) lives in the model,
// so the window and the batch command read a selection file alike; this class
// only copies state between the widgets and the model.
//
// Control arrays are found by objectName "<name>_<index>": Check1_0..Check1_22
// ("n = n+1".."n = n+23"), Check2_0..Check2_12 (other filters), Check5_<i>
// (decade grid of 7 counts by the game's decades: decades 0..4 in box
// 5 * count + decade, further ones from box 35 on). Single controls keep their
// own names (Option1..Option28, Check2n, Check3n, Check3, Check4, Check6,
// Check7, Text1, Text2, Label20).
class SelectionView final : public QObject {
    Q_OBJECT
public:
    SelectionView(QWidget* parent, FilterSelection& selection, Dialogs& dialogs, const Game& game);

    // ShowSelection: every control from the selection.
    void showSelection();
    // ReadSelection: the selection from the controls.
    void readSelection();
    // The controls as the model sees them now.
    SelectionControls controls();

    QGroupBox* otherFilters() const { return m_otherFrame; }
    QGroupBox* forbiddenPairs() const { return m_pairsFrame; }
    QGroupBox* results() const { return m_resultsFrame; }
    QGroupBox* played() const { return m_playedFrame; }
    QGroupBox* sextets() const { return m_sextetsFrame; }
    QGroupBox* decades() const { return m_decadeFrame; }
    QGroupBox* repeats() const { return m_repeatFrame; }
    QGroupBox* mathRelations() const { return m_mathFrame; }
    QGroupBox* sums() const { return m_sumFrame; }

    QLineEdit* text1() const { return Text1; }
    QLineEdit* text2() const { return Text2; }
    // The decade box of `count` balls (0..6) in `decade`.
    QCheckBox* decadeBox(int count, int decade) const { return Check5[decadeIndex(count, decade)]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QRadioButton* makeOption(QWidget* parent, int number, const QString& caption);
    QButtonGroup* makeGroup(std::initializer_list<int> numbers);
    void buildOtherFilters(QWidget* parent);
    void buildSimilarity(QWidget* parent);
    void buildDecades(QWidget* parent);
    void buildRepeats(QWidget* parent);
    void buildMathRelations(QWidget* parent);
    void buildSums(QWidget* parent);

    static std::size_t decadeIndex(int count, int decade) {
        return static_cast<std::size_t>(velmorix::decadeBox(count, decade));
    }
    // Runs `copy(index)` for every box of the game's grid.
    template <class F> void forEachDecadeBox(F copy) const {
        for (int d = 0; d < m_game.decades(); ++d)
            for (int c = 0; c <= 6; ++c)
                copy(decadeIndex(c, d));
    }
    // Widgets -> model, and model -> widgets (without raising any handler).
    void pull();
    void push();
    // A user's click or a box losing focus: the model's handler, then the widgets.
    void optionClicked(int number);
    void decadeBoxClicked();
    void check7Clicked();
    void sumBoxLeft(QLineEdit* box);

    FilterSelection& m_selection;
    Dialogs& m_dialogs;
    const Game m_game;
    SelectionControls m_controls;

    std::array<QRadioButton*, 29> Option{}; // Option1..Option28; element 0 unused
    std::array<QCheckBox*, 23> Check1{};
    QCheckBox* Check2n = nullptr;
    QCheckBox* Check3n = nullptr;
    std::array<QCheckBox*, 13> Check2{};
    QCheckBox* Check3 = nullptr;
    QCheckBox* Check4 = nullptr;
    std::array<QCheckBox*, 7 * kMaxDecades> Check5{}; // the first 7 * decades() used
    QCheckBox* Check6 = nullptr;
    QCheckBox* Check7 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLabel* Label20 = nullptr;
    std::vector<QButtonGroup*> m_groups;

    QGroupBox* m_otherFrame = nullptr;
    QGroupBox* m_pairsFrame = nullptr;
    QGroupBox* m_resultsFrame = nullptr;
    QGroupBox* m_playedFrame = nullptr;
    QGroupBox* m_sextetsFrame = nullptr;
    QGroupBox* m_decadeFrame = nullptr;
    QGroupBox* m_repeatFrame = nullptr;
    QGroupBox* m_mathFrame = nullptr;
    QGroupBox* m_sumFrame = nullptr;
};

} // namespace velmorix
