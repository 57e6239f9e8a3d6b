#include "FrmBalls.h"

#include "BallWindowTexts.h"

#include "core/AppState.h"
#include "core/BallsFile.h"
#include "core/ColumnFile.h"
#include "platform/Dialogs.h"
#include "windows/common/ResultsRequest.h"
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

FrmBalls::FrmBalls(AppContext& context, QWidget* parent) : VelmorixWindow(context, parent) {
    setObjectName(QStringLiteral("frmBalls"));
    setWindowTitle(QStringLiteral("6/49 Topları"));
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

    auto* header = new QHBoxLayout;
    Label1 = new QLabel(QStringLiteral("Torba"), central);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont big = Label1->font();
    big.setPointSize(big.pointSize() + 5);
    big.setBold(true);
    Label1->setFont(big);
    Label2 = new QLabel(QStringLiteral("F10 = Yardım"), central);
    Label2->setObjectName(QStringLiteral("Label2"));
    header->addWidget(Label1);
    header->addStretch(1);
    header->addWidget(Label2, 0, Qt::AlignBottom);
    layout->addLayout(header);

    auto* frame = new QFrame(central);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(10, 8, 10, 8);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    QFont ballFont = font();
    ballFont.setBold(true);
    for (int i = 0; i < 49; ++i) {
        auto* box = new QCheckBox(QString::number(i + 1), frame);
        box->setObjectName(QStringLiteral("Check1_") + QString::number(i));
        box->setFont(ballFont);
        box->setMinimumWidth(box->sizeHint().width() + 6);
        colourByTick(box);
        connect(box, &QCheckBox::toggled, this, [box] { colourByTick(box); });
        grid->addWidget(box, i / 7, i % 7);
        Check1[static_cast<std::size_t>(i)] = box;
    }
    layout->addWidget(frame);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    auto makeButton = [central](const char* name, const QString& caption) {
        auto* button = new QPushButton(caption, central);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);
        return button;
    };
    Command1 = makeButton("Command1", QStringLiteral("Uygula"));
    Command3 = makeButton("Command3", QStringLiteral("Yükle"));
    Command4 = makeButton("Command4", QStringLiteral("Kayıtla"));
    Command2 = makeButton("Command2", QStringLiteral("Kapat"));
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

    m_results = std::make_unique<ResultsRequest>(context(), this, [this] {
        untickAll();
        showBag();
    });
    connect(m_results->timer(), &QTimer::timeout, this, &FrmBalls::pollResults);

    setCentralWidget(central);
}

