#include "FrmLoto.h"

#include "core/AppState.h"
#include "core/BallsFile.h"
#include "core/Clock.h"
#include "core/ColumnFile.h"
#include "core/Numbers.h"
#include "core/Random.h"
#include "platform/Dialogs.h"
#include "windows/common/GameSwitch.h"
#include "windows/common/Placement.h"
#include "windows/common/ResultsRequest.h"
#include "windows/common/Text.h"
#include "windows/common/WindowParts.h"
#include "windows/common/WindowRegistry.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace velmorix {

namespace {

// Played columns beyond what the editor pages go to the list window.
constexpr int64_t LongPlayedListBytes = int64_t{32767} * 16;
constexpr int32_t RandomListLimit = 32767;

QString initialBallText(int position) {
    return QString::number(position) + QStringLiteral(". top");
}

bool columnDrawn(const std::array<int16_t, 7>& column) {
    for (int p = 1; p <= 6; ++p)
        if (column[static_cast<std::size_t>(p)] < 1)
            return false;
    return true;
}

std::array<int16_t, 6> ballsOf(const std::array<int16_t, 7>& column) {
    std::array<int16_t, 6> balls{};
    for (int p = 1; p <= 6; ++p)
        balls[static_cast<std::size_t>(p - 1)] = column[static_cast<std::size_t>(p)];
    return balls;
}

} // namespace

FrmLoto::FrmLoto(AppContext& context, QWidget* parent) : VelmorixWindow(context, parent) {
    setObjectName(QStringLiteral("frmLoto"));
    buildControls();
    buildMenus();
    showGame();
    setFixedSize(sizeHint());
    placeCentred(this);
    setKeyCommands({{Qt::Key_Escape, [this] { endProgram(); }},
                    {Qt::Key_F1, [this] { drawRandomColumn(); }},
                    {Qt::Key_F2, [this] { openWindow(WindowId::Balls); }},
                    {Qt::Key_F3, [this] { openWindow(WindowId::Banko); }},
                    {Qt::Key_F4, [this] { openWindow(WindowId::RndLst); }},
                    {Qt::Key_F5, [this] { sortAndShow(); }},
                    {Qt::Key_F6, [this] { openInsteadOfThis(WindowId::ArbitGrp); }},
                    {Qt::Key_F7, [this] { openInsteadOfThis(WindowId::Prohibit); }},
                    {Qt::Key_F8, [this] { openWindow(WindowId::ComLst); }},
                    {Qt::Key_F9, [this] { saveColumn(); }},
                    {Qt::Key_F10, [this] { openWindow(WindowId::Help); }},
                    {Qt::Key_F11, [this] { testResults(); }},
                    {Qt::Key_F12, [this] { openWindow(WindowId::KuantFlt); }}});
}

QString FrmLoto::statusText() {
    return QStringLiteral("VELMORIX 653 v6.5tr Tam Destek    [ F10= Yardım ]");
}

