#include "FrmArbitGrp.h"

#include "MethodParts.h"

#include "core/AppState.h"
#include "core/ColumnFile.h"
#include "core/Numbers.h"
#include "core/SafeFile.h"
#include "platform/Dialogs.h"
#include "windows/common/BallGrid.h"
#include "windows/common/Text.h"
#include "windows/common/WindowParts.h"
#include "windows/common/WindowRegistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace velmorix {

namespace {

constexpr int32_t RandomListLimit = 32767;

// The two product lines of this window's boxes.
QString upperTitle() {
    return QLatin1Char(' ') + programTitleLong();
}
QString questionTitle() {
    return programTitleLong();
}
QString groupingTitle() {
    return programTitle() + QStringLiteral(" [ Keyfi Guruplama ]");
}
QString ruleText() {
    return QStringLiteral(
        "Toplar her bir gurubun kombinasyonlarda yer alabilecek en az ve en çok top sayısına göre elenir ve "
        "koşullara uygun olanları kombinasyon listesi dosyasına kayıtlanır. Guruplama en çok 10 adet "
        "olabilir "
        "ve (6 top tamamlanıncaya kadar) guruplar gurup numara sırasına göre önceliklidir.");
}
std::size_t ix(int i) {
    return static_cast<std::size_t>(i);
}
int16_t toWord(int64_t v) {
    return static_cast<int16_t>(std::clamp<int64_t>(v, INT16_MIN, INT16_MAX));
}

} // namespace

FrmArbitGrp::FrmArbitGrp(AppContext& context, QWidget* parent) : VelmorixWindow(context, parent) {
    setObjectName(QStringLiteral("frmArbitGrp"));
    setWindowTitle(openingCaption());
    buildControls();
    buildMenus();
    selectGroup(1);
    setFixedSize(sizeHint());
    placeCentred(this);
    const auto draw = [this] { drawColumn(); };
    const auto beep = [this] { dialogs().beep(); };
    setKeyCommands({{Qt::Key_F1, draw},
                    {Qt::Key_Return, draw},
                    {Qt::Key_Enter, draw},
                    {Qt::Key_F2, [this] { loadGrouping(); }},
                    {Qt::Key_F3, [this] { saveGrouping(); }},
                    {Qt::Key_F4, [this] { clearActiveGroup(); }},
                    {Qt::Key_F5, [this] { combinate(); }},
                    {Qt::Key_F6, [this] { this->context().windows.open(WindowId::ComLst); }},
                    {Qt::Key_F7, [this] { saveDrawnColumn(); }},
                    {Qt::Key_F8,
                     [this] {
                         if (recordCount(dir(), files::Random) >= 1)
                             this->context().windows.open(WindowId::RndLst);
                     }},
                    {Qt::Key_F9,
                     [this] {
                         dialogs().beep();
                         chkSort->setChecked(!chkSort->isChecked());
                     }},
                    {Qt::Key_F10, [this] { showKeyHelp(); }},
                    {Qt::Key_F11, [this] { showAbout(); }},
                    {Qt::Key_F12, [this] { showBuildInfo(); }},
                    {Qt::Key_Escape, [this] { close(); }},
                    // Moving keys have nothing to move here.
                    {Qt::Key_Space, beep},
                    {Qt::Key_PageDown, beep},
                    {Qt::Key_PageUp, beep},
                    {Qt::Key_Home, beep},
                    {Qt::Key_End, beep},
                    {Qt::Key_Up, beep},
                    {Qt::Key_Down, beep}});
}

int FrmArbitGrp::balls() {
    return std::min(state().game.balls(), static_cast<int>(m_groupOf.size()) - 1);
}

QString FrmArbitGrp::openingCaption() {
    return programTitle() + QStringLiteral("  [ KEYFİ GURUPLAMA ]");
}

QString FrmArbitGrp::finishedCaption() {
    return programTitleLong() + QStringLiteral("  [ KEYFİ GURUPLAMA ]");
}

