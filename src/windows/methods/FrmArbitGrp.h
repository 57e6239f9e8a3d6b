#pragma once

#include "analysis/ArbitraryGrouping.h"
#include "analysis/GroupingConfig.h"
#include "core/Game.h"
#include "core/Program.h"
#include "windows/common/VelmorixWindow.h"

#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace velmorix {

// "Keyfi Guruplama": balls split into up to ten groups, each with the least
// and most balls a column may take from it; draws columns, builds a new list
// or thins the existing one by the grouping, and keeps it in GRUPLAR.CFG.
class FrmArbitGrp final : public VelmorixWindow {
    Q_OBJECT
public:
    explicit FrmArbitGrp(AppContext& context, QWidget* parent = nullptr);

    // The commands behind the buttons, menus and keys.
    void addBall(int ball);
    void selectGroup(int group); // 1..10
    void clearActiveGroup();
    void drawColumn();
    void saveDrawnColumn();
    void combinate();   // the button and F5: build or filter
    void newListOnly(); // menu: build a new list
    void filterOnly();  // menu: filter the existing list
    void loadGrouping();
    void saveGrouping();
    void showKeyHelp();
    void showAbout();
    void showBuildInfo();

    int activeGroup() const { return m_activeGroup; }
    const GroupMembership& groupOf() const { return m_groupOf; }
    // The last drawn column, or nothing.
    const std::optional<std::array<int16_t, 6>>& drawnColumn() const { return m_drawn; }

    static QString openingCaption();
    static QString finishedCaption();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    enum class Ask { Both, NewOnly, FilterOnly };
    void buildControls();
    void buildMenus();
    void runCombinate(Ask ask);
    GroupLimits readLimits();
    GroupingConfig currentConfig() const;
    void showGrouping(const GroupingConfig& config);
    void appendToGroupLabel(int group, int ball);
    void buildList();
    void filterList();
    void placeShape();
    QString ballsText(const std::array<int16_t, 6>& balls) const;

    std::array<QPushButton*, kMaxBalls + 1> cmdBall{}; // 1..balls(); 0 is the hidden "top"
    std::array<QRadioButton*, 10> Option1{};
    std::array<QLabel*, 10> Label1{};
    std::array<QLabel*, 10> lblWindow{};
    std::array<QComboBox*, 10> Combo1{};
    std::array<QComboBox*, 10> Combo2{};
    QFrame* Shape1 = nullptr;
    QGroupBox* frameDraw = nullptr;
    QLabel* lblDraw = nullptr;
    QPushButton* cmdDraw = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdCombinate = nullptr;
    QPushButton* cmdLoad = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdList = nullptr;
    QPushButton* cmdHelp = nullptr;
    QPushButton* cmdClose = nullptr;
    QCheckBox* chkKaos = nullptr;
    QCheckBox* chkSort = nullptr;

    // The game's balls, as far as the grouping tables hold them.
    int balls();

    GroupMembership m_groupOf{};
    int m_activeGroup = 1;
    std::optional<std::array<int16_t, 6>> m_drawn;
};

} // namespace velmorix