void FrmBalls::buildMenus() {
    auto addMenu = [this](const char* name, const QString& title) {
        QMenu* menu = menuBar()->addMenu(title);
        menu->setObjectName(QString::fromLatin1(name));
        return menu;
    };
    auto entry = [this](QMenu* menu, const char* name, const QString& caption, const QKeySequence& key,
                        auto command) {
        QAction* action = addMenuEntry(menu, name, caption, key);
        connect(action, &QAction::triggered, this, command);
        return action;
    };

    QMenu* choice = addMenu("mnuSecim", QStringLiteral("Seçim"));
    mnuUygula = entry(choice, "mnuUygula", QStringLiteral("Seçimi Uygula"), Qt::Key_F1, &FrmBalls::apply);
    choice->addSeparator();
    mnuHepsi = entry(choice, "mnuHepsi", QStringLiteral("Hepsini Seç"), Qt::Key_F4, &FrmBalls::tickAll);
    mnuHicbiri =
        entry(choice, "mnuHicbiri", QStringLiteral("Hiçbirini Seçme"), Qt::Key_F5, &FrmBalls::tickNone);
    choice->addSeparator();
    mnuKapat = entry(choice, "mnuKapat", QStringLiteral("Kapat"), QKeySequence(), &FrmBalls::close);

    QMenu* file = addMenu("mnuDosya", QStringLiteral("Dosya"));
    mnuYukle = entry(file, "mnuYukle", QStringLiteral("Dosyadan Yükle"), Qt::Key_F2, &FrmBalls::load);
    mnuKayitla = entry(file, "mnuKayitla", QStringLiteral("Dosyaya Kayıtla"), Qt::Key_F3, &FrmBalls::save);

    QMenu* automatic = addMenu("mnuOtomatik", QStringLiteral("Otomatik"));
    mnuEnazlar = entry(automatic, "mnuEnazlar", QStringLiteral("En Az Çıkanları Yükle"), Qt::Key_F6,
                       [this] { automaticSelection(dialogmode::LeastDrawn); });
    mnuOrtalamalar =
        entry(automatic, "mnuOrtalamalar", QStringLiteral("En Az ve En Çok Çıkanlar Dışındakileri Yükle"),
              Qt::Key_F7, [this] { automaticSelection(dialogmode::MiddleDrawn); });
    mnuEnCoklar = entry(automatic, "mnuEnCoklar", QStringLiteral("En Çok Çıkanları Yükle"), Qt::Key_F8,
                        [this] { automaticSelection(dialogmode::MostDrawn); });
    automatic->addSeparator();
    mnuCTGoster = entry(automatic, "mnuCTGoster", QStringLiteral("Çıkan Topları Göster"), QKeySequence(),
                        &FrmBalls::showDrawnBalls);

    QMenu* help = addMenu("mnuYardim", QStringLiteral("Yardım"));
    mnuFunctionKeys = entry(help, "mnuFunctionKeys", QStringLiteral("Fonksiyon Tuşları"), Qt::Key_F10,
                            &FrmBalls::showFunctionKeys);
    mnuNasil = entry(help, "mnuNasil", QStringLiteral("Bu Seçim Niçin ve Nasıl Uygulanır"), Qt::Key_F11,
                     &FrmBalls::showHowAndWhy);
    mnuTavsiye = entry(help, "mnuTavsiye", QStringLiteral("Tavsiyeler"), Qt::Key_F12, &FrmBalls::showAdvice);
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

void FrmBalls::untickAll() {
    for (QCheckBox* b : Check1)
        b->setChecked(false);
}

void FrmBalls::showBag() {
    const BagList& bag = state().BagBalls;
    for (int i = 1; i <= bag.count(); ++i) {
        const int ball = bag[i];
        if (ball >= 1 && ball <= 49)
            box(ball)->setChecked(true);
    }
}

void FrmBalls::readBagFromBoxes() {
    BagList bag;
    for (int ball = 1; ball <= 49; ++ball)
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
    dialogs().beep();
    if (!dialogs().askYesNo(QStringLiteral("Topları VELMORIX.DAT dosyasına kayıtlamak istiyormusunuz ?"),
                            programTitle()))
        return;
    readBagFromBoxes();
    if (!guarded([this] { saveBag(state(), dir()); }))
        return;
    dialogs().beep();
    dialogs().show(ballsSavedText(), programTitle(), DialogIcon::None);
}

void FrmBalls::tickAll() {
    for (QCheckBox* b : Check1)
        b->setChecked(true);
}

void FrmBalls::tickNone() {
    untickAll();
}

void FrmBalls::automaticSelection(int16_t mode) {
    m_results->ask(QStringLiteral("Topları önceden çıkan sonuçlara göre değiştirmek istiyormusunuz ?"), mode);
}

void FrmBalls::showDrawnBalls() {
    m_results->showDrawnBalls();
}

void FrmBalls::pollResults() {
    m_results->poll();
}

bool FrmBalls::isWaiting() const {
    return m_results->isWaiting();
}

void FrmBalls::showFunctionKeys() {
    dialogs().show(bagFunctionKeysText(), QStringLiteral(" VELMORIX 653 Dizimci u4.5"), DialogIcon::None);
}

void FrmBalls::showHowAndWhy() {
    dialogs().show(bagHowAndWhyText(), QStringLiteral(" VELMORIX 653 Dizimci u4.5  [ TORBA'NIN İŞLEVİ ]"),
                   DialogIcon::None);
}

void FrmBalls::showAdvice() {
    dialogs().show(bagAdviceText(), QStringLiteral(" VELMORIX 653 Dizimci u4.5  [ TAVSİYELER ]"),
                   DialogIcon::None);
}

} // namespace velmorix