void FrmArbitGrp::buildControls() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(12, 8, 12, 10);
    layout->setSpacing(8);
    auto* top = new QHBoxLayout;
    top->setSpacing(12);

    auto* ballFrame = new QGroupBox(QStringLiteral("Toplar"), central);
    auto* ballGrid = new QGridLayout(ballFrame);
    ballGrid->setSpacing(3);
    QFont ballFont = font();
    ballFont.setBold(true);
    cmdBall[0] = new QPushButton(QStringLiteral("top"), ballFrame);
    cmdBall[0]->setObjectName(QStringLiteral("cmdBall_0"));
    cmdBall[0]->hide();
    for (int b = 1; b <= balls(); ++b) {
        auto* button = new QPushButton(QString::asprintf("%02d", b), ballFrame);
        button->setObjectName(QStringLiteral("cmdBall_") + QString::number(b));
        button->setFont(ballFont);
        button->setFixedSize(40, 30);
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, [this, b] { addBall(b); });
        ballGrid->addWidget(button, BallGrid::rowOf(b - 1, balls()), BallGrid::columnOf(b - 1, balls()));
        cmdBall[ix(b)] = button;
    }
    top->addWidget(ballFrame, 0, Qt::AlignTop);

    auto* groupFrame = new QGroupBox(QStringLiteral("Guruplar"), central);
    auto* groupGrid = new QGridLayout(groupFrame);
    groupGrid->setHorizontalSpacing(8);
    groupGrid->setVerticalSpacing(4);
    groupGrid->addWidget(new QLabel(QStringLiteral("En Az"), groupFrame), 0, 3, Qt::AlignCenter);
    groupGrid->addWidget(new QLabel(QStringLiteral("En Çok"), groupFrame), 0, 4, Qt::AlignCenter);
    QStringList counts;
    for (int n = 0; n <= 6; ++n)
        counts << QString::number(n);
    for (int i = 0; i < 10; ++i) {
        const QString index = QString::number(i);
        auto* option = new QRadioButton(groupFrame);
        option->setObjectName(QStringLiteral("Option1_") + index);
        option->setFocusPolicy(Qt::NoFocus);
        connect(option, &QRadioButton::clicked, this, [this, i] { selectGroup(i + 1); });
        auto* title = new QLabel(QStringLiteral("Gurup ") + QString::number(i + 1), groupFrame);
        title->setObjectName(QStringLiteral("Label1_") + index);
        auto* balls = new QLabel(groupFrame);
        balls->setObjectName(QStringLiteral("lblWindow_") + index);
        balls->setFixedSize(330, 24);
        balls->setFrameShape(QFrame::Panel);
        balls->setFrameShadow(QFrame::Sunken);
        balls->setAutoFillBackground(true);
        balls->setStyleSheet(QStringLiteral("QLabel { background: #ffffff; color: #10264a; }"));
        balls->setCursor(Qt::PointingHandCursor);
        auto makeCombo = [&](const char* name) {
            auto* combo = new QComboBox(groupFrame);
            combo->setObjectName(QString::fromLatin1(name) + index);
            combo->setEditable(true);
            combo->addItems(counts);
            combo->setCurrentIndex(-1);
            combo->setEditText(QString());
            combo->setFixedWidth(58);
            return combo;
        };
        Option1[ix(i)] = option;
        Label1[ix(i)] = title;
        lblWindow[ix(i)] = balls;
        Combo1[ix(i)] = makeCombo("Combo1_");
        Combo2[ix(i)] = makeCombo("Combo2_");
        groupGrid->addWidget(option, i + 1, 0);
        groupGrid->addWidget(title, i + 1, 1);
        groupGrid->addWidget(balls, i + 1, 2);
        groupGrid->addWidget(Combo1[ix(i)], i + 1, 3);
        groupGrid->addWidget(Combo2[ix(i)], i + 1, 4);
    }
    Shape1 = new QFrame(groupFrame);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setStyleSheet(
        QStringLiteral("QFrame#Shape1 { border: 2px solid #c0392b; background: transparent; }"));
    Shape1->setAttribute(Qt::WA_TransparentForMouseEvents);
    top->addWidget(groupFrame, 1);
    layout->addLayout(top);

    frameDraw = new QGroupBox(QStringLiteral("Kolon"), central);
    frameDraw->setObjectName(QStringLiteral("frameDraw"));
    frameDraw->setToolTip(QStringLiteral("Guruplama koşullarına uygun kolon."));
    auto* drawRow = new QHBoxLayout(frameDraw);
    lblDraw = new QLabel(frameDraw);
    lblDraw->setObjectName(QStringLiteral("lblDraw"));
    QFont drawFont = font();
    drawFont.setPointSize(drawFont.pointSize() + 6);
    drawFont.setBold(true);
    lblDraw->setFont(drawFont);
    lblDraw->setMinimumHeight(34);
    lblDraw->setStyleSheet(QStringLiteral("QLabel { color: #1b3f8b; }"));
    drawRow->addWidget(lblDraw, 1);
    auto* checks = new QVBoxLayout;
    chkKaos = new QCheckBox(QStringLiteral("DİZİMCİ 4 Varsayılan Kaos Filtresini Uygula"), frameDraw);
    chkKaos->setObjectName(QStringLiteral("chkKaos"));
    chkKaos->setToolTip(QStringLiteral("Dizimci çalışırken otomatik filtreleme yaptırır."));
    chkSort = new QCheckBox(QStringLiteral("Sırala"), frameDraw);
    chkSort->setObjectName(QStringLiteral("chkSort"));
    chkSort->setToolTip(QStringLiteral("Sayıları sıraya sokar."));
    checks->addWidget(chkKaos);
    checks->addWidget(chkSort);
    drawRow->addLayout(checks);
    layout->addWidget(frameDraw);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    auto makeButton = [central](const char* name, const QString& caption, const QString& tip) {
        auto* button = new QPushButton(caption, central);
        button->setObjectName(QString::fromLatin1(name));
        button->setToolTip(tip);
        button->setAutoDefault(false);
        button->setMinimumWidth(84);
        return button;
    };
    cmdDraw = makeButton("cmdDraw", QStringLiteral("Kolon"), QStringLiteral("Kolon (Rastgele)"));
    cmdDraw->setDefault(true);
    cmdClear = makeButton("cmdClear", QStringLiteral("Boşalt"), QStringLiteral("Temizle"));
    cmdCombinate = makeButton("cmdCombinate", QStringLiteral("Dizimci"), QString());
    cmdLoad = makeButton("cmdLoad", QStringLiteral("Yükle"), QStringLiteral("Guruplamayı Yükle"));
    cmdSave = makeButton("cmdSave", QStringLiteral("Kayıtla"), QStringLiteral("Guruplamayı Kayıtla"));
    cmdList = makeButton("cmdList", QStringLiteral("Liste"), QStringLiteral("Kombinasyon Listesi"));
    cmdHelp = makeButton("cmdHelp", QStringLiteral("Yardım"), QStringLiteral("Yardım & Bilgi"));
    cmdClose = makeButton("cmdClose", QStringLiteral("Kapat"), QStringLiteral("Çıkış"));
    for (QPushButton* b : {cmdDraw, cmdClear, cmdCombinate, cmdLoad, cmdSave, cmdList, cmdHelp})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    layout->addLayout(buttons);
    connect(cmdDraw, &QPushButton::clicked, this, &FrmArbitGrp::drawColumn);
    connect(cmdClear, &QPushButton::clicked, this, &FrmArbitGrp::clearActiveGroup);
    connect(cmdCombinate, &QPushButton::clicked, this, &FrmArbitGrp::combinate);
    connect(cmdLoad, &QPushButton::clicked, this, &FrmArbitGrp::loadGrouping);
    connect(cmdSave, &QPushButton::clicked, this, &FrmArbitGrp::saveGrouping);
    connect(cmdList, &QPushButton::clicked, this, [this] { context().windows.open(WindowId::ComLst); });
    connect(cmdHelp, &QPushButton::clicked, this, &FrmArbitGrp::showKeyHelp);
    connect(cmdClose, &QPushButton::clicked, this, &FrmArbitGrp::close);
    setCentralWidget(central);
}

