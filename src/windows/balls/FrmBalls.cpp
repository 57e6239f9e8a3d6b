#include "FrmBalls.h"

#include "BallWindowTexts.h"

#include "core/AppState.h"
#include "core/BallsFile.h"
#include "core/ColumnFile.h"
#include "platform/Dialogs.h"
#include "windows/common/BallGrid.h"
#include "windows/common/ResultsRequest.h"
#include "windows/common/Text.h"
#include "windows/common/WindowParts.h"
#include "windows/common/WindowRegistry.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace velmorix {

FrmBalls::FrmBalls(AppContext& context, QWidget* parent) : BallChoiceWindow(context, parent) {
    setObjectName(QStringLiteral("frmBalls"));
    setWindowTitle(qtext(context.state.game.tag()) + QStringLiteral(" Topları"));
    buildControls();
    buildMenus();
    setFixedSize(sizeHint());
    // Beside the main window, its six balls in sight.
    placeBeside(this, context.windows.find(WindowId::Loto));
}

void FrmBalls::buildControls() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(12, 8, 12, 10);
    layout->setSpacing(8);

    const BallWindowHeader header = addBallWindowHeader(central, layout, QStringLiteral("Torba"));
    Label1 = header.title;
    Label2 = header.help;

    m_grid = new BallGrid(central, state().game.balls());
    layout->addWidget(m_grid);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    Command1 = makeNamedButton(central, "Command1", QStringLiteral("Uygula"));
    Command3 = makeNamedButton(central, "Command3", QStringLiteral("Yükle"));
    Command4 = makeNamedButton(central, "Command4", QStringLiteral("Kayıtla"));
    Command2 = makeNamedButton(central, "Command2", QStringLiteral("Kapat"));
    buttons->addWidget(Command1);
    buttons->addWidget(Command3);
    buttons->addWidget(Command4);
    buttons->addStretch(1);
    buttons->addWidget(Command2);
    layout->addLayout(buttons);
    connect(Command1, &QPushButton::clicked, this, &FrmBalls::apply);
    connect(Command2, &QPushButton::clicked, this, &FrmBalls::close);
    connect(Command3, &QPushButton::clicked, this, &FrmBalls::load);
    connect(Command4, &QPushButton::clicked, this, &FrmBalls::save);

    awaitResultsWith([this] {
        untickAll();
        showBag();
    });

    setCentralWidget(central);
}

void FrmBalls::buildMenus() {
    const MenuBuilder menus(this);

    QMenu* choice = menus.menu("mnuSecim", QStringLiteral("Seçim"));
    mnuUygula =
        menus.entry(choice, "mnuUygula", QStringLiteral("Seçimi Uygula"), Qt::Key_F1, &FrmBalls::apply);
    choice->addSeparator();
    mnuHepsi = menus.entry(choice, "mnuHepsi", QStringLiteral("Hepsini Seç"), Qt::Key_F4, &FrmBalls::tickAll);
    mnuHicbiri =
        menus.entry(choice, "mnuHicbiri", QStringLiteral("Hiçbirini Seçme"), Qt::Key_F5, &FrmBalls::tickNone);
    choice->addSeparator();
    mnuKapat = menus.entry(choice, "mnuKapat", QStringLiteral("Kapat"), QKeySequence(), &FrmBalls::close);

    QMenu* file = menus.menu("mnuDosya", QStringLiteral("Dosya"));
    mnuYukle = menus.entry(file, "mnuYukle", QStringLiteral("Dosyadan Yükle"), Qt::Key_F2, &FrmBalls::load);
    mnuKayitla =
        menus.entry(file, "mnuKayitla", QStringLiteral("Dosyaya Kayıtla"), Qt::Key_F3, &FrmBalls::save);

    QMenu* automatic = menus.menu("mnuOtomatik", QStringLiteral("Otomatik"));
    mnuEnazlar = menus.entry(automatic, "mnuEnazlar", QStringLiteral("En Az Çıkanları Yükle"), Qt::Key_F6,
                             [this] { automaticSelection(dialogmode::LeastDrawn); });
    mnuOrtalamalar = menus.entry(automatic, "mnuOrtalamalar",
                                 QStringLiteral("En Az ve En Çok Çıkanlar Dışındakileri Yükle"), Qt::Key_F7,
                                 [this] { automaticSelection(dialogmode::MiddleDrawn); });
    mnuEnCoklar = menus.entry(automatic, "mnuEnCoklar", QStringLiteral("En Çok Çıkanları Yükle"), Qt::Key_F8,
                              [this] { automaticSelection(dialogmode::MostDrawn); });
    automatic->addSeparator();
    mnuCTGoster = menus.entry(automatic, "mnuCTGoster", QStringLiteral("Çıkan Topları Göster"),
                              QKeySequence(), &FrmBalls::showDrawnBalls);

    QMenu* help = menus.menu("mnuYardim", QStringLiteral("Yardım"));
    mnuFunctionKeys = menus.entry(help, "mnuFunctionKeys", QStringLiteral("Fonksiyon Tuşları"), Qt::Key_F10,
                                  &FrmBalls::showFunctionKeys);
    mnuNasil = menus.entry(help, "mnuNasil", QStringLiteral("Bu Seçim Niçin ve Nasıl Uygulanır"), Qt::Key_F11,
                           &FrmBalls::showHowAndWhy);
    mnuTavsiye =
        menus.entry(help, "mnuTavsiye", QStringLiteral("Tavsiyeler"), Qt::Key_F12, &FrmBalls::showAdvice);
}

