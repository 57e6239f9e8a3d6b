#include "FrmProhibit.h"

#include "LiveCountPanel.h"
#include "ProhibitTexts.h"
#include "SelectionView.h"

#include "core/AppState.h"
#include "windows/common/Text.h"
#include "windows/common/WindowParts.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmorix {

FrmProhibit::FrmProhibit(AppContext& context, QWidget* parent) : VelmorixWindow(context, parent) {
    setObjectName(QStringLiteral("frmProhibit"));
    setWindowTitle(prohibittexts::windowTitle());
    buildControls();
    buildMenus();
    setFixedSize(sizeHint());
    placeCentred(this);
    fillColumnFromMainWindow();
    showSelection();
    setKeyCommands({{Qt::Key_F1, [this] { applyFilters(false); }},
                    {Qt::Key_F2, [this] { openWindow(WindowId::ComLst); }},
                    {Qt::Key_F3, [this] { openWindow(WindowId::Results); }},
                    {Qt::Key_F4, [this] { showPlayed(); }},
                    {Qt::Key_F5, [this] { loadSelection(); }},
                    {Qt::Key_F6, [this] { saveSelection(); }},
                    {Qt::Key_F7, [this] { openWindow(WindowId::Yasak2); }},
                    {Qt::Key_F8, [this] { showSextets(); }},
                    {Qt::Key_F9, [this] { testColumn(); }},
                    {Qt::Key_F10, [this] { showFunctionKeys(); }},
                    {Qt::Key_F11, [this] { showPurpose(); }},
                    {Qt::Key_F12, [this] { showMeanings(); }},
                    {Qt::Key_Escape, [this] { close(); }}},
                   true);
}

FrmProhibit::~FrmProhibit() = default;

namespace {

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, const QString& tip = {}) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    if (!tip.isEmpty())
        button->setToolTip(tip);
    return button;
}

} // namespace

void FrmProhibit::buildControls() {
    auto* central = new QWidget(this);
    m_view = new SelectionView(central, state().Selection, dialogs(), state().game);

    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(10, 6, 10, 8);
    layout->setSpacing(6);

    // Filter frames: relations and decades over the five small option frames,
    // the other filters down the right.
    auto* top = new QHBoxLayout;
    top->setSpacing(6);
    auto* left = new QVBoxLayout;
    auto* upper = new QHBoxLayout;
    upper->addWidget(m_view->mathRelations());
    upper->addWidget(m_view->decades());
    left->addLayout(upper);
    auto* lower = new QHBoxLayout;
    lower->addWidget(m_view->repeats());
    lower->addWidget(m_view->sums());
    lower->addWidget(m_view->results());
    lower->addWidget(m_view->played());
    lower->addWidget(m_view->sextets());
    left->addLayout(lower, 1);
    top->addLayout(left);

    auto* right = new QVBoxLayout;
    right->addWidget(m_view->otherFilters(), 1);
    right->addWidget(m_view->forbiddenPairs());
    top->addLayout(right);
    layout->addLayout(top);

    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(6);
    bottom->addWidget(buildColumnFrame(central));
    bottom->addWidget(buildStatusFrame(central), 1);

    auto* buttons = new QGridLayout;
    buttons->setSpacing(4);
    Command1 = makeButton(central, "Command1", QStringLiteral("Listeye Uygula"),
                          QStringLiteral("Kombinasyon Listesine Uygula"));
    Command11 = makeButton(central, "Command11", QStringLiteral("Yeni Liste Yap"),
                           QStringLiteral("Yeni Kombinasyon Listesi Yap"));
    Command2 = makeButton(central, "Command2", QStringLiteral("Listeyi Göster"));
    Command3 = makeButton(central, "Command3", QStringLiteral("Sonuçlar"), QStringLiteral("Çıkmış Sonuçlar"));
    Command12 =
        makeButton(central, "Command12", QStringLiteral("Oynananlar"), QStringLiteral("Kupona Oynananlar"));
    Command7 = makeButton(central, "Command7", QStringLiteral("Yasak İkililer"));
    Command6 = makeButton(central, "Command6", QStringLiteral("Yasak Altılılar"),
                          QStringLiteral("Yasak Kombinasyonlar"));
    Command4 = makeButton(central, "Command4", QStringLiteral("Yardım"), QStringLiteral("Komut Yardımı"));
    Command5 = makeButton(central, "Command5", QStringLiteral("Kapat"), QStringLiteral("Çıkış"));
    QFont bold = Command11->font();
    bold.setBold(true);
    Command1->setFont(bold);
    Command11->setFont(bold);
    const std::array<QPushButton*, 9> order{Command11, Command1, Command2, Command3, Command12,
                                            Command7,  Command6, Command4, Command5};
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i]->setMinimumHeight(28);
        buttons->addWidget(order[i], static_cast<int>(i / 3), static_cast<int>(i % 3));
    }
    bottom->addLayout(buttons);
    layout->addLayout(bottom);

    connect(Command1, &QPushButton::clicked, this, [this] { applyFilters(false); });
    connect(Command2, &QPushButton::clicked, this, [this] { openWindow(WindowId::ComLst); });
    connect(Command3, &QPushButton::clicked, this, [this] { openWindow(WindowId::Results); });
    connect(Command4, &QPushButton::clicked, this, &FrmProhibit::showFunctionKeys);
    connect(Command5, &QPushButton::clicked, this, &FrmProhibit::close);
    connect(Command6, &QPushButton::clicked, this, &FrmProhibit::showSextets);
    connect(Command7, &QPushButton::clicked, this, [this] { openWindow(WindowId::Yasak2); });
    connect(Command11, &QPushButton::clicked, this, &FrmProhibit::createList);
    connect(Command12, &QPushButton::clicked, this, &FrmProhibit::showPlayed);

    setCentralWidget(central);
}

