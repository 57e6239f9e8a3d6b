#include "FrmRep.h"

#include "analysis/ResultsRange.h"
#include "core/AppState.h"
#include "core/ColumnFile.h"
#include "core/Numbers.h"
#include "engine/PairsFile.h"
#include "platform/Dialogs.h"
#include "platform/Printer.h"
#include "windows/common/Placement.h"
#include "windows/common/ResultsRequest.h"
#include "windows/common/Text.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace velmorix {

namespace {

constexpr int MaxMinPairCount = 32767;
// Print layout in twips: 11-point lines from 500 down, 1000 from the left.
constexpr int PrintFontSize = 11;
constexpr int PrintLeft = 1000;
constexpr int PrintTop = 500;
constexpr int PrintLineHeight = 280;
constexpr int PrintPageBottom = 15300; // fits A4 and Letter

QString spacedTitle() {
    return QLatin1Char(' ') + programTitle();
}

QLabel* heading(const QString& text, QWidget* parent, Qt::Alignment align = Qt::AlignCenter) {
    auto* l = new QLabel(text, parent);
    l->setAlignment(align | Qt::AlignVCenter);
    return l;
}

} // namespace

FrmRep::FrmRep(AppContext& context, QWidget* parent) : VelmorixWindow(context, parent) {
    setObjectName(QStringLiteral("frmRep"));
    setWindowTitle(QStringLiteral("Top Tekrarları ve İstastistikler"));
    m_source = statisticsSource(state().ResultsDialogSubMode);
    m_first = state().RangeFirst;
    m_last = state().RangeLast;
    buildControls();
    placeCentred(this);
    BusyCursor busy;
    guarded([this] { load(); });
    const std::function<void()> beep = [this] { dialogs().beep(); };
    // A command of another source only beeps.
    const auto when = [&beep](bool available, std::function<void()> command) {
        return available ? command : beep;
    };
    const bool results = m_source == StatisticsSource::Results;
    setKeyCommands(
        {{Qt::Key_F1, when(results, [this] { makeForbiddenPairs(false); })},
         {Qt::Key_F2, when(results, [this] { makeForbiddenPairs(true); })},
         {Qt::Key_F3, when(results, [this] { showSumsWithoutExtremes(); })},
         {Qt::Key_F4, [this] { saveSumLimits(); }},
         {Qt::Key_F5, when(m_source == StatisticsSource::Played, [this] { comparePlayedWithResults(); })},
         {Qt::Key_F6, beep},
         {Qt::Key_F7, beep},
         {Qt::Key_F8, beep},
         {Qt::Key_F9, [this] { printBallCounts(); }},
         {Qt::Key_F10, [this] { showHelp(); }},
         {Qt::Key_F11, [this] { printPairCounts(); }},
         {Qt::Key_F12, [this] { printFigures(); }},
         {Qt::Key_Escape, [this] { close(); }}});
}

QLabel* FrmRep::figureLabel(int number, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(QStringLiteral("Label") + QString::number(number));
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setMinimumWidth(74);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return l;
}