void FrmLoto::buildControls() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(14, 10, 14, 10);
    layout->setSpacing(10);

    Frame1 = new QGroupBox(central);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* balls = new QHBoxLayout(Frame1);
    balls->setContentsMargins(12, 12, 12, 12);
    balls->setSpacing(10);
    QFont ballFont(QStringLiteral("DejaVu Sans"));
    ballFont.setPointSize(20);
    ballFont.setBold(true);
    m_ballLabels = {Label1 = new QLabel(Frame1), Label2 = new QLabel(Frame1), Label3 = new QLabel(Frame1),
                    Label4 = new QLabel(Frame1), Label5 = new QLabel(Frame1), Label6 = new QLabel(Frame1)};
    for (int p = 1; p <= 6; ++p) {
        QLabel* label = m_ballLabels[static_cast<std::size_t>(p - 1)];
        label->setObjectName(QStringLiteral("Label") + QString::number(p));
        label->setText(initialBallText(p));
        label->setFont(ballFont);
        label->setAlignment(Qt::AlignCenter);
        label->setFixedSize(104, 72);
        label->setStyleSheet(QStringLiteral("QLabel { background: #ffffff; color: #10264a;"
                                            " border: 2px solid #3a5a8c; border-radius: 10px; }"));
        balls->addWidget(label);
    }
    layout->addWidget(Frame1);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    auto makeButton = [central](const char* name, const QString& caption, const QString& tip) {
        auto* button = new QPushButton(caption, central);
        button->setObjectName(QString::fromLatin1(name));
        button->setToolTip(tip);
        button->setMinimumSize(120, 32);
        return button;
    };
    Command1 = makeButton("Command1", QStringLiteral("Kolon"), QStringLiteral("Rastgele Kombinasyon"));
    Command2 = makeButton("Command2", QStringLiteral("Çıkış"), QStringLiteral("Programdan Çıkış"));
    Command3 =
        makeButton("Command3", QStringLiteral("Dizimci"), QStringLiteral("Kombinasyon Listesi Üreteci"));
    buttons->addWidget(Command1);
    buttons->addWidget(Command3);
    buttons->addStretch(1);
    buttons->addWidget(Command2);
    layout->addLayout(buttons);
    connect(Command1, &QPushButton::clicked, this, &FrmLoto::drawRandomColumn);
    connect(Command2, &QPushButton::clicked, this, &FrmLoto::endProgram);
    connect(Command3, &QPushButton::clicked, this, [this] { openInsteadOfThis(WindowId::Prohibit); });

    Label8 = new QLabel(central);
    Label8->setObjectName(QStringLiteral("Label8"));
    Label8->setText(programTitle());
    Label8->setToolTip(QStringLiteral("Sürüm 4.5 - Derleme 2005.07.10"));
    Label8->setFrameShape(QFrame::Panel);
    Label8->setFrameShadow(QFrame::Sunken);
    Label8->setMargin(3);
    layout->addWidget(Label8);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(50);
    connect(Timer1, &QTimer::timeout, this, &FrmLoto::drawTick);

    setCentralWidget(central);
}

QAction* FrmLoto::addEntry(QMenu* menu, const char* name, const QString& caption, void (FrmLoto::*command)(),
                           const QKeySequence& key) {
    return MenuBuilder(this).entry(menu, name, caption, key, command);
}

QAction* FrmLoto::addOpener(QMenu* menu, const char* name, const QString& caption, WindowId id,
                            const QKeySequence& key) {
    return MenuBuilder(this).entry(menu, name, caption, key, [this, id] { openWindow(id); });
}