QGroupBox* FrmProhibit::buildColumnFrame(QWidget* parent) {
    auto* frame = new QGroupBox(QStringLiteral("Kombinasyon"), parent);
    frame->setObjectName(QStringLiteral("FrameColumn"));
    auto* layout = new QVBoxLayout(frame);
    auto* boxes = new QHBoxLayout;
    boxes->setSpacing(4);
    QFont ballFont = frame->font();
    ballFont.setBold(true);
    ballFont.setPointSize(ballFont.pointSize() + 2);
    for (int i = 0; i < 6; ++i) {
        auto* box = new QLineEdit(frame);
        box->setObjectName(QStringLiteral("Text3_") + QString::number(i));
        box->setFont(ballFont);
        box->setAlignment(Qt::AlignCenter);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 14);
        boxes->addWidget(box);
        Text3[static_cast<std::size_t>(i)] = box;
    }
    layout->addLayout(boxes);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    Command8 = makeButton(frame, "Command8", QStringLiteral("Test Et"),
                          QStringLiteral("Girilen kombinasyonu test et"));
    Command9 =
        makeButton(frame, "Command9", QStringLiteral("Kayıtla"), QStringLiteral("Oynananlara Kayıtla"));
    Command10 = makeButton(frame, "Command10", QStringLiteral("Yeni"), QStringLiteral("Yeni Giriş"));
    buttons->addWidget(Command8);
    buttons->addWidget(Command9);
    buttons->addWidget(Command10);
    layout->addLayout(buttons);
    connect(Command8, &QPushButton::clicked, this, &FrmProhibit::testColumn);
    connect(Command9, &QPushButton::clicked, this, &FrmProhibit::savePlayedColumn);
    connect(Command10, &QPushButton::clicked, this, &FrmProhibit::newEntry);
    return frame;
}