bool FrmBalls::handleKey(QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    switch (event->key()) {
    case Qt::Key_Escape:
        close();
        return true;
    case Qt::Key_F1:
        apply();
        return true;
    case Qt::Key_F2:
        load();
        return true;
    case Qt::Key_F3:
        save();
        return true;
    case Qt::Key_F4:
        tickAll();
        return true;
    case Qt::Key_F5:
        tickNone();
        return true;
    case Qt::Key_F6:
        automaticSelection(dialogmode::LeastDrawn);
        return true;
    case Qt::Key_F7:
        automaticSelection(dialogmode::MiddleDrawn);
        return true;
    case Qt::Key_F8:
        automaticSelection(dialogmode::MostDrawn);
        return true;
    case Qt::Key_F9:
        return true;
    case Qt::Key_F10:
        showFunctionKeys();
        return true;
    case Qt::Key_F11:
        showHowAndWhy();
        return true;
    case Qt::Key_F12:
        showAdvice();
        return true;
    default:
        return false;
    }
}

void FrmBalls::onActivated() {
    if (returningFromModal())
        return;
    untickAll();
    showBag();
}

QCheckBox* FrmBalls::box(int ball) const {
    return m_grid->box(ball);
}

void FrmBalls::untickAll() {
    m_grid->setAllTicked(false);
}

void FrmBalls::showBag() {
    const BagList& bag = state().BagBalls;
    for (int i = 1; i <= bag.count(); ++i) {
        const int ball = bag[i];
        if (state().game.isBall(ball))
            box(ball)->setChecked(true);
    }
}

void FrmBalls::readBagFromBoxes() {
    BagList bag;
    for (int ball = 1; ball <= m_grid->balls(); ++ball)
        if (box(ball)->isChecked())
            bag.push(ball);
    state().BagBalls = bag;
}

void FrmBalls::apply() {
    readBagFromBoxes();
    untickAll();
    dialogs().beep();
    removeBankersFromBag(state());
    showBag();
}

void FrmBalls::load() {
    dialogs().beep();
    if (dir().fileSize(files::Balls) < 3)
        return;
    if (!dialogs().askYesNo(QStringLiteral("Topları VELMORIX.DAT dosyasından yüklemek istiyormusunuz ?"),
                            programTitle()))
        return;
    guarded([this] {
        const BallsLoad result = loadBag(state(), dir(), LoadForm::Window);
        if (result == BallsLoad::Corrupt) {
            dialogs().beep();
            dialogs().show(QString::fromUtf8(BallsFileCorruptText), errorTitle(), DialogIcon::Exclamation);
            return;
        }
        if (result == BallsLoad::Missing || result == BallsLoad::TooShort)
            return;
        untickAll();
        if (result == BallsLoad::Loaded)
            dialogs().beep();
        showBag();
    });
}

void FrmBalls::save() {
    confirmAndSave(
        QStringLiteral("Topları VELMORIX.DAT dosyasına kayıtlamak istiyormusunuz ?"),
        [this] { readBagFromBoxes(); }, [this] { saveBag(state(), dir()); });
}

void FrmBalls::tickAll() {
    m_grid->setAllTicked(true);
}

void FrmBalls::tickNone() {
    untickAll();
}

void FrmBalls::automaticSelection(int16_t mode) {
    askResults(QStringLiteral("Topları önceden çıkan sonuçlara göre değiştirmek istiyormusunuz ?"), mode);
}

void FrmBalls::showFunctionKeys() {
    showHelpBox(bagFunctionKeysText());
}

void FrmBalls::showHowAndWhy() {
    showHelpBox(bagHowAndWhyText(state().game), QStringLiteral("TORBA'NIN İŞLEVİ"));
}

void FrmBalls::showAdvice() {
    showHelpBox(bagAdviceText(), QStringLiteral("TAVSİYELER"));
}

} // namespace velmorix
