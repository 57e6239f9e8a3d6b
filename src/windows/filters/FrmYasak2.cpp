#include "FrmYasak2.h"

#include "core/ColumnFile.h"
#include "core/Numbers.h"
#include "engine/PairsFile.h"
#include "platform/Dialogs.h"
#include "windows/common/BallGrid.h"
#include "windows/common/Text.h"
#include "windows/common/WindowParts.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include <algorithm>

namespace velmorix {

namespace {

QString spacedTitle() {
    return QLatin1Char(' ') + programTitle();
}

QString helpText(int balls) {
    return QStringList{
        QStringLiteral("F1 = Yasak ikilileri dosyadan yükle"),
        QStringLiteral("F2 = Yasak ikilileri dosyaya kayıtla"),
        QStringLiteral("F3 = Yasak ikilileri reset yap (boşalt)"),
        QStringLiteral("F4 = Yasak ikililer dosyasını sil"),
        QString(),
        QStringLiteral("F10 = Komut Yardımı"),
        QString(),
        QStringLiteral("HOME = 1 numaralı topun yasak ikincileri"),
        QStringLiteral("PAGEUP = Önceki topun yasak ikincileri"),
        QStringLiteral("PAGEDOWN = Sonraki topun yasak ikincileri"),
        QStringLiteral("END = ") + QString::number(balls) +
            QStringLiteral(" numaralı topun yasak ikincileri"),
        QString(),
        QStringLiteral("ESC = Kapat"),
    }
        .join(QLatin1Char('\r'));
}

} // namespace

FrmYasak2::FrmYasak2(AppContext& context, QWidget* parent) : VelmorixWindow(context, parent) {
    setObjectName(QStringLiteral("frmYasak2"));
    setWindowTitle(QStringLiteral("YASAK İKİLİLER"));
    buildControls();
    setFixedSize(sizeHint());
    placeCentred(this);
    guarded([this] {
        // A file longer than every possible pair cannot be a pair list.
        if (pairRecordCount(dir()) > state().game.pairs())
            dir().remove(files::Pairs);
        else
            readFile();
    });
    showBall(1);
    setKeyCommands({{Qt::Key_PageUp, [this] { previousBall(); }},
                    {Qt::Key_PageDown, [this] { nextBall(); }},
                    {Qt::Key_Home, [this] { showBall(1); }},
                    {Qt::Key_End, [this] { showBall(m_grid->balls()); }},
                    {Qt::Key_F1, [this] { load(); }},
                    {Qt::Key_F2, [this] { save(); }},
                    {Qt::Key_F3, [this] { clearPairs(); }},
                    {Qt::Key_F4, [this] { deleteFile(); }},
                    {Qt::Key_F10, [this] { showHelp(); }},
                    {Qt::Key_Escape, [this] { close(); }}},
                   true);
}

void FrmYasak2::buildControls() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(12, 8, 12, 10);
    layout->setSpacing(8);

    const BallWindowHeader header = addBallWindowHeader(central, layout, QStringLiteral("[ 1 ]"));
    Label1 = header.title;
    Label2 = header.help;

    m_grid = new BallGrid(central, state().game.balls());
    m_grid->keepCellsWhenHidden(); // the grid does not shift from ball to ball
    connect(m_grid, &BallGrid::toggled, this, &FrmYasak2::boxToggled);
    layout->addWidget(m_grid);

    addButtonRow(central, layout,
                 {{"Command1", QStringLiteral("Önceki"), [this] { previousBall(); }},
                  {"Command3", QStringLiteral("Sonraki"), [this] { nextBall(); }},
                  {"Command4", QStringLiteral("Kayıtla"), [this] { save(); }},
                  {"Command2", QStringLiteral("Kapat"), [this] { close(); }}});

    setCentralWidget(central);
}

void FrmYasak2::onActivated() {
    // Back from its own question box the window keeps its caption (the save
    // reports itself there).
    if (returningFromModal())
        return;
    showBall(m_current);
}

bool FrmYasak2::readFile() {
    PairTable stored;
    if (!loadEveryPair(dir(), stored, state().game))
        return false;
    m_pairs.clear();
    // Both orientations: a record written the other way round (b, a) by hand
    // is the same pair and must not be lost on the next save.
    const int n = m_grid->balls();
    for (int a = 1; a <= n; ++a)
        for (int b = 1; b <= n; ++b)
            if (a != b && stored(a, b) > 0)
                m_pairs(a, b) = -1;
    return true;
}

void FrmYasak2::showBall(int ball) {
    m_current = std::clamp(ball, 1, m_grid->balls());
    const int k = m_current;
    Label1->setText(QStringLiteral("[") + qnumber(k) + QStringLiteral(" ]"));
    setWindowTitle(qnumber(k) + QStringLiteral(" ile yanyana gelmesi yasak olan toplar."));
    for (int i = 1; i <= m_grid->balls(); ++i) {
        QCheckBox* b = box(i);
        b->setVisible(i != k);
        if (i == k)
            continue;
        const bool forbidden = isForbidden(i, k);
        // Showing a ball makes its pairs symmetric, as ticking them would.
        m_pairs(i, k) = m_pairs(k, i) = forbidden ? -1 : 0;
        const QSignalBlocker blocker(b);
        b->setChecked(forbidden);
        colourByTick(b);
    }
}

void FrmYasak2::boxToggled(int ball, bool ticked) {
    if (ball != m_current)
        m_pairs(ball, m_current) = m_pairs(m_current, ball) = ticked ? -1 : 0;
}

QCheckBox* FrmYasak2::box(int ball) const {
    return m_grid->box(ball);
}

void FrmYasak2::previousBall() {
    showBall(m_current - 1);
}

void FrmYasak2::nextBall() {
    showBall(m_current + 1);
}

void FrmYasak2::load() {
    dialogs().beep();
    if (dir().fileSize(files::Pairs) < 2) {
        dialogs().beep();
        return;
    }
    // A file without a single pair in it is no pair list: the ticks stay.
    bool read = false;
    if (guarded([&] { read = readFile(); }) && !read)
        dialogs().beep();
    showBall(m_current);
}

void FrmYasak2::save() {
    if (!dialogs().askYesNo(
            QStringLiteral("Yasak ikilileri 'VELMORIX.YS2' dosyasına kayıtlamak istiyormusunuz ?"),
            spacedTitle()))
        return;
    dialogs().beep();
    PairTable counts;
    const int n = m_grid->balls();
    for (int a = 1; a < n; ++a)
        for (int b = a + 1; b <= n; ++b)
            if (isForbidden(a, b))
                counts(a, b) = counts(b, a) = 1;
    if (!guarded([&] { writePairsFromCounts(dir(), counts, 1, false, state().game); }))
        return;
    setWindowTitle(QStringLiteral("Yasak İkililer 'VELMORIX.YS2' dosyasına kayıtlandı..."));
}

void FrmYasak2::clearPairs() {
    m_pairs.clear();
    showBall(m_current);
}

void FrmYasak2::deleteFile() {
    dialogs().beep();
    if (!dialogs().askYesNo(QStringLiteral("'VELMORIX.YS2' dosyasını silmek istiyormusunuz ?"),
                            programTitle()))
        return;
    if (!guarded([this] { dir().remove(files::Pairs); }))
        return;
    dialogs().beep();
    dialogs().show(QStringLiteral("'VELMORIX.YS2' dosyası silindi..."), spacedTitle(), DialogIcon::None);
}

void FrmYasak2::showHelp() {
    dialogs().beep();
    dialogs().show(helpText(m_grid->balls()), spacedTitle(), DialogIcon::None);
}

} // namespace velmorix