void FrmRep::buildControls() {
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(10);
    QFont fixed(QStringLiteral("DejaVu Sans Mono"));
    fixed.setPointSize(9);

    Frame1 = new QGroupBox(QStringLiteral("Tek Top Tekrarları"), central);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    List1 = new QListWidget(Frame1);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setFont(fixed);
    List1->setMinimumWidth(190);
    (new QVBoxLayout(Frame1))->addWidget(List1);

    Frame2 = new QGroupBox(QStringLiteral("İki Top Tekrarları"), central);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    List2 = new QListWidget(Frame2);
    List2->setObjectName(QStringLiteral("List2"));
    List2->setFont(fixed);
    List2->setMinimumWidth(220);
    (new QVBoxLayout(Frame2))->addWidget(List2);

    auto* figures = new QVBoxLayout;
    auto* sums = new QGroupBox(QStringLiteral("Toplam ve Onluk Gurup Dağılımı"), central);
    auto* grid = new QGridLayout(sums);
    grid->setHorizontalSpacing(8);
    grid->addWidget(heading(QStringLiteral("Maksimum"), sums), 0, 1);
    grid->addWidget(heading(QStringLiteral("Minimum"), sums), 0, 2);
    grid->addWidget(heading(QStringLiteral("Ortalama"), sums), 0, 3);
    grid->addWidget(heading(QStringLiteral("TOPLAM"), sums, Qt::AlignLeft), 1, 0);
    grid->addWidget(Label2 = figureLabel(2, sums), 1, 1);
    grid->addWidget(Label3 = figureLabel(3, sums), 1, 2);
    grid->addWidget(Label4 = figureLabel(4, sums), 1, 3);
    const Game& game = state().game;
    for (int g = 0; g < game.decades(); ++g) {
        grid->addWidget(heading(qtext(game.decadeRange(g)), sums, Qt::AlignLeft), g + 2, 0);
        for (int k = 0; k < 3; ++k) {
            const int index = 3 * g + k;
            // Label21..Label35 for the first five decades; the further ones
            // follow the similarity figures (Label36..Label41).
            const int number = index < 15 ? 21 + index : 42 + index - 15;
            m_groupLabels[static_cast<std::size_t>(index)] = figureLabel(number, sums);
            grid->addWidget(m_groupLabels[static_cast<std::size_t>(index)], g + 2, k + 1);
        }
    }
    figures->addWidget(sums);

    auto* similar = new QGroupBox(QStringLiteral("Benzerlikler"), central);
    auto* sgrid = new QGridLayout(similar);
    sgrid->setHorizontalSpacing(8);
    sgrid->addWidget(heading(QStringLiteral("bir öncekiyle"), similar), 0, 1);
    sgrid->addWidget(heading(QStringLiteral("iki öncekiyle"), similar), 0, 2);
    sgrid->addWidget(heading(QStringLiteral("Maksimum Benzerlik"), similar), 0, 3);
    sgrid->addWidget(heading(QStringLiteral("Son Sonuç"), similar, Qt::AlignLeft), 1, 0);
    sgrid->addWidget(heading(QStringLiteral("Tümü"), similar, Qt::AlignLeft), 2, 0);
    for (int i = 0; i < 6; ++i) {
        m_similarityLabels[static_cast<std::size_t>(i)] = figureLabel(36 + i, similar);
        sgrid->addWidget(m_similarityLabels[static_cast<std::size_t>(i)], 1 + i / 3, 1 + i % 3);
    }
    figures->addWidget(similar);
    figures->addStretch(1);
    auto* hint = new QLabel(QStringLiteral("F10 = Yardım"), central);
    hint->setObjectName(QStringLiteral("Label1"));
    hint->setFrameShape(QFrame::Panel);
    hint->setFrameShadow(QFrame::Sunken);
    hint->setMargin(3);
    figures->addWidget(hint);

    layout->addWidget(Frame1);
    layout->addWidget(Frame2);
    layout->addLayout(figures);
    setCentralWidget(central);
    resize(900, 500);
}

void FrmRep::load() {
    const bool compute =
        m_source != StatisticsSource::Results || state().ResultsDialogMode == dialogmode::Repetitions;
    if (compute) {
        m_count = recordCount(dir(), statisticsSourceFile(m_source));
        if (m_count < 1) {
            dialogs().beep();
            dialogs().show(qtext(nothingToEvaluateText(m_source)), programTitle(), DialogIcon::Exclamation);
            return;
        }
        const int32_t columns = m_last >= m_first ? m_last - m_first + 1 : 0;
        const std::vector<ColumnRecord> range =
            readRecords(dir(), statisticsSourceFile(m_source), m_first, columns);
        m_stats = computeRangeStatistics(range, m_source == StatisticsSource::Results, state().game);
        state().Statistics = m_stats.figures;
        m_computed = true;
        showFigures();
    }
    ResultsRequest::answer(state(), dialogmode::Done);
    setWindowTitle(qtext(statisticsCaption(m_source, m_first, m_last)));
}