void FrmArbitGrp::buildMenus() {
    const MenuBuilder menus(this);
    QMenu* file = menus.menu("mnuFile", QStringLiteral("Dosya"));
    menus.entry(file, "mnuLoad", QStringLiteral("Guruplamayı Yükle"), Qt::Key_F2, &FrmArbitGrp::loadGrouping);
    menus.entry(file, "mnuSave", QStringLiteral("Guruplamayı Kayıtla"), Qt::Key_F3,
                &FrmArbitGrp::saveGrouping);
    file->addSeparator();
    menus.entry(file, "mnuClose", QStringLiteral("Kapat"), QKeySequence(), &FrmArbitGrp::close);

    QMenu* column = menus.menu("mnuColumn", QStringLiteral("Kolon"));
    menus.entry(column, "mnuNewColumn", QStringLiteral("Yeni Kolon"), Qt::Key_F1, &FrmArbitGrp::drawColumn);
    menus.entry(column, "mnuSaveColumn", QStringLiteral("VELMORIX.RND Dosyasına Kayıtla"), Qt::Key_F7,
                &FrmArbitGrp::saveDrawnColumn);
    menus.entry(column, "mnuShowRandom", QStringLiteral("Rastgele Listeyi (VELMORIX.RND Dosyasını) Göster"),
                Qt::Key_F8, [this] {
                    if (recordCount(dir(), files::Random) >= 1)
                        context().windows.open(WindowId::RndLst);
                });

    QMenu* dizimci = menus.menu("mnuDizimci", QStringLiteral("Dizimci"));
    menus.entry(dizimci, "mnuNewList", QStringLiteral("Yeni Kombinasyon Listesi Yap"), QKeySequence(),
                &FrmArbitGrp::newListOnly);
    menus.entry(dizimci, "mnuFilterList", QStringLiteral("Mevcut Listeyi Guruplamaya Göre Ele"),
                QKeySequence(), &FrmArbitGrp::filterOnly);
    menus.entry(dizimci, "mnuShowList", QStringLiteral("Kombinasyon Listesini Göster"), Qt::Key_F6,
                [this] { context().windows.open(WindowId::ComLst); });

    QMenu* help = menus.menu("mnuHelp", QStringLiteral("Yardım"));
    menus.entry(help, "mnuKeys", QStringLiteral("Fonksiyon Tuşları"), Qt::Key_F10, &FrmArbitGrp::showKeyHelp);
    menus.entry(help, "mnuAbout", QStringLiteral("Keyfi Guruplama"), Qt::Key_F11, &FrmArbitGrp::showAbout);
}

