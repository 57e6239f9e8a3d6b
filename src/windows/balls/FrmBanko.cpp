#include "FrmBanko.h"

#include "BallWindowTexts.h"

#include "core/AppState.h"
#include "core/BallsFile.h"
#include "core/ColumnFile.h"
#include "core/Numbers.h"
#include "platform/Dialogs.h"
#include "windows/common/ResultsRequest.h"
#include "windows/common/WindowParts.h"
#include "windows/common/WindowRegistry.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace velmorix {

FrmBanko::FrmBanko(AppContext& context, QWidget* parent) : BallChoiceWindow(context, parent) {
    setObjectName(QStringLiteral("frmBanko"));
    setWindowTitle(QStringLiteral("Banko"));
    buildControls();
    buildMenus();
    setFixedWidth(sizeHint().width());
    countClicked(0);
    // Beside the main window, its six balls in sight.
    placeBeside(this, context.windows.find(WindowId::Loto));
    std::vector<KeyCommand> keys{{Qt::Key_Escape, [this] { close(); }},
                                 {Qt::Key_F1, [this] { apply(); }},
                                 {Qt::Key_F2, [this] { load(); }},
                                 {Qt::Key_F3, [this] { save(); }},
                                 {Qt::Key_F10, [this] { showFunctionKeys(); }},
                                 {Qt::Key_F11, [this] { showWhatIs(); }},
                                 {Qt::Key_F12, [this] { showAdvice(); }}};
    // F4..F9 choose the number of bankers.
    for (int option = 0; option < 6; ++option)
        keys.push_back({Qt::Key_F4 + option, [this, option] { selectCount(option); }});
    setKeyCommands(std::move(keys), true);
}

int FrmBanko::heightTwips(int count) {
    if (count <= 2)
        return 2800;
    if (count == 3)
        return 3650;
    if (count == 4)
        return 4475;
    return 5300;
}

void FrmBanko::buildControls() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(12, 8, 12, 8);
    layout->setSpacing(8);

    auto* countRow = new QHBoxLayout;
    countRow->setSpacing(10);
    Label1 = new QLabel(QStringLiteral("Banko Top Sayısı:"), central);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    countRow->addWidget(Label1);
    auto* group = new QButtonGroup(this);
    for (int k = 1; k <= 6; ++k) {
        auto* option = new QRadioButton(QString::number(k - 1), central);
        option->setObjectName(QStringLiteral("Option") + QString::number(k));
        group->addButton(option, k);
        countRow->addWidget(option);
        m_options[static_cast<std::size_t>(k - 1)] = option;
        connect(option, &QRadioButton::clicked, this, [this, k] { countClicked(k - 1); });
    }
    Option1 = m_options[0];
    Option2 = m_options[1];
    Option3 = m_options[2];
    Option4 = m_options[3];
    Option5 = m_options[4];
    Option6 = m_options[5];
    countRow->addStretch(1);
    layout->addLayout(countRow);

    auto* body = new QHBoxLayout;
    body->setSpacing(24);
    auto* entries = new QGridLayout;
    entries->setHorizontalSpacing(8);
    entries->setVerticalSpacing(6);
    for (int i = 0; i < 5; ++i) {
        auto* label =
            new QLabel(QStringLiteral("Banko ") + QString::number(i + 1) + QStringLiteral(" ="), central);
        label->setObjectName(QStringLiteral("Label2_") + QString::number(i));
        // Each box adds a row's worth of window height (about 825 twips), so
        // the rows are spread to fill it.
        label->setFixedHeight(48);
        auto* edit = new QLineEdit(central);
        edit->setObjectName(QStringLiteral("Text1_") + QString::number(i));
        edit->setFixedWidth(56);
        edit->setAlignment(Qt::AlignCenter);
        edit->setFont(bold);
        entries->addWidget(label, i, 0);
        entries->addWidget(edit, i, 1);
        Label2[static_cast<std::size_t>(i)] = label;
        Text1[static_cast<std::size_t>(i)] = edit;
        connect(edit, &QLineEdit::textChanged, this, [this, i] { entryChanged(i); });
        connect(edit, &QLineEdit::returnPressed, this, [this, i] { entryReturn(i); });
    }
    auto* left = new QVBoxLayout;
    left->addLayout(entries);
    left->addStretch(1);
    body->addLayout(left);
    body->addStretch(1);

    auto* buttons = new QGridLayout;
    buttons->setSpacing(6);
    auto makeButton = [central](const char* name, const QString& caption) {
        auto* button = new QPushButton(caption, central);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);
        button->setMinimumWidth(86);
        return button;
    };
    Command1 = makeButton("Command1", QStringLiteral("Uygula"));
    Command2 = makeButton("Command2", QStringLiteral("Kapat"));
    Command3 = makeButton("Command3", QStringLiteral("Yükle"));
    Command4 = makeButton("Command4", QStringLiteral("Kayıtla"));
    buttons->addWidget(Command1, 0, 0);
    buttons->addWidget(Command2, 0, 1);
    buttons->addWidget(Command3, 1, 0);
    buttons->addWidget(Command4, 1, 1);
    auto* right = new QVBoxLayout;
    right->addLayout(buttons);
    right->addStretch(1);
    body->addLayout(right);
    layout->addLayout(body, 1);
    connect(Command1, &QPushButton::clicked, this, &FrmBanko::apply);
    connect(Command2, &QPushButton::clicked, this, &FrmBanko::close);
    connect(Command3, &QPushButton::clicked, this, &FrmBanko::load);
    connect(Command4, &QPushButton::clicked, this, &FrmBanko::save);

    awaitResultsWith([this] { display(); });

    setCentralWidget(central);
}

