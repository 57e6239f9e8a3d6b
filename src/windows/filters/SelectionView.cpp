#include "SelectionView.h"

#include "core/FilterSelection.h"
#include "engine/FilterParts.h"
#include "platform/Dialogs.h"
#include "windows/common/Text.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <tuple>

namespace velmorix {

namespace {

QString indexed(const char* name, int index) {
    return QString::fromLatin1(name) + QLatin1Char('_') + QString::number(index);
}

QCheckBox* makeCheck(QWidget* parent, const QString& objectName, const QString& caption) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(objectName);
    return box;
}

QGroupBox* makeFrame(QWidget* parent, const char* name, const QString& caption) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(QString::fromLatin1(name));
    return frame;
}

const QString& similarityCaption(int k) {
    static const QString captions[] = {QStringLiteral("3 benzer top yasak"),
                                       QStringLiteral("4 benzer top yasak"),
                                       QStringLiteral("5 benzer top yasak"),
                                       QStringLiteral("6 benzer top yasak"), QStringLiteral("Uygulama")};
    return captions[k];
}

} // namespace

SelectionView::SelectionView(QWidget* parent, FilterSelection& selection, Dialogs& dialogs, const Game& game)
    : QObject(parent), m_selection(selection), m_dialogs(dialogs), m_game(game),
      m_controls(SelectionControls::forGame(game)) {
    buildOtherFilters(parent);
    buildSimilarity(parent);
    buildDecades(parent);
    buildRepeats(parent);
    buildMathRelations(parent);
    buildSums(parent);
    push();
}

QRadioButton* SelectionView::makeOption(QWidget* parent, int number, const QString& caption) {
    auto* option = new QRadioButton(caption, parent);
    option->setObjectName(QStringLiteral("Option") + QString::number(number));
    connect(option, &QRadioButton::clicked, this, [this, number] { optionClicked(number); });
    Option[static_cast<std::size_t>(number)] = option;
    return option;
}

QButtonGroup* SelectionView::makeGroup(std::initializer_list<int> numbers) {
    auto* group = new QButtonGroup(this);
    for (int n : numbers)
        group->addButton(Option[static_cast<std::size_t>(n)], n);
    m_groups.push_back(group);
    return group;
}

void SelectionView::buildOtherFilters(QWidget* parent) {
    const std::string halfCaption = halfSplitCaption(m_game);
    const char* const captions[13] = {
        "6 tek ve 6 çift yasağı",     halfCaption.c_str(),           "Son rakam aynı en çok 3",
        "Onluk gurup en az 3 olsun",  "Son 2 hafta ile benzer",      "Son hafta 3'den az benzer",
        "Son hafta sayı farkı yasak", "Sayı aralıkları aynı olamaz", "Sayı toplamı aynı olamaz",
        "Asal sayı zorunluluğu",      "Onluk gurup dağılımı farklı", "İkili farklar en çok 2 aynı",
        "Sonuçlarla en az 3 benzer"};
    m_otherFrame = makeFrame(parent, "FrameOther", QStringLiteral("Diğer Filtreler"));
    auto* layout = new QVBoxLayout(m_otherFrame);
    layout->setSpacing(2);
    Check3 = makeCheck(m_otherFrame, QStringLiteral("Check3"), QStringLiteral("Varsayılan Kaos Filtreleri"));
    QFont bold = Check3->font();
    bold.setBold(true);
    Check3->setFont(bold);
    layout->addWidget(Check3);
    for (int i = 0; i < 13; ++i) {
        Check2[static_cast<std::size_t>(i)] =
            makeCheck(m_otherFrame, indexed("Check2", i), QString::fromUtf8(captions[i]));
        layout->addWidget(Check2[static_cast<std::size_t>(i)]);
    }
    layout->addStretch(1);

    m_pairsFrame = makeFrame(parent, "FramePairs", QStringLiteral("Yasak İkililer"));
    auto* pairs = new QVBoxLayout(m_pairsFrame);
    Check4 = makeCheck(m_pairsFrame, QStringLiteral("Check4"), QStringLiteral("Yasak İkilileri Uygula"));
    pairs->addWidget(Check4);
}

