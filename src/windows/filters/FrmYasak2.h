#pragma once

#include "core/AppState.h"
#include "windows/common/VelmorixWindow.h"

class QCheckBox;
class QLabel;

namespace velmorix {

class BallGrid;

// The forbidden pairs editor: for one ball at a time, the balls that may not
// stand beside it in a column. The window keeps the whole pair set in a table
// of its own and writes VELMORIX.YS2 only on save.
//
// The boxes are found by objectName "Check1_<index>", index 0 for ball 1.
class FrmYasak2 final : public VelmorixWindow {
    Q_OBJECT
public:
    explicit FrmYasak2(AppContext& context, QWidget* parent = nullptr);

    void onActivated() override;

    // The commands behind the keys and buttons.
    void showBall(int ball);
    void previousBall();
    void nextBall();
    void load();
    void save();
    void clearPairs();
    void deleteFile();
    void showHelp();

    int currentBall() const { return m_current; }
    bool isForbidden(int a, int b) const { return m_pairs(a, b) == -1 || m_pairs(b, a) == -1; }
    QCheckBox* box(int ball) const;

private:
    void buildControls();
    void boxToggled(int ball, bool ticked);
    bool readFile(); // false: no pair in the file, nothing changed

    BallGrid* m_grid = nullptr; // the boxes Check1
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;

    PairTable m_pairs; // -1 for a forbidden pair
    int m_current = 1; // CurRec
};

} // namespace velmorix