void FrmLoto::buildMenus() {
    const MenuBuilder menus(this);

    QMenu* column = menus.menu("mnuColumn", QStringLiteral("Kolon"));
    addEntry(column, "RandomColumn", QStringLiteral("Rastgele Bir Kolon Göster"), &FrmLoto::drawRandomColumn,
             Qt::Key_F1);
    addEntry(column, "RndComListColumn", QStringLiteral("VELMORIX.LST Dosyasından Rastgele Kolon Göster"),
             &FrmLoto::randomColumnFromList);
    addEntry(column, "Sort", QStringLiteral("Topları Numara Sırasına Göre Diz"), &FrmLoto::sortAndShow,
             Qt::Key_F5);
    addEntry(column, "SaveColumn", QStringLiteral("Kolonu VELMORIX.RND Dosyasına Kayıtla"),
             &FrmLoto::saveColumn, Qt::Key_F9);
    column->addSeparator();
    addEntry(column, "mnuExit", QStringLiteral("Çıkış"), &FrmLoto::endProgram);

    QMenu* bag = menus.menu("mnuBag", QStringLiteral("Torba"));
    addEntry(bag, "LoadBalls", QStringLiteral("Topları VELMORIX.DAT Dosyasından Yükle"), &FrmLoto::loadBalls);
    addOpener(bag, "OpenBag", QStringLiteral("Top Seçme Penceresini Aç"), WindowId::Balls, Qt::Key_F2);

    QMenu* banko = menus.menu("mnuBanko", QStringLiteral("Banko"));
    addEntry(banko, "LoadBankoBalls", QStringLiteral("Bankoyu VELMORIX.DAT Dosyasından Yükle"),
             &FrmLoto::loadBankoBalls);
    addOpener(banko, "OpenBankoWindow", QStringLiteral("Banko Top Seçme Penceresini Aç"), WindowId::Banko,
              Qt::Key_F3);

    QMenu* list = menus.menu("mnuList", QStringLiteral("Liste"));
    addOpener(list, "ListRnd", QStringLiteral("Rastgele Kolon Listesi Oluştur"), WindowId::Rnd);
    addEntry(list, "mnuShowRndList", QStringLiteral("Rastgele Kolon Listesini Göster"),
             &FrmLoto::showRandomList);
    addOpener(list, "OpenCList", QStringLiteral("Kombinasyon Listesini Göster"), WindowId::ComLst,
              Qt::Key_F8);
    addEntry(list, "ShowPlayingList", QStringLiteral("Oynanan Kolonları Göster"),
             &FrmLoto::showPlayedColumns);

    QMenu* dizimci = m_dizimciMenu = menus.menu("mnuDizimci", QString());
    menus.entry(dizimci, "OpenFilters", QStringLiteral("Filtreler (Formül) Penceresini Aç"), Qt::Key_F7,
                [this] { openInsteadOfThis(WindowId::Prohibit); });
    menus.entry(dizimci, "OpenArbitraryGrpWin", QStringLiteral("Keyfi Guruplama Penceresini Aç"), Qt::Key_F6,
                [this] { openInsteadOfThis(WindowId::ArbitGrp); });
    addOpener(dizimci, "mnuKuantum", QStringLiteral("Kuantum İşlemleri Penceresini Aç"), WindowId::KuantFlt,
              Qt::Key_F12);

    QMenu* results = menus.menu("mnuResults", QStringLiteral("Sonuçlar"));
    addOpener(results, "ShowResults", QStringLiteral("Sonuçlar Penceresini Aç"), WindowId::Results);
    addEntry(results, "ShowReps", QStringLiteral("Topların Tekrar Sayılarını Göster"),
             &FrmLoto::showRepetitions);
    addEntry(results, "mnuTestResults", QStringLiteral("Sonuçları Kaos Filtrelerine Göre Test Et"),
             &FrmLoto::testResults, Qt::Key_F11);
    results->addSeparator();
    addOpener(results, "mnuBonus", QStringLiteral("İkramiye İsabet Eden Kolonları Göster"), WindowId::Scores);

    QMenu* games = menus.menu("mnuGame", QStringLiteral("Oyun"));
    auto* choice = new QActionGroup(games);
    int count = 0;
    const Game* all = Game::all(count);
    for (int i = 0; i < count; ++i) {
        const Game game = all[i];
        const QByteArray name = "mnuGame" + QByteArray::number(game.balls());
        QAction* entry =
            menus.entry(games, name.constData(),
                        qtext(game.name()) + QStringLiteral(" (") + qtext(game.tag()) + QStringLiteral(")"),
                        QKeySequence(), [this, game] { chooseGame(game); });
        entry->setCheckable(true);
        choice->addAction(entry);
        m_gameEntries.push_back({entry, game});
    }
}

void FrmLoto::showGame() {
    const Game& game = state().game;
    setWindowTitle(programTitle() + qtext(game.captionSuffix()));
    m_dizimciMenu->setTitle(qtext(game.tag()) + QStringLiteral(" Dizimci"));
    for (const auto& [entry, entryGame] : m_gameEntries)
        entry->setChecked(entryGame == game);
}

