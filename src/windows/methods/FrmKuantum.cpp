#include "FrmKuantum.h"

#include "MethodParts.h"

#include "analysis/GroupingConfig.h"
#include "core/AppState.h"
#include "core/ColumnFile.h"
#include "platform/Dialogs.h"
#include "windows/common/WindowRegistry.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace velmorix {

using namespace methods;

namespace {

std::size_t ix(int i) {
    return static_cast<std::size_t>(i);
}

QString handOverTitle() {
    return QLatin1Char(' ') + programTitle() + QStringLiteral("  [ KUANTUM ]");
}

QString truth(int16_t flag) {
    return flag != 0 ? QStringLiteral("True") : QStringLiteral("False");
}

QString figure(int64_t v) {
    return qtext(digits(v));
}

} // namespace

FrmKuantum::FrmKuantum(AppContext& context, QWidget* parent) : RangeReportWindow(context, parent) {
    setObjectName(QStringLiteral("frmKuantum"));
    buildControls();
    startOver();
    setFixedSize(sizeHint());
    placeCentred(this);
    const auto beep = [this] { dialogs().beep(); };
    setKeyCommands({{Qt::Key_F1, [this] { handOver(); }},
                    {Qt::Key_F2, [this] { saveRankGroups(); }},
                    {Qt::Key_F3, [this] { showCoverage(); }},
                    {Qt::Key_F4, [this] { openQuantumList(); }},
                    {Qt::Key_F5, [this] { openFollowing(); }},
                    {Qt::Key_F10, [this] { showKeyHelp(); }},
                    {Qt::Key_Escape, [this] { close(); }},
                    {Qt::Key_F6, beep},
                    {Qt::Key_F7, beep},
                    {Qt::Key_F8, beep},
                    {Qt::Key_F9, beep},
                    {Qt::Key_F11, beep},
                    {Qt::Key_F12, beep}});
}

QString FrmKuantum::rangeText() const {
    return QStringLiteral("   SONUÇLAR :") + qtext(Str(m_first)) + QStringLiteral(" -") + qtext(Str(m_last));
}

void FrmKuantum::startOver() {
    m_first = state().RangeFirst;
    m_last = state().RangeLast;
    m_firstActivation = true;
    m_report.reset();
    setWindowTitle(QStringLiteral("Top Tekrar Sayıları ve İstatistikler") + rangeText());
}

void FrmKuantum::buildControls() {
    QVBoxLayout* right =
        buildReportLists(QStringLiteral("Top Tekrarları"), 170, QStringLiteral("Kuantum Değerleri"), 190);
    QWidget* central = centralWidget();
    auto* table = new QGroupBox(qtext(state().game.tag()) + QStringLiteral(" Kuantum Tablosu"), central);
    auto* grid = new QGridLayout(table);
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(5);
    auto* head = new QLabel(QStringLiteral("Kuantum"), table);
    QFont bold = head->font();
    bold.setBold(true);
    head->setFont(bold);
    grid->addWidget(head, 0, 0);
    addFigureHeads(grid, table);
    const QStringList rows{QStringLiteral("Tümsel"), QStringLiteral("İndirgenmiş"), QStringLiteral("İlk 12"),
                           QStringLiteral("Son 12"), QStringLiteral("İlk 6"),       QStringLiteral("Son 6")};
    for (int r = 0; r < 6; ++r) {
        auto* rowHead = new QLabel(rows[r], table);
        rowHead->setObjectName(QStringLiteral("lblRow_") + QString::number(r));
        grid->addWidget(rowHead, r + 1, 0);
        m_rowHeads[ix(r)] = rowHead;
        m_table[ix(r)] = addFigureRow(grid, table, r);
    }
    right->addWidget(table);

    auto* filter = new QGroupBox(QStringLiteral("Kuantum Filtresi"), central);
    auto* fgrid = new QGridLayout(filter);
    fgrid->setHorizontalSpacing(10);
    Option1 = new QRadioButton(QStringLiteral("12"), filter);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option1->setChecked(true);
    Option2 = new QRadioButton(QStringLiteral("6"), filter);
    Option2->setObjectName(QStringLiteral("Option2"));
    Check1 = new QCheckBox(QStringLiteral("Bölümlü :"), filter);
    Check1->setObjectName(QStringLiteral("Check1"));
    Text1 = new QLineEdit(QString::number(Game::kMinSum), filter);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text2 = new QLineEdit(QString::number(state().game.maxSum()), filter);
    Text2->setObjectName(QStringLiteral("Text2"));
    for (QLineEdit* box : {Text1, Text2})
        box->setFixedWidth(70);
    fgrid->addWidget(Check1, 0, 0);
    fgrid->addWidget(Option1, 0, 1);
    fgrid->addWidget(Option2, 0, 2);
    fgrid->addWidget(new QLabel(QStringLiteral("Minimum:"), filter), 1, 0);
    fgrid->addWidget(new QLabel(QStringLiteral("Maksimum:"), filter), 1, 1);
    fgrid->addWidget(Text1, 2, 0);
    fgrid->addWidget(Text2, 2, 1);
    auto makeButton = [filter](const char* name, const QString& caption) {
        auto* button = new QPushButton(caption, filter);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);
        return button;
    };
    Command1 = makeButton("Command1", QStringLiteral("Uygula"));
    Command3 = makeButton("Command3", QStringLiteral("Liste"));
    Command2 = makeButton("Command2", QStringLiteral("Kapat"));
    Command1->setToolTip(QStringLiteral("Kombinasyon Listesi ('VELMORIX.LST') Oluştur"));
    Command3->setToolTip(QStringLiteral("Kombinasyon Listesini Göster"));
    fgrid->addWidget(Command1, 3, 0);
    fgrid->addWidget(Command3, 3, 1);
    fgrid->addWidget(Command2, 3, 2);
    fgrid->setColumnStretch(3, 1);
    right->addWidget(filter);
    finishReportColumn(right);
    connect(Command1, &QPushButton::clicked, this, &FrmKuantum::handOver);
    connect(Command2, &QPushButton::clicked, this, &FrmKuantum::close);
    connect(Command3, &QPushButton::clicked, this, &FrmKuantum::openQuantumList);
}