void FrmBanko::buildMenus() {
    const MenuBuilder menus(this);

    QMenu* choice = menus.menu("mnuSecim", QStringLiteral("Seçim"));
    menus.entry(choice, "mnuUygula", QStringLiteral("Seçimi Uygula"), Qt::Key_F1, &FrmBanko::apply);
    menus.entry(choice, "mnuSil", QStringLiteral("Seçimi Sil"), QKeySequence(), &FrmBanko::clear);
    choice->addSeparator();
    menus.entry(choice, "mnuKapat", QStringLiteral("Kapat"), QKeySequence(), &FrmBanko::close);

    QMenu* file = menus.menu("mnuDosya", QStringLiteral("Dosya"));
    menus.entry(file, "mnuYukle", QStringLiteral("Dosyadan Yükle"), Qt::Key_F2, &FrmBanko::load);
    menus.entry(file, "mnuKayitla", QStringLiteral("Dosyaya Kayıtla"), Qt::Key_F3, &FrmBanko::save);

    QMenu* automatic = menus.menu("mnuOtomatik", QStringLiteral("Otomatik"));
    menus.entry(automatic, "mnuEnaz", QStringLiteral("En Az Çıkanı Banko Yap"), QKeySequence(),
                [this] { automaticChoice(dialogmode::LeastBanko); });
    menus.entry(automatic, "mnuOrta", QStringLiteral("Ortalardan Bir Topu Banko Yap"), QKeySequence(),
                [this] { automaticChoice(dialogmode::MiddleBanko); });
    menus.entry(automatic, "mnuEncok", QStringLiteral("En Çok Çıkanı Banko Yap"), QKeySequence(),
                [this] { automaticChoice(dialogmode::MostBanko); });
    automatic->addSeparator();
    menus.entry(automatic, "mnuCTGoster", QStringLiteral("Çıkan Topları Göster"), QKeySequence(),
                &FrmBanko::showDrawnBalls);

    QMenu* help = menus.menu("mnuYardim", QStringLiteral("Yardım"));
    menus.entry(help, "mnuFunctionKeys", QStringLiteral("Fonksiyon Tuşları"), Qt::Key_F10,
                &FrmBanko::showFunctionKeys);
    menus.entry(help, "mnuBankoNedir", QStringLiteral("Banko Nedir ve Niçin Kullanılır"), Qt::Key_F11,
                &FrmBanko::showWhatIs);
    menus.entry(help, "mnuTavsiye", QStringLiteral("Tavsiyeler"), Qt::Key_F12, &FrmBanko::showAdvice);
}

void FrmBanko::onActivated() {
    if (returningFromModal())
        return;
    display();
}

void FrmBanko::selectCount(int count) {
    m_options[static_cast<std::size_t>(count)]->setChecked(true);
    countClicked(count);
}

