#include "FrmRnd.h"

#include "analysis/RandomColumnList.h"
#include "core/AppState.h"
#include "core/Clock.h"
#include "core/ColumnFile.h"
#include "core/Numbers.h"
#include "core/Random.h"
#include "platform/Dialogs.h"
#include "windows/common/Text.h"
#include "windows/common/WindowRegistry.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace velmorix {

namespace {
QString caption(const Game& game) {
    return qtext(game.tag()) + QStringLiteral(" Rastgele Kolon Listesi");
}
QString versionTitle() {
    return QLatin1Char(' ') + programTitleLong();
}
QString number(int64_t n) {
    return qtext(digits(n));
}
} // namespace

FrmRnd::FrmRnd(AppContext& context, QWidget* parent) : VelmorixWindow(context, parent) {
    setObjectName(QStringLiteral("frmRnd"));
    setWindowTitle(caption(state().game));
    auto* central = new QWidget(this);
    auto* grid = new QGridLayout(central);
    Label1 = new QLabel(QStringLiteral("Kolon Sayısı:"), central);
    Text1 = new QLineEdit(QStringLiteral("32767"), central);
    Text1->setToolTip(QStringLiteral("Rastgele küme oluşturmak için en çok deneme sayısı."));
    Option1 = new QRadioButton(QStringLiteral("Yeni Liste"), central);
    Option2 = new QRadioButton(QStringLiteral("Mevcut Listeye Ekle"), central);
    Option1->setChecked(true);
    Command1 = new QPushButton(QStringLiteral("Oluştur"), central);
    Command2 = new QPushButton(QStringLiteral("Kapat"), central);
    Label1->setObjectName(QStringLiteral("Label1"));
    Text1->setObjectName(QStringLiteral("Text1"));
    Option1->setObjectName(QStringLiteral("Option1"));
    Option2->setObjectName(QStringLiteral("Option2"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2->setObjectName(QStringLiteral("Command2"));
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Text1, 0, 1);
    grid->addWidget(Option1, 1, 0, 1, 2);
    grid->addWidget(Option2, 2, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    grid->addLayout(buttons, 3, 0, 1, 2);
    setCentralWidget(central);
    setMinimumWidth(320); // room for the caption

    connect(Option1, &QRadioButton::clicked, this, &FrmRnd::chooseNewList);
    connect(Option2, &QRadioButton::clicked, this, &FrmRnd::chooseAppend);
    connect(Command1, &QPushButton::clicked, this, &FrmRnd::generate);
    connect(Command2, &QPushButton::clicked, this, &QWidget::close);

    guarded([&] { m_existingCount = recordCount(dir(), files::Random); });
    setKeyCommands(
        {{Qt::Key_Escape, [this] { close(); }},
         {Qt::Key_F1, [this] { generate(); }},
         {Qt::Key_F10, [this] { showKeysBox(QStringLiteral("F1= Oluştur\r\rESC= İptal/Kapat")); }}});
}

void FrmRnd::onActivated() {
    if (returningFromModal())
        return;
    if (m_existingCount >= 1 && m_existingCount < RandomListLimit) {
        Option2->setEnabled(true);
        Text1->setText(number(RandomListLimit - m_existingCount));
        Option2->setChecked(true);
    } else {
        Option2->setEnabled(false);
    }
}

void FrmRnd::chooseNewList() {
    if (m_existingCount > 0)
        Text1->setText(number(m_existingCount));
    else if (ValWhole(Text1->text().toStdString()) < 8)
        Text1->setText(QStringLiteral("32767"));
}

void FrmRnd::chooseAppend() {
    Text1->setText(number(RandomListLimit - m_existingCount));
}

void FrmRnd::refuse(const QString& message) {
    dialogs().beep();
    if (!message.isEmpty())
        dialogs().show(message, warningTitle(), DialogIcon::Exclamation);
    Text1->setFocus();
}

bool FrmRnd::canDraw() {
    // Bag and bankers that cannot give six distinct balls would give broken columns.
    if (canDrawColumn(state()))
        return true;
    refuse(QStringLiteral("En az 6 top seçmeniz gerekir !"));
    return false;
}

void FrmRnd::generate() {
    // VELMORIX.RND may have changed since the window opened (another window
    // appends to it or thins it); the limit holds for the file as it is now.
    if (!guarded([&] { m_existingCount = recordCount(dir(), files::Random); }))
        return;
    const int64_t wanted = ValWhole(Text1->text().toStdString());
    AppState& s = state();
    if (Option2->isChecked()) {
        // Compared this way round so that a huge typed count cannot overflow.
        if (wanted > int64_t{RandomListLimit} - m_existingCount) {
            refuse(QStringLiteral("En çok") + qtext(Str(RandomListLimit - m_existingCount)) +
                   QStringLiteral(" kolon ekleyebilirsiniz!"));
            return;
        }
        if (wanted < 1) {
            refuse(QString());
            return;
        }
        if (!canDraw())
            return;
        context().random.seed(context().clock.seed());
        BusyCursor busy;
        const auto count = static_cast<int32_t>(wanted);
        const bool done = guarded([&] {
            appendRandomList(
                dir(), s.BagBalls, s.BankoBalls, context().random, count,
                [&](int32_t record, int32_t added) {
                    showProgressTitle(QStringLiteral("KOLON=") + qtext(Str(record)) + QStringLiteral("  [") +
                                      number(added) + QStringLiteral("]"));
                },
                s.game);
        });
        if (done)
            finish(qtext(Str(count)) + QStringLiteral(" kolon 'VELMORIX.RND' dosyasına eklendi."));
        else
            setWindowTitle(caption(state().game));
        return;
    }

    if (wanted < 1 || wanted > RandomListLimit) {
        refuse(QStringLiteral("En az 1 ve en çok 32767 kolon kayıtlayabilirsiniz!"));
        return;
    }
    if (!canDraw())
        return;
    if (m_existingCount > 0 &&
        !dialogs().askYesNo(
            QStringLiteral("Mevcut rastgele kolon listesini yenisi ile değiştirmek istiyormusunuz?"),
            versionTitle()))
        return;
    context().random.seed(context().clock.seed());
    BusyCursor busy;
    const auto count = static_cast<int32_t>(wanted);
    const bool done = guarded([&] {
        writeNewRandomList(
            dir(), s.BagBalls, s.BankoBalls, context().random, count,
            [&](int32_t record) { showProgressTitle(QStringLiteral("KOLON=") + qtext(Str(record))); },
            s.game);
    });
    if (done)
        finish(qtext(Str(count)) + QStringLiteral(" kolon 'VELMORIX.RND' dosyasına kayıtlandı."));
    else
        setWindowTitle(caption(state().game));
}

void FrmRnd::finish(const QString& message) {
    dialogs().beep();
    dialogs().show(message, versionTitle(), DialogIcon::None);
    setWindowTitle(caption(state().game));
    context().windows.open(WindowId::RndLst);
    close();
}

} // namespace velmorix