bool FrmArbitGrp::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::Move || type == QEvent::Resize)
        for (int i = 0; i < 10; ++i)
            if (watched == lblWindow[ix(i)]) {
                if (type == QEvent::MouseButtonPress)
                    selectGroup(i + 1);
                else if (i + 1 == m_activeGroup)
                    placeShape();
                break;
            }
    return VelmorixWindow::eventFilter(watched, event);
}

void FrmArbitGrp::showEvent(QShowEvent* event) {
    VelmorixWindow::showEvent(event);
    placeShape();
}

void FrmArbitGrp::placeShape() {
    // The frame starts 120 twips (8 pixels) left of the active group's balls.
    const QLabel* label = lblWindow[ix(m_activeGroup - 1)];
    const QComboBox* last = Combo2[ix(m_activeGroup - 1)];
    const QRect r(QPoint(label->x() - 8, label->y() - 4),
                  QPoint(last->geometry().right() + 5, label->y() + label->height() + 3));
    Shape1->setGeometry(r);
    Shape1->raise();
}

void FrmArbitGrp::selectGroup(int group) {
    m_activeGroup = std::clamp(group, 1, 10);
    Option1[ix(m_activeGroup - 1)]->setChecked(true);
    placeShape();
}

void FrmArbitGrp::appendToGroupLabel(int group, int ball) {
    QLabel* label = lblWindow[ix(group - 1)];
    label->setText(label->text() + QStringLiteral(" ") + QString::asprintf("%02d", ball));
    label->setToolTip(label->text());
}

