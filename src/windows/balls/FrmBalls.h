#pragma once

#include "BallChoiceWindow.h"

class QAction;
class QCheckBox;
class QLabel;
class QPushButton;

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

    bool handleKey(QKeyEvent* event) override;
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
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;

    QAction* mnuUygula = nullptr;
    QAction* mnuHepsi = nullptr;
    QAction* mnuHicbiri = nullptr;
    QAction* mnuKapat = nullptr;
    QAction* mnuYukle = nullptr;
    QAction* mnuKayitla = nullptr;
    QAction* mnuEnazlar = nullptr;
    QAction* mnuOrtalamalar = nullptr;
    QAction* mnuEnCoklar = nullptr;
    QAction* mnuCTGoster = nullptr;
    QAction* mnuFunctionKeys = nullptr;
    QAction* mnuNasil = nullptr;
    QAction* mnuTavsiye = nullptr;
};

} // namespace velmorix