void FrmRep::showFigures() {
    List1->clear();
    for (const std::string& line : ballCountLines(m_stats.counts))
        List1->addItem(qtext(line));
    List2->clear();
    for (const PairCountLine& line : pairCountLines(m_stats.counts))
        List2->addItem(qtext(line.text));
    Label2->setText(qtext(m_stats.sumHighText()));
    Label3->setText(qtext(m_stats.sumLowText()));
    Label4->setText(qtext(m_stats.sumMeanText()));
    // The decades the figures hold.
    const int decades = std::min(state().game.decades(), static_cast<int>(m_stats.figures.GroupHigh.size()));
    for (int g = 0; g < decades; ++g) {
        m_groupLabels[static_cast<std::size_t>(3 * g)]->setText(qtext(m_stats.groupHighText(g)));
        m_groupLabels[static_cast<std::size_t>(3 * g + 1)]->setText(qtext(m_stats.groupLowText(g)));
        m_groupLabels[static_cast<std::size_t>(3 * g + 2)]->setText(qtext(m_stats.groupMeanText(g)));
    }
    const std::array<std::string, 6> similarity = m_stats.similarityTexts();
    for (std::size_t i = 0; i < 6; ++i)
        m_similarityLabels[i]->setText(qtext(similarity[i]));
}

void FrmRep::onActivated() {
    if (!returningFromModal())
        dialogs().beep();
}

bool FrmRep::rangeStillValid() {
    const int32_t count = recordCount(dir(), files::Results);
    return m_first >= 1 && m_first <= m_last && m_last <= count;
}

void FrmRep::makeForbiddenPairs(bool addToExisting) {
    const QString title = addToExisting ? QStringLiteral("YASAK İKİLİLERE EKLEME")
                                        : QStringLiteral("YASAK İKİLİLER DOSYASI OLUŞTURMA");
    const QString prompt =
        addToExisting
            ? QStringLiteral("Yasak ikililere eklenecek ikililer için en az tekrar sayısını girin")
            : QStringLiteral(
                  "Yasak ikililer dosyasına kayıtlanacak ikililer için en az tekrar sayısını girin");
    auto ask = [&](const QString& defaultText) {
        return dialogs().input(prompt, title, defaultText).value_or(QString()).toStdString();
    };
    std::string answer = ask(QStringLiteral("1"));
    if (Val(answer) > MaxMinPairCount) {
        answer = ask(QString::number(MaxMinPairCount));
        if (ValWhole(answer) > MaxMinPairCount)
            return;
    }
    const int64_t minCount = ValWhole(answer);
    const int32_t columns = m_last - m_first + 1;
    if (minCount < 1 || minCount >= columns)
        return;
    state().MinPairCount = static_cast<int16_t>(minCount);
    guarded([&] {
        if (!rangeStillValid())
            return;
        RepetitionCounts counts = RepetitionCounts::of(readResultRange(dir(), m_first, m_last), state().game);
        const int32_t written = writePairsFromCounts(dir(), counts.pair, static_cast<int16_t>(minCount),
                                                     addToExisting, state().game);
        if (addToExisting)
            dialogs().show(qtext(Str(written)) +
                               QStringLiteral(" ikili Yasak İkililer dosyası VELMORIX.YS2'ye kayıtlandı ..."),
                           spacedTitle(), DialogIcon::None);
        else
            dialogs().show(qtext(Str(written)) +
                               QStringLiteral(" ikili 'VELMORIX.YS2' dosyasına kayıtlandı ..."),
                           programTitle(), DialogIcon::None);
    });
}

