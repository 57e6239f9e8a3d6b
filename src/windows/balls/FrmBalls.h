#pragma once

#include "windows/common/ResultsRequest.h"
#include "windows/common/VelmorixWindow.h"

#include <array>
#include <memory>

class QAction;
class QCheckBox;
class QLabel;
class QPushButton;

namespace velmorix {

// The bag window: 49 check boxes, a working copy of the bag that the player
// applies, loads, saves or lets the results range dialog choose.
//
// The box array Check1 (index 0..48 for balls 1..49) is found by objectName
// "Check1_<index>", e.g. "Check1_6" for ball 7.
class FrmBalls final : public VelmorixWindow {
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
    void showDrawnBalls();
    void showFunctionKeys();
    void showHowAndWhy();
    void showAdvice();
    // One polling step of Timer1 while the results range dialog works.
    void pollResults();

    bool isWaiting() const;
    QCheckBox* box(int ball) const { return Check1[static_cast<std::size_t>(ball - 1)]; }

private:
    void buildControls();
    void buildMenus();
    void untickAll();
    void showBag();
    void readBagFromBoxes();

    std::array<QCheckBox*, 49> Check1{};
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    std::unique_ptr<ResultsRequest> m_results; // with Timer1

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