void FrmArbitGrp::addBall(int ball) {
    if (ball < 1 || ball > balls() || !cmdBall[ix(ball)]->isEnabled())
        return;
    appendToGroupLabel(m_activeGroup, ball);
    m_groupOf[ix(ball)] = static_cast<int16_t>(m_activeGroup);
    cmdBall[ix(ball)]->setEnabled(false);
}

void FrmArbitGrp::clearActiveGroup() {
    dialogs().beep();
    const int g = m_activeGroup;
    lblWindow[ix(g - 1)]->clear();
    lblWindow[ix(g - 1)]->setToolTip(QString());
    for (int b = 1; b <= balls(); ++b)
        if (m_groupOf[ix(b)] == g) {
            cmdBall[ix(b)]->setEnabled(true);
            m_groupOf[ix(b)] = 0;
        }
    Combo1[ix(g - 1)]->setEditText(QString());
    Combo2[ix(g - 1)]->setEditText(QString());
}

GroupLimits FrmArbitGrp::readLimits() {
    std::array<int64_t, GroupCount> min{}, max{};
    for (int i = 0; i < GroupCount; ++i) {
        min[ix(i)] = ValWhole(Combo1[ix(i)]->currentText().toStdString());
        max[ix(i)] = ValWhole(Combo2[ix(i)]->currentText().toStdString());
    }
    return normaliseGroupLimits(min, max, m_groupOf, state().game);
}

QString FrmArbitGrp::ballsText(const std::array<int16_t, 6>& balls) const {
    QStringList parts;
    for (int16_t b : balls)
        parts << qtext(Str(b));
    return parts.join(QStringLiteral(" -"));
}

void FrmArbitGrp::drawColumn() {
    const GroupLimits limits = readLimits();
    lblDraw->clear();
    m_drawn.reset();
    auto column = drawGroupedColumn(m_groupOf, limits, context().random, state().game);
    if (!column) {
        dialogs().beep();
        dialogs().show(QStringLiteral("Görünen guruplama koşullarına uygun kombinasyon yok!"), upperTitle(),
                       DialogIcon::Exclamation);
        return;
    }
    if (chkSort->isChecked())
        std::sort(column->begin(), column->end());
    m_drawn = column;
    lblDraw->setText(ballsText(*column));
}

void FrmArbitGrp::saveDrawnColumn() {
    if (!m_drawn || !isValidColumn(*m_drawn))
        return;
    guarded([this] {
        const int32_t n = recordCount(dir(), files::Random);
        if (n >= RandomListLimit) {
            dialogs().beep();
            return;
        }
        {
            BusyCursor busy;
            ColumnRecord record;
            record.Ball = *m_drawn;
            std::sort(record.Ball.begin(), record.Ball.end());
            appendRecord(dir(), files::Random, record);
        }
        dialogs().beep();
        dialogs().show(QStringLiteral("Aktif kolon/kombinasyon VELMORIX.RND dosyasına kayıtlandı.\r\rKayıt "
                                      "Numarası=") +
                           qtext(Str(n + 1)),
                       upperTitle(), DialogIcon::None);
    });
}

void FrmArbitGrp::combinate() {
    dialogs().beep();
    runCombinate(Ask::Both);
}

void FrmArbitGrp::newListOnly() {
    runCombinate(Ask::NewOnly);
}

void FrmArbitGrp::filterOnly() {
    runCombinate(Ask::FilterOnly);
}

