#pragma once

#include "windows/common/VelmorixWindow.h"

#include <cstdint>

class QLabel;
class QPushButton;
class QTimer;

namespace velmorix {

class Game;
class HelpPicture;

// The about box and key card of the main window.
class FrmHelp final : public VelmorixWindow {
    Q_OBJECT
public:
    explicit FrmHelp(AppContext& context, QWidget* parent = nullptr);

    // One Timer1 tick of the animation.
    void animationTick();
    int pictureTopTwips() const { return m_pictureTop; }
    int16_t tickCounter() const { return m_ticks; }

    // The main window's keys, one line each.
    static QString keyListText(const Game& game);
    // The product line and the build date (F10).
    static QString buildText();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void placePicture2();

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    HelpPicture* Picture1 = nullptr;
    HelpPicture* Picture2 = nullptr;
    HelpPicture* Picture3 = nullptr;
    QPushButton* Command1 = nullptr;
    QTimer* Timer1 = nullptr;

    int16_t m_ticks = 0;
    int m_pictureTop = 0; // twips
};

} // namespace velmorix
