#pragma once

#include "BallChoiceWindow.h"
#include "core/Program.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace velmorix {

// The banker window: how many bankers (0..5), the banker balls typed into as
// many boxes, applied to the program's bankers, loaded or saved.
//
// Control arrays are found by objectName "<name>_<index>": the boxes Text1
// "Text1_0".."Text1_4" and their captions Label2 "Label2_0".."Label2_4".
class FrmBanko final : public BallChoiceWindow {
    Q_OBJECT
public:
    explicit FrmBanko(AppContext& context, QWidget* parent = nullptr);

    void onActivated() override;

    // The commands behind the buttons, menus and keys.
    void selectCount(int count); // as a click on the option of `count`
    void apply();
    void load();
    void save();
    void clear();
    // mode: the results dialog request (least, middle, most drawn banker).
    void automaticChoice(int16_t mode);
    void showFunctionKeys();
    void showWhatIs();
    void showAdvice();

    int selectedCount() const;
    QLineEdit* entry(int index) const { return Text1[static_cast<std::size_t>(index)]; }

    // Window height for a banker count, in twips.
    static int heightTwips(int count);
    static int twipsToPixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

private:
    void buildControls();
    void buildMenus();
    void countClicked(int count);
    void entryChanged(int index);
    void entryReturn(int index);
    void display();
    void emptyEntries();

    QLabel* Label1 = nullptr;
    std::array<QRadioButton*, 6> m_options{};
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QRadioButton* Option3 = nullptr;
    QRadioButton* Option4 = nullptr;
    QRadioButton* Option5 = nullptr;
    QRadioButton* Option6 = nullptr;
    std::array<QLineEdit*, 5> Text1{};
    std::array<QLabel*, 5> Label2{};
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
};

} // namespace velmorix