void FrmRep::showSumsWithoutExtremes() {
    guarded([this] {
        if (recordCount(dir(), files::Results) < 4 || !rangeStillValid())
            return;
        const ExtremeFreeSums sums =
            sumsWithoutExtremes(readResultRange(dir(), m_first, m_last), m_stats.figures.SumLow,
                                m_stats.figures.SumHigh, state().game);
        dialogs().beep();
        if (const auto message = extremeFreeSumsMessage(sums, m_stats.figures, m_first, m_last))
            dialogs().show(qtext(message->text), qtext(message->title), DialogIcon::None);
    });
}

void FrmRep::saveSumLimits() {
    dialogs().beep();
    if (m_source != StatisticsSource::Results || !m_computed || recordCount(dir(), files::Results) <= 2 ||
        !sumLimitsCanBeSaved(dir(), state().game))
        return;
    if (!dialogs().askYesNo(
            QStringLiteral(
                "Şimdiki Toplam Limitleri'ni 'VELMORIX.FLT' dosyasına kayıtlamak istiyormusunuz ?"),
            QStringLiteral("TOPLAM Limitlerini TOPLAM Filtreleri olarak kayıtla")))
        return;
    guarded([this] {
        const int16_t low = m_stats.figures.SumLow;
        const int16_t high = m_stats.figures.SumHigh;
        if (!velmorix::saveSumLimits(dir(), low, high, state().game))
            return;
        state().Selection.SumRule[1] = low;
        state().Selection.SumRule[2] = high;
        dialogs().beep();
    });
}

void FrmRep::comparePlayedWithResults() {
    guarded([this] {
        const int32_t results = recordCount(dir(), files::Results);
        if (results < 1) {
            dialogs().beep();
            return;
        }
        const ColumnRecord last = readRecord(dir(), files::Results, results);
        std::optional<ColumnRecord> secondLast;
        if (results >= 2)
            secondLast = readRecord(dir(), files::Results, results - 1);
        const PlayedSimilarity s = velmorix::comparePlayedWithResults(readAllRecords(dir(), files::Played),
                                                                      last, secondLast, state().game);
        const ReportMessage m = playedSimilarityMessage(s);
        dialogs().show(qtext(m.text), qtext(m.title), DialogIcon::None);
    });
}

void FrmRep::print(const std::vector<std::string>& lines) {
    Printer& printer = context().printer;
    if (!printer.ready() || !printer.begin(PrintFontSize)) {
        dialogs().beep();
        dialogs().show(printerNotReadyText(), errorTitle(), DialogIcon::None);
        return;
    }
    BusyCursor busy;
    int y = PrintTop;
    for (const std::string& line : lines) {
        if (y + PrintLineHeight > PrintPageBottom) {
            printer.newPage();
            y = PrintTop;
        }
        printer.printAt(PrintLeft, y, qtext(line));
        y += PrintLineHeight;
    }
    printer.end();
}

void FrmRep::printBallCounts() {
    if (!dialogs().askYesNo(qtext(state().game.tag()) +
                                QStringLiteral(" Top Tekrar Sayıları'nı basmak/yazdırmak istiyormusunuz ?"),
                            programTitle()))
        return;
    print(ballCountPrintout(m_source, m_last - m_first + 1, m_stats, reportDateTime(context().clock)));
}

void FrmRep::printPairCounts() {
    if (!dialogs().askYesNo(
            qtext(state().game.tag()) +
                QStringLiteral(" İkili Top Tekrar Sayıları'nı basmak/yazdırmak istiyormusunuz ?"),
            programTitle()))
        return;
    print(pairCountPrintout(m_source, m_last - m_first + 1, m_stats, reportDateTime(context().clock)));
}

void FrmRep::printFigures() {
    if (m_count < 1) {
        dialogs().beep();
        return;
    }
    print(figuresPrintout(m_source, m_first, m_last, m_stats, reportDateTime(context().clock)));
}

void FrmRep::showHelp() {
    dialogs().beep();
    dialogs().show(qtext(statisticsHelpText(m_source)), QLatin1Char(' ') + programTitleLong(),
                   DialogIcon::None);
}

} // namespace velmorix