void SelectionView::buildSimilarity(QWidget* parent) {
    auto build = [this, parent](const char* name, const QString& caption, std::array<int, 5> numbers) {
        QGroupBox* frame = makeFrame(parent, name, caption);
        auto* layout = new QVBoxLayout(frame);
        layout->setSpacing(2);
        for (int k = 0; k < 5; ++k)
            layout->addWidget(makeOption(frame, numbers[static_cast<std::size_t>(k)], similarityCaption(k)));
        layout->addStretch(1);
        makeGroup({numbers[0], numbers[1], numbers[2], numbers[3], numbers[4]});
        return frame;
    };
    m_resultsFrame = build("FrameResults", QStringLiteral("Sonuçlar"), {19, 20, 21, 22, 23});
    m_playedFrame = build("FramePlayed", QStringLiteral("Oynananlar"), {14, 15, 16, 17, 18});
    m_sextetsFrame = build("FrameSextets", QStringLiteral("Yasak Kombinasyonlar"), {6, 7, 8, 9, 11});
}

void SelectionView::buildDecades(QWidget* parent) {
    m_decadeFrame =
        makeFrame(parent, "FrameDecades", QStringLiteral("Ondalık Gurup Filtreleri [ Zorunluluklar ]"));
    auto* layout = new QVBoxLayout(m_decadeFrame);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    for (int c = 0; c <= 6; ++c) {
        auto* head = new QLabel(QString::number(c), m_decadeFrame);
        head->setAlignment(Qt::AlignCenter);
        grid->addWidget(head, 0, c + 1);
    }
    for (int d = 0; d < m_game.decades(); ++d) {
        const QString range = qtext(m_game.decadeRange(d));
        grid->addWidget(new QLabel(range + QStringLiteral(" :"), m_decadeFrame), d + 1, 0);
        for (int c = 0; c <= 6; ++c) {
            const std::size_t index = decadeIndex(c, d);
            QCheckBox* box = makeCheck(m_decadeFrame, indexed("Check5", static_cast<int>(index)), QString());
            box->setToolTip(range + QStringLiteral(" : ") + QString::number(c) + QStringLiteral(" top"));
            connect(box, &QCheckBox::clicked, this, &SelectionView::decadeBoxClicked);
            grid->addWidget(box, d + 1, c + 1, Qt::AlignCenter);
            Check5[index] = box;
        }
    }
    grid->setColumnStretch(8, 1);
    layout->addLayout(grid);
    layout->addStretch(1);

    auto* bottom = new QHBoxLayout;
    Check6 = makeCheck(m_decadeFrame, QStringLiteral("Check6"), QStringLiteral("Uygulama"));
    Label20 = new QLabel(QStringLiteral("#  Zorunlu :"), m_decadeFrame);
    Label20->setObjectName(QStringLiteral("Label20"));
    Label20->setMinimumWidth(Label20->fontMetrics().horizontalAdvance(QStringLiteral("  Zorunlu : 6 ")));
    bottom->addWidget(Check6);
    bottom->addStretch(1);
    bottom->addWidget(Label20);
    bottom->addWidget(makeOption(m_decadeFrame, 12, QStringLiteral("E")));
    bottom->addWidget(makeOption(m_decadeFrame, 13, QStringLiteral("H")));
    makeGroup({12, 13});
    layout->addLayout(bottom);
}