void FrmArbitGrp::runCombinate(Ask ask) {
    std::array<int16_t, 6> six{};
    int grouped = 0;
    for (int b = 1; b <= balls() && grouped < 7; ++b)
        if (m_groupOf[ix(b)] != 0) {
            if (grouped < 6)
                six[ix(grouped)] = static_cast<int16_t>(b);
            ++grouped;
        }
    // F7 saves the column the player sees, so the shown column and the saved
    // one change together.
    if (grouped < 6) {
        lblDraw->clear();
        m_drawn.reset();
        return;
    }
    if (grouped == 6) {
        lblDraw->setText(ballsText(six));
        m_drawn = six;
        return;
    }
    const QString title = questionTitle();
    const bool listExists = dir().exists(files::List);
    if (!listExists) {
        if (ask == Ask::FilterOnly)
            return;
        if (dialogs().askYesNo(
                QStringLiteral("Görünen guruplamaya uyan yeni kombinasyon listesi oluşturmak ve "
                               "VELMORIX.LST dosyasına kayıtlamak istiyormusunuz?"),
                title))
            buildList();
        return;
    }
    if (ask != Ask::FilterOnly) {
        if (dialogs().askYesNo(QStringLiteral("Mevcut kombinasyon listesini (VELMORIX.LST) görünen "
                                              "guruplamaya uygun yeni liste ile değiştirmek istiyormusunuz?"),
                               title)) {
            buildList();
            return;
        }
        if (ask == Ask::NewOnly)
            return;
    }
    if (recordCount(dir(), files::List) < 1)
        return;
    if (ask == Ask::Both)
        dialogs().beep();
    if (dialogs().askYesNo(
            QStringLiteral("Mevcut kombinasyon listesini görünen guruplamaya göre elemek istiyormusunuz?"),
            title))
        filterList();
}

void FrmArbitGrp::buildList() {
    const GroupingTest test(m_groupOf, readLimits(), chkKaos->isChecked(), state().game);
    GroupingRun run;
    bool done = false;
    {
        BusyCursor busy;
        done = guarded([&] {
            if (dir().exists(files::List))
                copyFileSafe(dir(), files::List, files::OldList);
            run = buildGroupedList(dir(), test, [this](int32_t written, int32_t total) {
                showProgressTitle(QStringLiteral("Kayıt: ") + qtext(Str(written)) +
                                  QStringLiteral("  Kombinasyon:") + qtext(Str(total)));
            });
        });
    }
    if (done) {
        dialogs().beep();
        dialogs().show(QStringLiteral("Toplam") + qtext(Str(run.total)) +
                           QStringLiteral(" kombinasyon içinden guruplama koşullarına uygun olan") +
                           qtext(Str(run.written)) +
                           QStringLiteral(" adet kombinasyon VELMORIX.LST dosyasına kayıtlandı."),
                       upperTitle(), DialogIcon::None);
    }
    setWindowTitle(finishedCaption());
}

void FrmArbitGrp::filterList() {
    const GroupingTest test(m_groupOf, readLimits(), chkKaos->isChecked(), state().game);
    GroupingRun run;
    bool done = false;
    {
        BusyCursor busy;
        GroupingFilterProgress progress;
        progress.judging = [this](int32_t record, int32_t passed) {
            showProgressTitle(QStringLiteral("Kayıt: ") + qtext(Str(record)) + QStringLiteral("  Uygun:") +
                              qtext(Str(passed)));
        };
        bool writingShown = false;
        progress.writing = [&](int32_t written, int32_t passed) {
            if (!writingShown) {
                showProgressTitle(QStringLiteral("Kombinasyonlar kayıtlanıyor..."), true);
                writingShown = true;
            }
            showProgressTitle(QStringLiteral("Kayıtlanan=") + qtext(Str(written)) +
                              QStringLiteral(" [ Toplam=") + qtext(Str(passed)) + QStringLiteral(" ]"));
        };
        done = guarded([&] { run = filterListByGrouping(dir(), test, progress); });
    }
    if (done) {
        dialogs().beep();
        dialogs().show(
            qtext(Str(run.written)) + QStringLiteral(" kombinasyon 'VELMORIX.LST' dosyasına kayıtlandı."),
            QLatin1Char(' ') + programTitle() + QStringLiteral(" [Keyfi Guruplama]"), DialogIcon::None);
    }
    setWindowTitle(finishedCaption());
}

GroupingConfig FrmArbitGrp::currentConfig() const {
    GroupingConfig cfg;
    cfg.GroupOf = m_groupOf;
    for (int i = 0; i < GroupCount; ++i) {
        cfg.GroupMin[ix(i)] = toWord(ValWhole(Combo1[ix(i)]->currentText().toStdString()));
        cfg.GroupMax[ix(i)] = toWord(ValWhole(Combo2[ix(i)]->currentText().toStdString()));
    }
    return cfg;
}