void FrmBanko::countClicked(int count) {
    for (int i = 0; i < 5; ++i) {
        const bool used = i < count;
        Text1[static_cast<std::size_t>(i)]->setVisible(used);
        Label2[static_cast<std::size_t>(i)]->setVisible(used);
    }
    setFixedHeight(twipsToPixels(heightTwips(count)));
    if (count == 0)
        Command1->setFocus();
    else
        Text1[0]->setFocus();
}

int FrmBanko::selectedCount() const {
    for (int k = 0; k < 6; ++k)
        if (m_options[static_cast<std::size_t>(k)]->isChecked())
            return k;
    return 0;
}

void FrmBanko::entryChanged(int index) {
    QLineEdit* edit = Text1[static_cast<std::size_t>(index)];
    const int64_t v = ValWhole(edit->text().toStdString());
    // A banker is a ball: anything else is not kept in the box at all.
    const QString wanted = state().game.isBall(v) ? QString::number(v) : QString();
    if (edit->text() != wanted)
        edit->setText(wanted);
}

void FrmBanko::entryReturn(int index) {
    if (index < 4 && Text1[static_cast<std::size_t>(index + 1)]->isVisibleTo(this))
        Text1[static_cast<std::size_t>(index + 1)]->setFocus();
    else
        Command1->setFocus();
}

void FrmBanko::display() {
    const BankoList& bankers = state().BankoBalls;
    const int m = bankers.count();
    if (m < 0 || m > 5) {
        selectCount(0);
        return;
    }
    selectCount(m);
    for (int j = 1; j <= m; ++j)
        Text1[static_cast<std::size_t>(j - 1)]->setText(QString::number(bankers[j]));
}

void FrmBanko::emptyEntries() {
    for (QLineEdit* edit : Text1)
        edit->clear();
}

void FrmBanko::apply() {
    dialogs().beep();
    const int c = selectedCount();
    BankoList bankers;
    for (int i = 0; i < c; ++i) {
        const int64_t v = ValWhole(Text1[static_cast<std::size_t>(i)]->text().toStdString());
        if (state().game.isBall(v) && !bankers.contains(static_cast<int>(v)))
            bankers.push(static_cast<int>(v));
    }
    state().BankoBalls = bankers;
    emptyEntries();
    removeBankersFromBag(state());
    display();
}

void FrmBanko::load() {
    dialogs().beep();
    // Bankers follow the bag's N + 1 records of two bytes and the count.
    if (dir().fileSize(files::Balls) <= 2 * (state().game.balls() + 1) + 1)
        return;
    if (!dialogs().askYesNo(
            QStringLiteral("Banko topları VELMORIX.DAT dosyasından yüklemek istiyormusunuz ?"),
            programTitle()))
        return;
    guarded([this] {
        const BallsLoad result = loadBankers(state(), dir(), LoadForm::Window);
        if (result == BallsLoad::Corrupt) {
            dialogs().beep();
            dialogs().show(QString::fromUtf8(BallsFileCorruptText), errorTitle(), DialogIcon::Exclamation);
            removeBankersFromBag(state());
            return;
        }
        if (result == BallsLoad::Missing || result == BallsLoad::TooShort)
            return;
        emptyEntries();
        display();
    });
}

void FrmBanko::save() {
    confirmAndSave(
        QStringLiteral("Banko topları (topu) VELMORIX.DAT dosyasına kayıtlamak istiyormusunuz ?"),
        [this] { apply(); }, [this] { saveBankers(state(), dir()); });
}

void FrmBanko::clear() {
    state().BankoBalls.clear();
    display();
}

void FrmBanko::automaticChoice(int16_t mode) {
    askResults(QStringLiteral("Önceden çıkan sonuçlara göre banko top seçmek istiyormusunuz ?"), mode);
}

void FrmBanko::showFunctionKeys() {
    showHelpBox(bankoFunctionKeysText());
}

void FrmBanko::showWhatIs() {
    showHelpBox(bankoWhatIsText(state().game), QStringLiteral("BANKO'NUN İŞLEVİ"));
}

void FrmBanko::showAdvice() {
    showHelpBox(bankoAdviceText(), QStringLiteral("TAVSİYELER"));
}

} // namespace velmorix
