#include "FrmTakip.h"

#include "MethodParts.h"

#include "core/AppState.h"
#include "core/ColumnFile.h"
#include "platform/Dialogs.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmorix {

using namespace methods;

namespace {

std::size_t ix(int i) {
    return static_cast<std::size_t>(i);
}
QString blankTitle() {
    return QLatin1Char(' ') + programTitle();
}

} // namespace

FrmTakip::FrmTakip(AppContext& context, QWidget* parent) : RangeReportWindow(context, parent) {
    setObjectName(QStringLiteral("frmTakip"));
    m_first = state().RangeFirst;
    m_last = state().RangeLast;
    setWindowTitle(openingCaption());
    buildControls();
    setFixedSize(sizeHint());
    placeCentred(this);
    std::vector<KeyCommand> keys{
        {Qt::Key_F1, [this] { apply(); }},
        {Qt::Key_F10,
         [this] {
             dialogs().show(QStringLiteral("F1 = Uygula\r\rF10 = Komut Tuşları Bilgisi\r\rESC = Kapat"),
                            programTitle(), DialogIcon::None);
         }},
        {Qt::Key_Escape, [this] { close(); }}};
    // The other function keys have no command here.
    for (int key = Qt::Key_F2; key <= Qt::Key_F12; ++key)
        keys.push_back({key, [this] { dialogs().beep(); }});
    setKeyCommands(std::move(keys));
}

QString FrmTakip::openingCaption() const {
    return QStringLiteral("Son Sonuca Göre Takip Eden Toplar Analizi   SONUÇLAR :") + qtext(Str(m_first)) +
           QStringLiteral(" -") + qtext(Str(m_last));
}

void FrmTakip::buildControls() {
    QVBoxLayout* right = buildReportLists(QStringLiteral("Takip Puan Tablosu"), 150,
                                          QStringLiteral("Takip Kuantum Değerleri"), 200);
    QWidget* central = centralWidget();
    auto* table =
        new QGroupBox(qtext(state().game.tag()) + QStringLiteral(" Takip Kuantum Tablosu"), central);
    auto* grid = new QGridLayout(table);
    grid->setHorizontalSpacing(14);
    addFigureHeads(grid, table);
    const QStringList rows{QStringLiteral("Kuantum"), QStringLiteral("İsabet")};
    for (int r = 0; r < 2; ++r) {
        grid->addWidget(new QLabel(rows[r], table), r + 1, 0);
        m_table[ix(r)] = addFigureRow(grid, table, r);
    }
    right->addWidget(table);

    auto* best = new QGroupBox(QStringLiteral("İlk 6 Takip Eden Top"), central);
    auto* bestBox = new QVBoxLayout(best);
    Label8 = new QLabel(QStringLiteral("00,00,00,00,00,00"), best);
    Label8->setObjectName(QStringLiteral("Label8"));
    QFont big = Label8->font();
    big.setPointSize(big.pointSize() + 5);
    big.setBold(true);
    Label8->setFont(big);
    Label8->setAlignment(Qt::AlignCenter);
    Label8->setStyleSheet(QStringLiteral("QLabel { color: #1b3f8b; }"));
    bestBox->addWidget(Label8);
    right->addWidget(best);

    auto* filter = new QGroupBox(QStringLiteral("Takip Kuantum Filtresi"), central);
    auto* fgrid = new QGridLayout(filter);
    fgrid->setHorizontalSpacing(10);
    auto makeBox = [filter](const char* name, const QString& value) {
        auto* box = new QLineEdit(value, filter);
        box->setObjectName(QString::fromLatin1(name));
        box->setFixedWidth(70);
        return box;
    };
    Text1 = makeBox("Text1", QString());
    Text2 = makeBox("Text2", QString::number(state().game.maxSum()));
    Text3 = makeBox("Text3", QString());
    Check1 = new QCheckBox(QStringLiteral("Minimum İsabet ="), filter);
    Check1->setObjectName(QStringLiteral("Check1"));
    fgrid->addWidget(new QLabel(QStringLiteral("Minimum:"), filter), 0, 0);
    fgrid->addWidget(new QLabel(QStringLiteral("Maksimum:"), filter), 0, 1);
    fgrid->addWidget(Text1, 1, 0);
    fgrid->addWidget(Text2, 1, 1);
    fgrid->addWidget(Check1, 2, 0);
    fgrid->addWidget(Text3, 2, 1);
    Command1 = new QPushButton(QStringLiteral("Uygula"), filter);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(QStringLiteral("Kapat"), filter);
    Command2->setObjectName(QStringLiteral("Command2"));
    for (QPushButton* b : {Command1, Command2}) {
        b->setAutoDefault(false);
        b->setFixedWidth(90);
    }
    fgrid->addWidget(Command1, 3, 0);
    fgrid->addWidget(Command2, 3, 1);
    fgrid->setColumnStretch(2, 1);
    right->addWidget(filter);
    finishReportColumn(right);
    connect(Command1, &QPushButton::clicked, this, &FrmTakip::apply);
    connect(Command2, &QPushButton::clicked, this, &FrmTakip::close);
}

