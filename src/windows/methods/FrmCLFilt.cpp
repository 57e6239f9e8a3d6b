#include "FrmCLFilt.h"

#include "MethodParts.h"

#include "analysis/QuantumListFilter.h"
#include "core/AppState.h"
#include "core/ColumnFile.h"
#include "platform/Dialogs.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace velmorix {

using namespace methods;

namespace {

constexpr int64_t Most = 32767;

QString newListCaption() {
    return QStringLiteral("Rastgele Kombinasyon Listesi");
}
QString eliminationCaption() {
    return QStringLiteral("Kombinasyon Listesi Elemesi");
}
QString doneTitle() {
    return QLatin1Char(' ') + programTitle() + QStringLiteral("  [ KUANTUM ]");
}

} // namespace

FrmCLFilt::FrmCLFilt(AppContext& context, QWidget* parent) : VelmorixWindow(context, parent) {
    setObjectName(QStringLiteral("frmCLFilt"));
    setWindowTitle(newListCaption());
    setKeyCommands({{Qt::Key_Escape, [this] { close(); }}});
    auto* central = new QWidget(this);
    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(14, 12, 14, 12);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(6);
    Option1 = new QRadioButton(QStringLiteral("Yeni Liste"), central);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option1->setChecked(true);
    Option2 = new QRadioButton(QStringLiteral("Mevcut Listeyi Ele"), central);
    Option2->setObjectName(QStringLiteral("Option2"));
    grid->addWidget(Option1, 0, 0);
    grid->addWidget(Option2, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Kolon Sayısı:"), central), 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("En Çok Deneme:"), central), 1, 1);
    Text1 = new QLineEdit(QStringLiteral("32767"), central);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setToolTip(QStringLiteral("Oluşturulacak rastgele 22'lik küme sayısı."));
    Text2 = new QLineEdit(QStringLiteral("32767"), central);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setToolTip(QStringLiteral("Rastgele küme oluşturmak için en çok deneme sayısı."));
    m_boxWidth = 90;
    for (QLineEdit* box : {Text1, Text2})
        box->setFixedWidth(m_boxWidth);
    grid->addWidget(Text1, 2, 0, Qt::AlignLeft);
    grid->addWidget(Text2, 2, 1, Qt::AlignLeft);
    Command1 = new QPushButton(QStringLiteral("Uygula"), central);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(QStringLiteral("Kapat"), central);
    Command2->setObjectName(QStringLiteral("Command2"));
    grid->addWidget(Command1, 3, 0);
    grid->addWidget(Command2, 3, 1);
    connect(Option1, &QRadioButton::clicked, this, &FrmCLFilt::chooseNewList);
    connect(Option2, &QRadioButton::clicked, this, &FrmCLFilt::chooseEliminate);
    connect(Command1, &QPushButton::clicked, this, &FrmCLFilt::apply);
    connect(Command2, &QPushButton::clicked, this, &FrmCLFilt::close);
    setCentralWidget(central);
    setFixedSize(sizeHint().expandedTo(QSize(340, 0)));
    placeCentred(this);
    m_listCount = recordCount(dir(), files::List);
}

void FrmCLFilt::onActivated() {
    if (returningFromModal())
        return;
    m_listCount = recordCount(dir(), files::List);
    if (m_listCount < 1) {
        Option2->setEnabled(false);
        if (Option2->isChecked())
            chooseNewList();
        return;
    }
    Option2->setEnabled(true);
    Text1->setText(qtext(digits(m_listCount)));
    chooseEliminate();
}

void FrmCLFilt::chooseNewList() {
    Option1->setChecked(true);
    setWindowTitle(newListCaption());
    for (QLineEdit* box : {Text1, Text2}) {
        box->clear();
        box->setFixedWidth(m_boxWidth);
        box->setEnabled(true);
        const int64_t v = boxNumber(box);
        if (v == 0 || v > Most)
            box->setText(QStringLiteral("32767"));
    }
}

void FrmCLFilt::chooseEliminate() {
    Option2->setChecked(true);
    setWindowTitle(eliminationCaption());
    for (QLineEdit* box : {Text1, Text2}) {
        box->setText(QStringLiteral(" ") + qtext(Str(m_listCount)));
        box->setFixedWidth(std::max(m_boxWidth, box->fontMetrics().horizontalAdvance(box->text()) + 16));
        box->setEnabled(false);
    }
}

void FrmCLFilt::apply() {
    if (Option2->isChecked()) {
        runElimination();
        return;
    }
    const int64_t target = boxNumber(Text1);
    if (target < 1 || target > Most) {
        dialogs().show(QStringLiteral("En az 1 ve en çok 32767 kolon kayıtlayabilirsiniz!"), warningTitle(),
                       DialogIcon::Exclamation);
        Text1->setFocus();
        return;
    }
    const int64_t tries = boxNumber(Text2);
    if (tries < 1 || tries > Most) {
        dialogs().show(
            QStringLiteral("En az 1 ve en çok 32767 rastgele kolon oluşturma denemesi yapılabilir!"),
            warningTitle(), DialogIcon::Exclamation);
        Text2->setFocus();
        return;
    }
    runRandomList(static_cast<int32_t>(target), static_cast<int32_t>(tries));
}

void FrmCLFilt::runRandomList(int32_t target, int32_t tries) {
    // The limits as the quantum window last left them.
    const QuantumSettings settings = state().Quantum;
    QuantumRandomRun run;
    bool done = false;
    {
        BusyCursor busy;
        done = guarded([&] {
            run = buildRandomQuantumList(
                dir(), settings, target, tries, context().random,
                [this](int32_t written, int32_t tried) {
                    showProgressTitle(QStringLiteral("KOLON=") + qtext(Str(written + 1)) +
                                      QStringLiteral("   DENEME=") + qtext(Str(tried + 1)));
                },
                state().game);
        });
    }
    setWindowTitle(newListCaption());
    if (!done)
        return;
    dialogs().beep();
    dialogs().show(qtext(Str(run.written)) + QStringLiteral(" adet uygun kolon,") + qtext(Str(run.tries)) +
                       QStringLiteral(" denemede kayıtlandı!"),
                   doneTitle(), DialogIcon::None);
}

void FrmCLFilt::runElimination() {
    // The list may have gone since this dialog counted it.
    if (!dir().exists(files::List)) {
        dialogs().beep();
        dialogs().show(missingListText(), missingListTitle(), DialogIcon::Exclamation);
        return;
    }
    const QuantumSettings settings = state().Quantum;
    int32_t written = 0;
    bool done = false;
    {
        BusyCursor busy;
        done = guarded([&] {
            written = eliminateByQuantum(
                dir(), settings,
                [this](int32_t record, int32_t kept) {
                    showProgressTitle(QStringLiteral("ESKİ=") + qtext(Str(record)) +
                                      QStringLiteral("   KOLON=") + qtext(Str(kept + 1)));
                },
                state().game);
        });
    }
    setWindowTitle(eliminationCaption());
    if (!done)
        return;
    dialogs().show(qtext(Str(written)) +
                       QStringLiteral(" adet uygun kolon, 'VELMORIX.LST' dosyasına kayıtlandı!"),
                   doneTitle(), DialogIcon::None);
}

} // namespace velmorix