void FrmKuantum::reportReady() {
    if (QWidget* range = context().windows.find(WindowId::KuantFlt))
        range->close();
    showReport();
}

bool FrmKuantum::compute() {
    const auto results = rangeResults(quantumTitle());
    if (!results)
        return false;
    BusyCursor busy;
    m_report = computeQuantum(*results, m_first, m_last, state().game);

    QuantumSettings& q = state().Quantum;
    const QuantumReport& rep = *m_report;
    q.Rtor = rep.ranking.rtor;
    for (int r = m_first + 1; r <= m_last; ++r)
        q.KuantumValues[ix(r)] = rep.values[ix(r - m_first)];
    q.KuantumValues[0] = static_cast<int16_t>(m_last);
    q.KuantumValue = static_cast<int16_t>(m_last);
    q.ValuesFirst = static_cast<int16_t>(m_first);
    q.ValuesLast = static_cast<int16_t>(m_last);
    q.gi12kmin = rep.limits.gi12kmin;
    q.gi12kmax = rep.limits.gi12kmax;
    q.gs12kmin = rep.limits.gs12kmin;
    q.gs12kmax = rep.limits.gs12kmax;
    q.gi6kmin = rep.limits.gi6kmin;
    q.gi6kmax = rep.limits.gi6kmax;
    q.gs6kmin = rep.limits.gs6kmin;
    q.gs6kmax = rep.limits.gs6kmax;
    return true;
}

void FrmKuantum::showReport() {
    const QuantumReport& rep = *m_report;
    showLines(List2, rep.valueLines);
    showLines(List1, rep.rankingLines);
    setWindowTitle(QStringLiteral("Top Tekrar Sayıları ve Kuantum Değerleri") + rangeText());

    auto setRow = [&](int row, const RunFigures& f, int decimals) {
        m_table[ix(row)][0]->setText(figure(f.max));
        m_table[ix(row)][1]->setText(figure(f.min));
        m_table[ix(row)][2]->setText(qtext(f.averageText(decimals)));
    };
    setRow(0, rep.overall, 2);
    setRow(1, rep.reduced, 2);
    for (int g = 0; g < 4; ++g)
        setRow(g + 2, rep.groups[ix(g)], 3);
    const int n = rep.ranking.topSize();
    const int m = rep.ranking.bottomSize();
    m_rowHeads[4]->setText(QStringLiteral("İlk") + qtext(Str(n)));
    m_rowHeads[5]->setText(QStringLiteral("Son") + qtext(Str(m)));
    Option2->setText(figure(n) + QLatin1Char('-') + figure(m));
    Text1->setText(figure(rep.defaultMin));
    Text2->setText(figure(rep.defaultMax));
}

