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
    setKeyCommands({{Qt::Key_Escape, [this] { close(); }},
                    {Qt::Key_F1, [this] { apply(); }},
                    {Qt::Key_F2, [this] { load(); }},
                    {Qt::Key_F3, [this] { save(); }},
                    {Qt::Key_F4, [this] { tickAll(); }},
                    {Qt::Key_F5, [this] { tickNone(); }},
                    {Qt::Key_F6, [this] { automaticSelection(dialogmode::LeastDrawn); }},
                    {Qt::Key_F7, [this] { automaticSelection(dialogmode::MiddleDrawn); }},
                    {Qt::Key_F8, [this] { automaticSelection(dialogmode::MostDrawn); }},
                    {Qt::Key_F9, [] {}},
                    {Qt::Key_F10, [this] { showFunctionKeys(); }},
                    {Qt::Key_F11, [this] { showHowAndWhy(); }},
                    {Qt::Key_F12, [this] { showAdvice(); }}},
                   true);
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

    addButtonRow(central, layout,
                 {{"Command1", QStringLiteral("Uygula"), [this] { apply(); }},
                  {"Command3", QStringLiteral("Yükle"), [this] { load(); }},
                  {"Command4", QStringLiteral("Kayıtla"), [this] { save(); }},
                  {"Command2", QStringLiteral("Kapat"), [this] { close(); }}});

    awaitResultsWith([this] {
        untickAll();
        showBag();
    });

    setCentralWidget(central);
}

void FrmBalls::buildMenus() {
    const MenuBuilder menus(this);

    QMenu* choice = menus.menu("mnuSecim", QStringLiteral("Seçim"));
    menus.entry(choice, "mnuUygula", QStringLiteral("Seçimi Uygula"), Qt::Key_F1, &FrmBalls::apply);
    choice->addSeparator();
    menus.entry(choice, "mnuHepsi", QStringLiteral("Hepsini Seç"), Qt::Key_F4, &FrmBalls::tickAll);
    menus.entry(choice, "mnuHicbiri", QStringLiteral("Hiçbirini Seçme"), Qt::Key_F5, &FrmBalls::tickNone);
    choice->addSeparator();
    menus.entry(choice, "mnuKapat", QStringLiteral("Kapat"), QKeySequence(), &FrmBalls::close);

    QMenu* file = menus.menu("mnuDosya", QStringLiteral("Dosya"));
    menus.entry(file, "mnuYukle", QStringLiteral("Dosyadan Yükle"), Qt::Key_F2, &FrmBalls::load);
    menus.entry(file, "mnuKayitla", QStringLiteral("Dosyaya Kayıtla"), Qt::Key_F3, &FrmBalls::save);

    QMenu* automatic = menus.menu("mnuOtomatik", QStringLiteral("Otomatik"));
    menus.entry(automatic, "mnuEnazlar", QStringLiteral("En Az Çıkanları Yükle"), Qt::Key_F6,
                [this] { automaticSelection(dialogmode::LeastDrawn); });
    menus.entry(automatic, "mnuOrtalamalar", QStringLiteral("En Az ve En Çok Çıkanlar Dışındakileri Yükle"),
                Qt::Key_F7, [this] { automaticSelection(dialogmode::MiddleDrawn); });
    menus.entry(automatic, "mnuEnCoklar", QStringLiteral("En Çok Çıkanları Yükle"), Qt::Key_F8,
                [this] { automaticSelection(dialogmode::MostDrawn); });
    automatic->addSeparator();
    menus.entry(automatic, "mnuCTGoster", QStringLiteral("Çıkan Topları Göster"), QKeySequence(),
                &FrmBalls::showDrawnBalls);

    QMenu* help = menus.menu("mnuYardim", QStringLiteral("Yardım"));
    menus.entry(help, "mnuFunctionKeys", QStringLiteral("Fonksiyon Tuşları"), Qt::Key_F10,
                &FrmBalls::showFunctionKeys);
    menus.entry(help, "mnuNasil", QStringLiteral("Bu Seçim Niçin ve Nasıl Uygulanır"), Qt::Key_F11,
                &FrmBalls::showHowAndWhy);
    menus.entry(help, "mnuTavsiye", QStringLiteral("Tavsiyeler"), Qt::Key_F12, &FrmBalls::showAdvice);
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
