#pragma once

#include "windows/common/VelmorixWindow.h"
#include "windows/common/WindowId.h"

#include <array>
#include <optional>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace velmorix {

class LiveCountPanel;
class SelectionView;
struct Message;
struct RunCallbacks;
struct StatusLabels;

// The filters window: the filter choices, the commands that build or filter
// the combination list, a six-ball column to test or to add to the played
// columns, and shortcuts to the other windows. The filter frames themselves
// belong to SelectionView (see there for their control names).
//
// The column boxes Text3 are found by objectName "Text3_0".."Text3_5".
class FrmProhibit final : public VelmorixWindow {
    Q_OBJECT
public:
    explicit FrmProhibit(AppContext& context, QWidget* parent = nullptr);
    ~FrmProhibit() override;

    bool handleKey(QKeyEvent* event) override;
    void onActivated() override;

    // ShowSelection and ReadSelection on the window's controls.
    void showSelection();
    void readSelection();

    // Lists.
    void applyFilters(bool fromMenu); // "Listeye Uygula"
    void createList();                // "Yeni Liste Yap"
    void deleteList();
    void undoListChange(); // Ctrl+Z: also when the list window cannot open
    // The selection file.
    void loadSelection();
    void saveSelection();
    // The column under test.
    void testColumn();
    void savePlayedColumn();
    void newEntry();
    void randomColumn();
    // The current choice over the past results (menu "Test", Ctrl+T).
    void backTest();
    // Results into the bag or the bankers, and saving them.
    void resultsToBag();
    void resultsToBankers();
    void saveBalls();
    // Closing: with or without taking the controls' choice.
    void closeApply();
    void cancel();
    // Other windows.
    void showPlayed();
    void showSextets();
    void openWindow(WindowId id);
    // Help texts.
    void showFunctionKeys();
    void showPurpose();
    void showMeanings();
    void showAbout();
    void showCredits();

    SelectionView* selectionView() const { return m_view; }
    LiveCountPanel* liveCount() const { return m_liveCount; }
    QLineEdit* columnBox(int index) const { return Text3[static_cast<std::size_t>(index)]; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    QGroupBox* buildColumnFrame(QWidget* parent);
    QGroupBox* buildStatusFrame(QWidget* parent);
    void fillColumnFromMainWindow();
    // Reads the six boxes; shows the box's message and focuses it when one is
    // not a ball or repeats an earlier one.
    std::optional<std::array<int16_t, 6>> readColumn();
    void showColumn(const std::array<int16_t, 6>& balls);
    RunCallbacks runCallbacks(std::optional<BusyCursor>& busy);
    void showLabels(const StatusLabels& labels);
    void showMessage(const Message& message);
    bool resultsOnFile();

    SelectionView* m_view = nullptr;
    LiveCountPanel* m_liveCount = nullptr;
    std::array<QLineEdit*, 6> Text3{};
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command6 = nullptr;
    QPushButton* Command7 = nullptr;
    QPushButton* Command8 = nullptr;
    QPushButton* Command9 = nullptr;
    QPushButton* Command10 = nullptr;
    QPushButton* Command11 = nullptr;
    QPushButton* Command12 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label13 = nullptr;

    bool m_cancelling = false;
    bool m_running = false;
};

} // namespace velmorix