void FrmKuantum::handOver() {
    if (!m_report)
        return;
    const QString refusal = kuantumRangeRefusal(boxNumber(Text1), boxNumber(Text2));
    if (!refusal.isEmpty()) {
        dialogs().beep();
        dialogs().show(refusal, errorTitle(), DialogIcon::Exclamation);
        Text2->setFocus();
        return;
    }
    QuantumSettings& q = state().Quantum;
    q.GB0 = Check1->isChecked() ? -1 : 0;
    q.GB1 = Option1->isChecked() ? 0 : -1;
    q.GKMAX = saturatedWord(boxNumber(Text2));
    q.GKMIN = saturatedWord(boxNumber(Text1));
    auto v = [](int64_t x) { return qtext(Str(x)); };
    // The entry just past the game's ranking.
    const std::size_t past = static_cast<std::size_t>(state().game.balls() + 1);
    const int64_t pastRank = past < q.Rtor.size() ? q.Rtor[past] : 0;
    const QString text =
        QStringLiteral(
            "Kuantum sınırlarına göre rastgele kombinasyon listesi oluşturmak veya mevcut listeyi elemek "
            "istiyormusunuz?\r\r") +
        QStringLiteral("GB0=") + truth(q.GB0) + QStringLiteral(" , GB1=") + truth(q.GB1) + QLatin1Char('\r') +
        QStringLiteral("GKMAX=") + v(q.GKMAX) + QStringLiteral(" , GKMIN=") + v(q.GKMIN) + QLatin1Char('\r') +
        QStringLiteral("gi12kmax=") + v(q.gi12kmax) + QStringLiteral(" , gi12kmin=") + v(q.gi12kmin) +
        QStringLiteral(" , gs12kmax=") + v(q.gs12kmax) + QStringLiteral(" , gs12kmin=") + v(q.gs12kmin) +
        QLatin1Char('\r') + QStringLiteral("Rtor(0)=") + v(q.Rtor[0]) + QStringLiteral(" , Rtor(") +
        QString::number(past) + QStringLiteral(")=") + v(pastRank) + QLatin1Char('\r') +
        QStringLiteral("gi6kmax=") + v(q.gi6kmax) + QStringLiteral(" , gi6kmin=") + v(q.gi6kmin) +
        QStringLiteral(" , gs6kmax=") + v(q.gs6kmax) + QStringLiteral(" , gs6kmin=") + v(q.gs6kmin);
    dialogs().beep();
    if (dialogs().askYesNo(text, handOverTitle()))
        context().windows.open(WindowId::CLFilt);
}

void FrmKuantum::saveRankGroups() {
    dialogs().beep();
    if (!m_report)
        return;
    const bool twelve = Option1->isChecked();
    const QString groups = twelve ? QStringLiteral("İlk 12, Son 12")
                                  : m_rowHeads[4]->text() + QStringLiteral(", ") + m_rowHeads[5]->text();
    if (!dialogs().askYesNo(groups +
                                QStringLiteral(" ve Diğer (Orta) Toplar guruplarını ve gurup sınırlarını "
                                               "'GRUPLAR.CFG' dosyasına kayıtlamak istiyormusunuz?"),
                            quantumTitle() + QStringLiteral(" [ Keyfi Guruplama Dosyasına Kayıt ]")))
        return;
    const GroupingConfig cfg = rankGroupsConfig(m_report->ranking, m_report->limits, twelve);
    if (!guarded([&] { saveGroupingConfig(dir(), cfg, state().game); }))
        return;
    dialogs().beep();
    dialogs().show(QStringLiteral("Guruplama 'GRUPLAR.CFG' dosyasına kayıtlandı."), quantumTitle(),
                   DialogIcon::None);
}

void FrmKuantum::showCoverage() {
    dialogs().beep();
    if (!m_report)
        return;
    const CoverageLimits c = coverageLimits(m_report->values, m_report->overall.min, m_report->overall.max);
    dialogs().show(QStringLiteral("%") + qtext(Str(c.percent)) + QStringLiteral(" Kuantum Sınırları:\r\r") +
                       QStringLiteral("Maksimum Kuantum =") + qtext(Str(c.high)) + QLatin1Char('\r') +
                       QStringLiteral("Minimum Kuantum = ") + qtext(Str(c.low)),
                   programTitle(), DialogIcon::None);
}

void FrmKuantum::openQuantumList() {
    context().windows.open(WindowId::KuantLst);
}

void FrmKuantum::openFollowing() {
    // The following-numbers window works on this window's results.
    state().RangeFirst = static_cast<int16_t>(m_first);
    state().RangeLast = static_cast<int16_t>(m_last);
    QWidget* following = context().windows.get(WindowId::Takip);
    if (!following)
        return;
    hide();
    connect(following, &QObject::destroyed, this, &FrmKuantum::showAgain, Qt::UniqueConnection);
    context().windows.open(WindowId::Takip);
}

void FrmKuantum::showAgain() {
    show();
    raise();
    activateWindow();
}

void FrmKuantum::showKeyHelp() {
    const QStringList lines{
        QStringLiteral("F1 = Kombinasyon Listesi ('VELMORIX.LST') Oluştur"),
        QStringLiteral(
            "F2 = Top Guruplarını ve Sınır Değerlerini Keyfi Guruplama ('GRUPLAR.CFG') Dosyasına Kayıtla"),
        QStringLiteral("F3 = Sonuçların % 80-85'ini Kapsayan Kuantum Sınırları"),
        QStringLiteral("F4 = Kombinasyon Listesini Göster"),
        QString(),
        QStringLiteral("F5 = Son Sonuca Göre Takip Eden Sayılar Analizi"),
        QString(),
        QStringLiteral("F10 = Komut Tuşları Bilgisi"),
        QString(),
        QStringLiteral("ESC = Kapat"),
    };
    dialogs().show(lines.join(QLatin1Char('\r')), quantumTitle(), DialogIcon::None);
}

} // namespace velmorix
