#pragma once

#include "BallChoiceWindow.h"

class QCheckBox;
class QLabel;

namespace velmorix {

class BallGrid;

// The bag window: a box for each ball, a working copy of the bag that the player
// applies, loads, saves or lets the results range dialog choose.
//
// The boxes are found by objectName "Check1_<index>", e.g. "Check1_6" for ball 7.
class FrmBalls final : public BallChoiceWindow {
    Q_OBJECT
public:
    explicit FrmBalls(AppContext& context, QWidget* parent = nullptr);

    void onActivated() override;

    // The commands behind the buttons, menus and keys.
    void apply();
    void load();
    void save();
    void tickAll();
    void tickNone();
    // mode: the results dialog request (least, all but extremes, most drawn).
    void automaticSelection(int16_t mode);
    void showFunctionKeys();
    void showHowAndWhy();
    void showAdvice();
    QCheckBox* box(int ball) const;

private:
    void buildControls();
    void buildMenus();
    void untickAll();
    void showBag();
    void readBagFromBoxes();

    BallGrid* m_grid = nullptr; // the boxes Check1
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
};

} // namespace velmorix