void FrmLoto::chooseGame(const Game& game) {
    if (game == state().game) {
        showGame();
        return;
    }
    closeOtherWindows();
    if (const std::string why = enterGame(context(), game); !why.empty())
        dialogs().show(qtext(why), errorTitle(), DialogIcon::Critical);
    Frame1->setTitle(QString());
    Label8->setText(statusText());
    showCurrentColumn();
    showGame();
}

void FrmLoto::onActivated() {
    Label8->setText(statusText());
}

bool FrmLoto::isDrawing() const {
    return Timer1->isActive();
}

void FrmLoto::drawRandomColumn() {
    Label8->setText(statusText());
    Frame1->setTitle(QString());
    // Six distinct balls in bag and bankers together; anything less would make
    // the draw repeat for ever.
    if (!canDrawColumn(state())) {
        refuseDraw();
        return;
    }
    context().random.seed(context().clock.seed());
    Timer1->start();
}

void FrmLoto::refuseDraw() {
    dialogs().beep();
    dialogs().show(
        QStringLiteral("En az 6 top seçmeniz gerekir !\r\rTop seçme (Torba) formuna geçmek için F2 "
                       "tuşuna basın..."),
        QStringLiteral("! ") + programTitle() + QStringLiteral(" !"), DialogIcon::Exclamation);
}

void FrmLoto::drawTick() {
    std::array<int16_t, 6> shown{};
    const ColumnDraw::Step step = m_draw.tick(state(), context().random, context().clock, shown);
    showBalls(shown);
    dialogs().beep();
    if (step == ColumnDraw::Step::Running)
        return;
    Timer1->stop();
    showCurrentColumn();
    if (step == ColumnDraw::Step::Impossible)
        refuseDraw();
}

void FrmLoto::randomColumnFromList() {
    guarded([this] {
        const int32_t n = recordCount(dir(), files::List);
        if (n < 1)
            return;
        Random& random = context().random;
        random.seed(context().clock.seed());
        int32_t picked = static_cast<int32_t>(std::floor(n * random.next())) + 1;
        state().RecNo = picked > n ? n : picked;
        state().ColRec = readRecord(dir(), files::List, state().RecNo);
        for (int p = 1; p <= 6; ++p)
            state().CurColumn[static_cast<std::size_t>(p)] =
                state().ColRec.Ball[static_cast<std::size_t>(p - 1)];
        sortAndShow();
    });
}

void FrmLoto::sortAndShow() {
    sortColumn(state().CurColumn);
    dialogs().beep();
    showCurrentColumn();
}

void FrmLoto::saveColumn() {
    guarded([this] {
        const int32_t n = recordCount(dir(), files::Random);
        if (n >= RandomListLimit) {
            dialogs().beep();
            return;
        }
        // Nothing drawn yet: nothing to save.
        if (!columnDrawn(state().CurColumn))
            return;
        // A column that could not be a ticket (a damaged list) is refused.
        if (!isValidColumn(ballsOf(state().CurColumn))) {
            dialogs().beep();
            return;
        }
        Label8->setText(QStringLiteral("Kolon kayıtlanıyor..."));
        {
            BusyCursor busy;
            sortAndShow();
            ColumnRecord record;
            record.Tag = 0;
            record.Ball = ballsOf(state().CurColumn);
            state().ColRec = record;
            try {
                writeRecord(dir(), files::Random, n + 1, record);
            } catch (...) {
                Label8->setText(statusText());
                throw;
            }
        }
        Label8->setText(QStringLiteral("Kolon kayıtlandı... Kayıt No=") + qnumber(n + 1));
    });
}

void FrmLoto::loadBalls() {
    dialogs().beep();
    if (!dir().exists(files::Balls))
        return;
    if (!dialogs().askYesNo(QStringLiteral("Topları VELMORIX.DAT dosyasından yüklemek istiyormusunuz ?"),
                            programTitle()))
        return;
    guarded([this] {
        // A failed load and a successful one both end with one beep here.
        if (loadBag(state(), dir(), LoadForm::MainWindow) != BallsLoad::Missing)
            dialogs().beep();
    });
}