void SelectionView::buildRepeats(QWidget* parent) {
    m_repeatFrame = makeFrame(parent, "FrameRepeats", QStringLiteral("Tekrar Yasakları"));
    auto* layout = new QVBoxLayout(m_repeatFrame);
    layout->setSpacing(2);
    for (int level = 2; level <= 6; ++level)
        layout->addWidget(makeOption(m_repeatFrame, level - 1,
                                     QString::number(level) + QStringLiteral(" aynı topla tekrar yasak")));
    layout->addWidget(makeOption(m_repeatFrame, 10, QStringLiteral("Uygulama")));
    layout->addStretch(1);
    makeGroup({1, 2, 3, 4, 5, 10});
}

void SelectionView::buildMathRelations(QWidget* parent) {
    m_mathFrame = makeFrame(parent, "FrameMath", QStringLiteral("Matematiksel İlişki Yasakları"));
    auto* layout = new QHBoxLayout(m_mathFrame);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(2);
    for (int i = 0; i < 23; ++i) {
        QCheckBox* box =
            makeCheck(m_mathFrame, indexed("Check1", i), QStringLiteral("n = n+") + QString::number(i + 1));
        grid->addWidget(box, i % 5, i / 5);
        Check1[static_cast<std::size_t>(i)] = box;
    }
    Check2n = makeCheck(m_mathFrame, QStringLiteral("Check2n"), QStringLiteral("n = 2*n"));
    Check3n = makeCheck(m_mathFrame, QStringLiteral("Check3n"), QStringLiteral("n = 3*n"));
    grid->addWidget(Check2n, 3, 4);
    grid->addWidget(Check3n, 4, 4);
    layout->addLayout(grid);
    layout->addSpacing(12);

    auto* lengths = new QVBoxLayout;
    lengths->setSpacing(2);
    for (int k = 3; k <= 6; ++k)
        lengths->addWidget(
            makeOption(m_mathFrame, k + 21, QString::number(k) + QStringLiteral(" topa uygula")));
    lengths->addWidget(makeOption(m_mathFrame, 28, QStringLiteral("Uygulama")));
    lengths->addStretch(1);
    makeGroup({24, 25, 26, 27, 28});
    layout->addLayout(lengths);
}

void SelectionView::buildSums(QWidget* parent) {
    m_sumFrame = makeFrame(parent, "FrameSums", QStringLiteral("Toplam Filtreleri [ Zorunluluklar ]"));
    auto* grid = new QGridLayout(m_sumFrame);
    grid->setVerticalSpacing(4);
    auto makeBox = [this](const char* name, int value) {
        auto* box = new QLineEdit(QString::number(value), m_sumFrame);
        box->setObjectName(QString::fromLatin1(name));
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
        box->setAlignment(Qt::AlignRight);
        box->installEventFilter(this);
        return box;
    };
    Text1 = makeBox("Text1", Game::kMinSum);
    Text2 = makeBox("Text2", m_game.maxSum());
    grid->addWidget(new QLabel(QStringLiteral("Enaz Toplam ="), m_sumFrame), 0, 0);
    grid->addWidget(Text1, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Ençok Toplam ="), m_sumFrame), 1, 0);
    grid->addWidget(Text2, 1, 1);
    Check7 = makeCheck(m_sumFrame, QStringLiteral("Check7"), QStringLiteral("Uygulama"));
    connect(Check7, &QCheckBox::clicked, this, &SelectionView::check7Clicked);
    grid->addWidget(Check7, 2, 0, 1, 2);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(3, 1);
}

bool SelectionView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && (watched == Text1 || watched == Text2)) {
        // Only a move to another control of the window counts as leaving the
        // box; a message box or a menu taking the focus for a moment does not.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            sumBoxLeft(static_cast<QLineEdit*>(watched));
    }
    return QObject::eventFilter(watched, event);
}

void SelectionView::showSelection() {
    pull();
    velmorix::showSelection(m_selection, m_controls);
    push();
}

void SelectionView::readSelection() {
    pull();
    velmorix::readSelection(m_controls, m_selection);
}

SelectionControls SelectionView::controls() {
    pull();
    return m_controls;
}