void FrmArbitGrp::saveGrouping() {
    dialogs().beep();
    if (!dialogs().askYesNo(QStringLiteral("Görünen gurupları ve gurup koşullarını GRUPLAR.CFG dosyasına "
                                           "kayıtlamak istiyormusunuz?"),
                            groupingTitle()))
        return;
    const GroupingConfig cfg = currentConfig();
    if (!guarded([&] { saveGroupingConfig(dir(), cfg, state().game); }))
        return;
    dialogs().beep();
    dialogs().show(QStringLiteral("Görünen koşullar/guruplama GRUPLAR.CFG dosyasına kayıtlandı."),
                   groupingTitle(), DialogIcon::None);
}

void FrmArbitGrp::loadGrouping() {
    dialogs().beep();
    if (!groupingFilePresent(dir(), state().game))
        return;
    if (!dialogs().askYesNo(
            QStringLiteral("Gurupları ve gurup koşullarını GRUPLAR.CFG dosyasından yüklemek istiyormusunuz?"),
            groupingTitle()))
        return;
    std::optional<GroupingConfig> cfg;
    if (!guarded([&] { cfg = loadGroupingConfig(dir(), state().game); }) || !cfg)
        return;
    dialogs().beep();
    showGrouping(*cfg);
}

void FrmArbitGrp::showGrouping(const GroupingConfig& cfg) {
    m_groupOf = cfg.GroupOf;
    for (int i = 0; i < GroupCount; ++i) {
        Combo1[ix(i)]->setEditText(qtext(Str(cfg.GroupMin[ix(i)])));
        Combo2[ix(i)]->setEditText(qtext(Str(cfg.GroupMax[ix(i)])));
        lblWindow[ix(i)]->clear();
        lblWindow[ix(i)]->setToolTip(QString());
    }
    for (int b = 1; b <= balls(); ++b)
        cmdBall[ix(b)]->setEnabled(true);
    for (int g = 1; g <= GroupCount; ++g)
        for (int b = 1; b <= balls(); ++b)
            if (m_groupOf[ix(b)] == g) {
                appendToGroupLabel(g, b);
                cmdBall[ix(b)]->setEnabled(false);
            }
}

void FrmArbitGrp::showKeyHelp() {
    const QStringList lines{
        QStringLiteral("F1= Kolon/Kombinasyon"),
        QStringLiteral("F2= Gurup Koşullarını Yükle"),
        QStringLiteral("F3= Gurup Koşullarını Kayıtla"),
        QStringLiteral("F4= Aktif Gurup Penceresini Boşalt"),
        QString(),
        QStringLiteral("F5= Yeni Kombinasyon Listesi Yap"),
        QStringLiteral("F6= Kombinasyon Listesini Göster"),
        QStringLiteral("F7= Kolonu VELMORIX.RND Dosyasına Kayıtla"),
        QStringLiteral("F8= Rastgele Kolon Listesini (VELMORIX.RND) Göster"),
        QString(),
        QStringLiteral("F9= Numara Sırası ETKİN/DEĞİL"),
        QString(),
        QStringLiteral("F10= Fonksiyon Tuşları (Yardım)"),
        QStringLiteral("F11= Keyfi Guruplama Hakkında"),
        QString(),
        QStringLiteral("ESC= Kapat/Çıkış"),
    };
    dialogs().show(lines.join(QLatin1Char('\r')), QStringLiteral(" FONKSİYON TUŞLARI"), DialogIcon::None);
}

void FrmArbitGrp::showAbout() {
    dialogs().beep();
    dialogs().show(QStringLiteral("Keyfi Guruplama İlkesi:\r\r") + ruleText() + QStringLiteral("\r\r") +
                       programTitle(),
                   QStringLiteral(" Keyfi Guruplama Hakkında"), DialogIcon::None);
}

void FrmArbitGrp::showBuildInfo() {
    dialogs().beep();
    dialogs().show(programTitle() + QStringLiteral("\rKeyfi Guruplama\r\rSürüm 4.5 - Derleme 2005.07.10"),
                   programTitle(), DialogIcon::Information);
}

} // namespace velmorix