void FrmLoto::loadBankoBalls() {
    dialogs().beep();
    if (dir().fileSize(files::Balls) <= 101)
        return;
    if (!dialogs().askYesNo(
            QStringLiteral("Banko seçimini VELMORIX.DAT dosyasından yüklemek istiyormusunuz ?"),
            programTitle()))
        return;
    guarded([this] {
        loadBankers(state(), dir(), LoadForm::MainWindow);
        dialogs().beep();
    });
}

void FrmLoto::showRandomList() {
    if (recordCount(dir(), files::Random) >= 1) {
        openWindow(WindowId::RndLst);
        return;
    }
    dialogs().beep();
    dialogs().show(
        QStringLiteral("Listelenecek (kayıtlı) Rastgele Kolon yok !\r\rNOT: Rastgele kolonları Kolon "
                       "menüsündeki 'Kolonu VELMORIX.RND dosyasına kayıtla' seçeneği vasıtasıyla "
                       "kayıtlayabilirsiniz..."),
        programTitle(), DialogIcon::Exclamation);
}

void FrmLoto::showPlayedColumns() {
    if (dir().fileSize(files::Played) >= LongPlayedListBytes)
        openWindow(WindowId::OKLst);
    else
        openWindow(WindowId::OKList);
}

void FrmLoto::showRepetitions() {
    if (dir().fileSize(files::Results) < 16)
        return;
    ResultsRequest::open(context(), ResultsSource::Results, dialogmode::Repetitions);
}

void FrmLoto::testResults() {
    dialogs().beep();
    if (recordCount(dir(), files::Results) < 1)
        return;
    if (!dialogs().askYesNo(
            QStringLiteral("SAYISAL LOTO sonuçlarının DİZİMCİ 4 kaos filtrelerine uygunluğunu test "
                           "etmek istiyormusunuz?\r\r( Evet cevabı verirseniz, test sonuçları "
                           "'VELMORIX.TXT' dosyasına yazılacak. )"),
            programTitleLong()))
        return;
    ResultsRequest::open(context(), ResultsSource::ChaosTest);
}

void FrmLoto::openWindow(WindowId id) {
    context().windows.open(id);
}

void FrmLoto::openInsteadOfThis(WindowId id) {
    QWidget* window = context().windows.get(id);
    if (!window)
        return;
    hide();
    // However that window goes (its own close command, ESC, the title bar), the
    // main window comes back.
    connect(window, &QObject::destroyed, this, &FrmLoto::showAgain, Qt::UniqueConnection);
    context().windows.open(id);
}

void FrmLoto::showAgain() {
    if (m_ending)
        return;
    show();
    raise();
    activateWindow();
}

void FrmLoto::showBalls(const std::array<int16_t, 6>& balls) {
    for (std::size_t i = 0; i < balls.size(); ++i)
        m_ballLabels[i]->setText(QString::number(balls[i]));
}

void FrmLoto::showCurrentColumn() {
    if (state().CurColumn != std::array<int16_t, 7>{}) {
        showBalls(ballsOf(state().CurColumn));
        return;
    }
    // No column yet: the labels keep their captions.
    for (int p = 1; p <= 6; ++p)
        m_ballLabels[static_cast<std::size_t>(p - 1)]->setText(initialBallText(p));
}

void FrmLoto::closeOtherWindows() {
    Timer1->stop();
    context().windows.closeAllExcept(WindowId::Loto);
}

void FrmLoto::endProgram() {
    if (m_ending)
        return;
    m_ending = true;
    closeOtherWindows();
    close();
}

void FrmLoto::closeEvent(QCloseEvent* event) {
    // Closing the main window by any means ends the program.
    if (!m_ending) {
        m_ending = true;
        closeOtherWindows();
    }
    event->accept();
    VelmorixWindow::closeEvent(event);
}

} // namespace velmorix