void SelectionView::pull() {
    SelectionControls& c = m_controls;
    for (int n = 1; n <= 28; ++n)
        c.Option[static_cast<std::size_t>(n)] = Option[static_cast<std::size_t>(n)]->isChecked();
    for (std::size_t i = 0; i < Check1.size(); ++i) {
        c.Check1[i] = Check1[i]->isChecked();
        c.Check1Enabled[i] = Check1[i]->isEnabled();
    }
    c.Check2n = Check2n->isChecked();
    c.Check2nEnabled = Check2n->isEnabled();
    c.Check3n = Check3n->isChecked();
    c.Check3nEnabled = Check3n->isEnabled();
    for (std::size_t i = 0; i < Check2.size(); ++i)
        c.Check2[i] = Check2[i]->isChecked();
    c.Check3 = Check3->isChecked();
    c.Check4 = Check4->isChecked();
    forEachDecadeBox([&](std::size_t i) { c.Check5[i] = Check5[i]->isChecked(); });
    c.Check6 = Check6->isChecked();
    c.Check7 = Check7->isChecked();
    c.Text1 = Text1->text().toStdString();
    c.Text2 = Text2->text().toStdString();
    c.Text1Enabled = Text1->isEnabled();
    c.Text2Enabled = Text2->isEnabled();
    c.Label20 = Label20->text().toStdString();
}

void SelectionView::push() {
    const SelectionControls& c = m_controls;
    // An exclusive group refuses to clear its checked button; the model says
    // which one is on, so let it through while copying.
    for (QButtonGroup* g : m_groups)
        g->setExclusive(false);
    for (int n = 1; n <= 28; ++n) {
        QRadioButton* o = Option[static_cast<std::size_t>(n)];
        const QSignalBlocker block(o);
        o->setChecked(c.Option[static_cast<std::size_t>(n)]);
    }
    for (QButtonGroup* g : m_groups)
        g->setExclusive(true);
    auto set = [](QCheckBox* box, bool ticked) {
        const QSignalBlocker block(box);
        box->setChecked(ticked);
    };
    for (std::size_t i = 0; i < Check1.size(); ++i) {
        set(Check1[i], c.Check1[i]);
        Check1[i]->setEnabled(c.Check1Enabled[i]);
    }
    set(Check2n, c.Check2n);
    Check2n->setEnabled(c.Check2nEnabled);
    set(Check3n, c.Check3n);
    Check3n->setEnabled(c.Check3nEnabled);
    for (std::size_t i = 0; i < Check2.size(); ++i)
        set(Check2[i], c.Check2[i]);
    set(Check3, c.Check3);
    set(Check4, c.Check4);
    forEachDecadeBox([&](std::size_t i) { set(Check5[i], c.Check5[i]); });
    set(Check6, c.Check6);
    set(Check7, c.Check7);
    for (auto [box, text, enabled] :
         {std::tuple{Text1, &c.Text1, c.Text1Enabled}, std::tuple{Text2, &c.Text2, c.Text2Enabled}}) {
        const QSignalBlocker block(box);
        const QString wanted = QString::fromStdString(*text);
        if (box->text() != wanted)
            box->setText(wanted);
        box->setEnabled(enabled);
    }
    Label20->setText(QString::fromStdString(c.Label20));
}

void SelectionView::optionClicked(int number) {
    pull();
    selectOption(m_controls, number);
    push();
}

void SelectionView::decadeBoxClicked() {
    pull();
    updateDecadeHitCount(m_controls, m_selection);
    push();
}

void SelectionView::check7Clicked() {
    pull();
    setCheck7(m_controls, m_controls.Check7);
    push();
}

void SelectionView::sumBoxLeft(QLineEdit* box) {
    pull();
    const bool repaired = box == Text1 ? leaveText1(m_controls) : leaveText2(m_controls);
    if (repaired)
        m_dialogs.beep();
    push();
}

} // namespace velmorix
