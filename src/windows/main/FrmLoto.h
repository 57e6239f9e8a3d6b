#pragma once

#include "analysis/ColumnDraw.h"
#include "core/Game.h"
#include "windows/common/VelmorixWindow.h"
#include "windows/common/WindowId.h"

#include <QKeySequence>

#include <array>
#include <utility>
#include <vector>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;

namespace velmorix {

// The main window: shows one column, draws random columns, saves them to the
// random list and opens every other window. Closing it ends the program.
class FrmLoto final : public VelmorixWindow {
    Q_OBJECT
public:
    explicit FrmLoto(AppContext& context, QWidget* parent = nullptr);

    void onActivated() override;

    // The commands behind the menus, buttons and keys.
    void drawRandomColumn();
    void drawTick();
    void randomColumnFromList();
    void sortAndShow();
    void saveColumn();
    void loadBalls();
    void loadBankoBalls();
    void showRandomList();
    void showPlayedColumns();
    void showRepetitions();
    void testResults();
    // Switches to another game: closes the other windows, moves to the game's
    // folder and starts the program-wide state afresh.
    void chooseGame(const Game& game);
    // Closes every window and ends the program; writes and asks nothing.
    void endProgram();

    const ColumnDraw& columnDraw() const { return m_draw; }
    bool isDrawing() const;

    static QString statusText();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    QAction* addEntry(QMenu* menu, const char* name, const QString& caption, void (FrmLoto::*command)(),
                      const QKeySequence& key = QKeySequence());
    QAction* addOpener(QMenu* menu, const char* name, const QString& caption, WindowId id,
                       const QKeySequence& key = QKeySequence());
    void openWindow(WindowId id);
    // Opens a window that takes the main window's place until it is gone.
    void openInsteadOfThis(WindowId id);
    void showAgain();
    void showBalls(const std::array<int16_t, 6>& balls);
    void showCurrentColumn();
    void refuseDraw();
    void closeOtherWindows();
    // Caption, menu titles and ticks of the current game.
    void showGame();

    QGroupBox* Frame1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label8 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QTimer* Timer1 = nullptr;

    QMenu* m_dizimciMenu = nullptr;
    std::vector<std::pair<QAction*, Game>> m_gameEntries;
    std::array<QLabel*, 6> m_ballLabels{};
    ColumnDraw m_draw;
    bool m_ending = false;
};

} // namespace velmorix