QGroupBox* FrmProhibit::buildStatusFrame(QWidget* parent) {
    auto* frame = new QGroupBox(QStringLiteral("Son İşlemin Durumu"), parent);
    frame->setObjectName(QStringLiteral("FrameStatus"));
    auto* columns = new QHBoxLayout(frame);
    auto* layout = new QVBoxLayout;
    columns->addLayout(layout);
    m_liveCount = new LiveCountPanel(state(), dir(), *m_view, frame);
    columns->addWidget(m_liveCount, 1);
    layout->setSpacing(2);
    const QString widest = QStringLiteral("Toplam Kombinasyon =  ") + QString::number(state().game.columns());
    auto makeLabel = [frame, layout, &widest](const char* name, const QString& text) {
        auto* label = new QLabel(text, frame);
        label->setObjectName(QString::fromLatin1(name));
        // Room for the longest texts the runs put here.
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(widest));
        layout->addWidget(label);
        return label;
    };
    Label10 = makeLabel("Label10", QStringLiteral("Toplam Kombinasyon : "));
    Label11 = makeLabel("Label11", QStringLiteral("Uygun Kombinasyon :"));
    Label12 = makeLabel("Label12", QStringLiteral("Başlama Zamanı :"));
    Label13 = makeLabel("Label13", QStringLiteral("Bitiş Zamanı :"));
    layout->addStretch(1);
    return frame;
}

void FrmProhibit::buildMenus() {
    const MenuBuilder menus(this);
    const QKeySequence none;

    QMenu* filters = menus.menu("mnuFilters", QStringLiteral("Filtreler"));
    menus.entry(filters, "mnuLoadFile", QStringLiteral("Seçimi VELMORIX.FLT dosyasından yükle"), Qt::Key_F5,
                &FrmProhibit::loadSelection);
    menus.entry(filters, "mnuSaveFile", QStringLiteral("Seçimi VELMORIX.FLT dosyasına kayıtla"), Qt::Key_F6,
                &FrmProhibit::saveSelection);
    filters->addSeparator();
    menus.entry(filters, "mnuCloseApply", QStringLiteral("Pencereyi kapat (uygula ama kayıtlama)"), none,
                &FrmProhibit::closeApply);
    menus.entry(filters, "mnuCancel", QStringLiteral("İptal (uygulamadan kapat)"), none,
                &FrmProhibit::cancel);

    QMenu* list = menus.menu("mnuList", QStringLiteral("Liste"));
    menus.entry(list, "mnuApplyFilters", QStringLiteral("Filtreleri mevcut listeye (VELMORIX.LST) uygula"),
                Qt::Key_F1, [this] { applyFilters(true); });
    menus.entry(list, "mnuShowList", QStringLiteral("Kombinasyon listesini (VELMORIX.LST) göster"),
                Qt::Key_F2, [this] { openWindow(WindowId::ComLst); });
    menus.entry(list, "mnuCreateList", QStringLiteral("Yeni liste (VELMORIX.LST) yap"), none,
                &FrmProhibit::createList);
    list->addSeparator();
    menus.entry(list, "mnuDeleteList", QStringLiteral("Mevcut listeyi (VELMORIX.LST) sil"), none,
                &FrmProhibit::deleteList);
    menus.entry(list, "mnuUndoList", QStringLiteral("Listedeki son değişikliği geri al"),
                QKeySequence(Qt::CTRL | Qt::Key_Z), &FrmProhibit::undoListChange);

    QMenu* results = menus.menu("mnuResults", QStringLiteral("Sonuçlar"));
    menus.entry(results, "mnuShowRes", QStringLiteral("Sonuçları (VELMORIX.RES) göster/değiştir"), Qt::Key_F3,
                [this] { openWindow(WindowId::Results); });
    results->addSeparator();
    menus.entry(results, "mnuApplyBag", QStringLiteral("Sonuçları torbaya uygula (kayıtlama)"), none,
                &FrmProhibit::resultsToBag);
    menus.entry(results, "mnuApplyBanko", QStringLiteral("Sonuçları bankoya uygula (kayıtlama)"), none,
                &FrmProhibit::resultsToBankers);
    results->addSeparator();
    menus.entry(results, "mnuSaveBalls", QStringLiteral("Seçilen topları dosyaya (VELMORIX.DAT) kayıtla"),
                none, &FrmProhibit::saveBalls);

    QMenu* played = menus.menu("mnuPlayed", QStringLiteral("Oynananlar"));
    menus.entry(played, "mnuShowPlayingList", QStringLiteral("Oynananları (VELMORIX.OKL) Göster"), Qt::Key_F4,
                &FrmProhibit::showPlayed);
    menus.entry(played, "mnuShowScores", QStringLiteral("Oynananların isabet durumunu göster"), none,
                [this] { openWindow(WindowId::Scores); });

    QMenu* bans = menus.menu("mnuBans", QStringLiteral("Yasaklar"));
    menus.entry(bans, "mnuYasak2", QStringLiteral("Yasak İkilileri göster/değiştir"), Qt::Key_F7,
                [this] { openWindow(WindowId::Yasak2); });
    menus.entry(bans, "mnuYasak6", QStringLiteral("Yasak Altılıları göster/değiştir"), Qt::Key_F8,
                &FrmProhibit::showSextets);

    QMenu* test = menus.menu("mnuTest", QStringLiteral("Test"));
    menus.entry(test, "mnuTestShowRndColumn", QStringLiteral("Rastgele kombinasyon göster"), none,
                &FrmProhibit::randomColumn);
    menus.entry(test, "mnuTestDoIt", QStringLiteral("Kombinasyonu test et"), Qt::Key_F9,
                &FrmProhibit::testColumn);
    menus.entry(test, "mnuTestSaveOKL", QStringLiteral("Görünen kombinasyonu oynanan kolonlara ekle"), none,
                &FrmProhibit::savePlayedColumn);
    menus.entry(test, "mnuTestNewColumn", QStringLiteral("Yeni bir kombinasyon gir"), none,
                &FrmProhibit::newEntry);
    test->addSeparator();
    menus.entry(test, "mnuTestBackTest", QStringLiteral("Seçimi geçmiş sonuçlarla test et"),
                QKeySequence(Qt::CTRL | Qt::Key_T), &FrmProhibit::backTest);

    QMenu* help = menus.menu("mnuHelp", QStringLiteral("Yardım"));
    menus.entry(help, "mnuPurpose", QStringLiteral("Filtrelerin kullanılma amacı"), Qt::Key_F11,
                &FrmProhibit::showPurpose);
    menus.entry(help, "mnuMeanings", QStringLiteral("Kullanılan terimlerin anlamları"), Qt::Key_F12,
                &FrmProhibit::showMeanings);
    menus.entry(help, "mnuFunctionKeys", QStringLiteral("Fonksiyon tuşları"), Qt::Key_F10,
                &FrmProhibit::showFunctionKeys);
    help->addSeparator();
    menus.entry(help, "mnuAbout", QStringLiteral("Program hakkında"), none, &FrmProhibit::showAbout);
    menus.entry(help, "mnuKatkilar", QStringLiteral("Katkılar"), none, &FrmProhibit::showCredits);
}