void FrmTakip::reportReady() {
    showReport();
    if (!m_report->referenceValid)
        showDamagedReference();
}

void FrmTakip::showDamagedReference() {
    dialogs().show(QStringLiteral("Son sonuçta (Kayıt No=") + qtext(Str(m_last)) +
                       QStringLiteral(") geçersiz veya tekrarlanan top var !\r\rTakip eden toplar "
                                      "sıralanamaz; son sonucu düzeltin."),
                   errorTitle(), DialogIcon::Exclamation);
}

bool FrmTakip::compute() {
    const auto results = rangeResults(programTitle());
    if (!results)
        return false;
    BusyCursor busy;
    m_report = computeFollowing(*results, m_first, m_last, state().game);
    return true;
}

void FrmTakip::showReport() {
    const FollowReport& rep = *m_report;
    showLines(List2, rep.valueLines);
    showLines(List1, rep.scoreLines);
    if (rep.referenceValid)
        Label8->setText(qtext(rep.bestSixText));
    const std::array<const RunFigures*, 2> rows{&rep.tkuantum, &rep.hits};
    for (int r = 0; r < 2; ++r) {
        m_table[ix(r)][0]->setText(qtext(digits(rows[ix(r)]->max)));
        m_table[ix(r)][1]->setText(qtext(digits(rows[ix(r)]->min)));
        m_table[ix(r)][2]->setText(qtext(rows[ix(r)]->averageText(2)));
    }
    Text1->setText(qtext(digits(rep.tkuantum.min)));
    Text2->setText(qtext(digits(rep.tkuantum.max)));
    Text3->setText(qtext(digits(rep.hits.min)));
}

void FrmTakip::apply() {
    if (!dir().exists(files::List)) {
        dialogs().beep();
        dialogs().show(missingListText(), missingListTitle(), DialogIcon::Exclamation);
        return;
    }
    dialogs().beep();
    if (!m_report || recordCount(dir(), files::List) < 1)
        return;
    if (!m_report->referenceValid) {
        showDamagedReference();
        return;
    }
    const QString refusal = kuantumRangeRefusal(boxNumber(Text1), boxNumber(Text2));
    if (!refusal.isEmpty()) {
        dialogs().show(refusal, errorTitle(), DialogIcon::Exclamation);
        Text2->setFocus();
        return;
    }
    if (dialogs().askYesNo(
            QStringLiteral(
                "Takip Kuantum sınırlamasına göre mevcut kombinasyon listesini elemek istiyormusunuz?"),
            blankTitle()))
        filterList();
}

void FrmTakip::filterList() {
    const int64_t minHits = Check1->isChecked() ? boxNumber(Text3) : 0;
    const int64_t minValue = boxNumber(Text1);
    const int64_t maxValue = boxNumber(Text2);
    int32_t written = 0;
    bool done = false;
    {
        BusyCursor busy;
        done = guarded([&] {
            written = filterListByFollowing(
                dir(), m_report->ranking, minHits, minValue, maxValue, [this](int32_t kept, int32_t record) {
                    showProgressTitle(QStringLiteral("KOLON=") + qtext(Str(kept + 1)) +
                                      QStringLiteral("   ESKİ=") + qtext(Str(record)));
                });
        });
    }
    setWindowTitle(openingCaption());
    if (!done)
        return;
    dialogs().beep();
    dialogs().show(qtext(Str(written)) +
                       QStringLiteral(" adet uygun kolon, 'VELMORIX.LST' dosyasına kayıtlandı!"),
                   blankTitle(), DialogIcon::None);
}

} // namespace velmorix