bool FrmProhibit::handleKey(QKeyEvent* event) {
    if (event->modifiers() == Qt::ControlModifier && event->key() == Qt::Key_T) {
        backTest();
        return true;
    }
    if (event->modifiers() == Qt::ControlModifier && event->key() == Qt::Key_Z) {
        undoListChange();
        return true;
    }
    return VelmorixWindow::handleKey(event);
}

void FrmProhibit::onActivated() {
    if (returningFromModal() || m_running)
        return;
    showSelection();
}

void FrmProhibit::showSelection() {
    // Setting the controls sends no change signals; the count follows here.
    m_view->showSelection();
    m_liveCount->scheduleCount();
}

void FrmProhibit::readSelection() {
    m_view->readSelection();
}

void FrmProhibit::closeEvent(QCloseEvent* event) {
    if (m_running) {
        event->ignore();
        return;
    }
    if (!m_cancelling)
        readSelection();
    m_cancelling = false;
    VelmorixWindow::closeEvent(event);
}

void FrmProhibit::closeApply() {
    close();
}

void FrmProhibit::cancel() {
    m_cancelling = true;
    close();
}

void FrmProhibit::fillColumnFromMainWindow() {
    // The main window's current column, once it has one.
    const auto& column = state().CurColumn;
    for (int k = 1; k <= 6; ++k)
        if (column[static_cast<std::size_t>(k)] < 1)
            return;
    for (int k = 1; k <= 6; ++k)
        Text3[static_cast<std::size_t>(k - 1)]->setText(QString::number(column[static_cast<std::size_t>(k)]));
}

} // namespace velmorix
