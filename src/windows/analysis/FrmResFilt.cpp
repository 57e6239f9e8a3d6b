#include "FrmResFilt.h"

#include "analysis/AutoSelection.h"
#include "analysis/ChaosReport.h"
#include "analysis/RepetitionCounts.h"
#include "analysis/ResultsRange.h"
#include "analysis/StatisticsReport.h"
#include "core/AppState.h"
#include "core/ColumnFile.h"
#include "core/FileError.h"
#include "core/Numbers.h"
#include "engine/PairsFile.h"
#include "platform/Dialogs.h"
#include "windows/common/Placement.h"
#include "windows/common/ResultsRequest.h"
#include "windows/common/Text.h"
#include "windows/common/WindowRegistry.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

namespace velmorix {

namespace {

// The file a source code stands for, and its words for "nothing there".
StatisticsSource sourceOf(int16_t subMode) {
    return subMode == static_cast<int16_t>(ResultsSource::ChaosTest) ? StatisticsSource::Results
                                                                     : statisticsSource(subMode);
}

QString spacedTitle() {
    return QLatin1Char(' ') + programTitle();
}

// A box's text read as a number, as the box shows it afterwards.
QString numberText(const QString& text) {
    const double v = Val(text.toStdString());
    if (std::isfinite(v) && std::fabs(v) < 1e15 && v == std::floor(v))
        return QString::number(static_cast<qint64>(v));
    return QString::number(v, 'g', 15);
}

} // namespace

FrmResFilt::FrmResFilt(AppContext& context, QWidget* parent) : VelmorixWindow(context, parent) {
    setObjectName(QStringLiteral("frmResFilt"));
    buildControls();
    showRequest();
    placeCentred(this);
}

void FrmResFilt::showRequest() {
    const auto sub = static_cast<ResultsSource>(state().ResultsDialogSubMode);
    setWindowTitle(sub == ResultsSource::Results || sub == ResultsSource::ChaosTest
                       ? caption()
                       : QStringLiteral("Kolonlar (Kullanılacak Olan)"));
    const bool minCount = asksForMinCount();
    Label3->setVisible(minCount);
    Text3->setVisible(minCount);
    setFixedSize(minCount ? QSize(310, 156) : QSize(310, 122));
}

FrmResFilt::~FrmResFilt() {
    // The boxes lose the focus while the window is taken down; nothing may be
    // rewritten then.
    Text1->disconnect(this);
    Text2->disconnect(this);
}

QString FrmResFilt::caption() {
    return QStringLiteral("Sonuçlar (Kullanılacak Olan)");
}

void FrmResFilt::buildControls() {
    auto* central = new QWidget(this);
    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(14, 12, 14, 12);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    auto label = [central](const char* name, const QString& text) {
        auto* l = new QLabel(text, central);
        l->setObjectName(QString::fromLatin1(name));
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return l;
    };
    auto box = [central](const char* name) {
        auto* t = new QLineEdit(central);
        t->setObjectName(QString::fromLatin1(name));
        t->setMaxLength(12);
        return t;
    };
    Label1 = label("Label1", QStringLiteral("Başlama :"));
    Label2 = label("Label2", QStringLiteral("Bitiş :"));
    Label3 = label("Label3", QStringLiteral("En Az Tekrar :"));
    Text1 = box("Text1");
    Text2 = box("Text2");
    Text3 = box("Text3");
    Text1->setText(QStringLiteral("1"));
    Text3->setText(QStringLiteral("1"));
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Text1, 0, 1);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(Text2, 1, 1);
    grid->addWidget(Label3, 2, 0);
    grid->addWidget(Text3, 2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    Command1 = new QPushButton(QStringLiteral("Uygula"), central);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(QStringLiteral("İptal"), central);
    Command2->setObjectName(QStringLiteral("Command2"));
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    grid->addLayout(buttons, 3, 0, 1, 2);
    grid->setRowStretch(4, 1);
    setCentralWidget(central);

    connect(Command1, &QPushButton::clicked, this, &FrmResFilt::apply);
    connect(Command2, &QPushButton::clicked, this, &FrmResFilt::closeDialog);
    connect(Text1, &QLineEdit::editingFinished, this, [this] { rewriteAsNumber(Text1); });
    connect(Text2, &QLineEdit::editingFinished, this, [this] { rewriteAsNumber(Text2); });
}

bool FrmResFilt::asksForMinCount() {
    const AppState& s = state();
    return s.ResultsDialogSubMode == static_cast<int16_t>(ResultsSource::Results) &&
           (s.ResultsDialogMode == 6 || s.ResultsDialogMode == 7);
}

void FrmResFilt::countSource() {
    m_count = recordCount(dir(), statisticsSourceFile(sourceOf(state().ResultsDialogSubMode)));
}

void FrmResFilt::onActivated() {
    // A message box of this dialog handing the focus back is no new activation:
    // the boxes keep what the user typed.
    if (m_closing || returningFromModal())
        return;
    // The dialog may be asked again for another operation while it is open.
    showRequest();
    countSource();
    if (m_count < 1) {
        refuseEmptySource();
        return;
    }
    // The end box follows the file, not the activation: a range the user
    // typed stays while the source and its record count are the same.
    const auto source = static_cast<int16_t>(sourceOf(state().ResultsDialogSubMode));
    if (m_count != m_shownCount || source != m_shownSource) {
        Text2->setText(qtext(digits(m_count)));
        m_shownCount = m_count;
        m_shownSource = source;
    }
}

void FrmResFilt::refuseEmptySource() {
    dialogs().beep();
    dialogs().show(qtext(nothingToEvaluateText(sourceOf(state().ResultsDialogSubMode))), programTitle(),
                   DialogIcon::Exclamation);
    closeDialog();
}

void FrmResFilt::closeDialog() {
    m_closing = true;
    close();
}

void FrmResFilt::closeEvent(QCloseEvent* event) {
    m_closing = true;
    if (state().ResultsDialogMode != dialogmode::Done)
        ResultsRequest::answer(state(), dialogmode::Closed);
    VelmorixWindow::closeEvent(event);
}

bool FrmResFilt::handleKey(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        QWidget* focus = focusWidget();
        if (focus == Text1) {
            Text2->setFocus();
        } else if (focus == Text2) {
            if (Text3->isVisible())
                Text3->setFocus();
            else
                Command1->setFocus();
        } else if (focus == Text3) {
            Command1->setFocus();
        } else if (focus == Command1) {
            apply();
        } else if (focus == Command2) {
            closeDialog();
        } else {
            return false;
        }
        return true;
    }
    return runKeyCommand(event, {{Qt::Key_F1, [this] { apply(); }},
                                 {Qt::Key_F10, [this] { showHelp(); }},
                                 {Qt::Key_Escape, [this] { closeDialog(); }}});
}

void FrmResFilt::showHelp() {
    showKeysBox(QStringLiteral("F1= Uygula\r\rESC= İptal/Kapat"));
}

void FrmResFilt::rewriteAsNumber(QLineEdit* box) {
    box->setText(numberText(box->text()));
}

void FrmResFilt::showError(const std::string& text, QLineEdit* focus) {
    dialogs().show(qtext(text), errorTitle(), DialogIcon::Exclamation);
    focus->setFocus();
    focus->selectAll();
}

bool FrmResFilt::acceptRange() {
    const RangeCheck check = checkRange(Text1->text().toStdString(), Text2->text().toStdString(), m_count);
    QLineEdit* box = check.inStartBox() ? Text1 : Text2;
    if (!check.boxReset.empty()) {
        box->setText(qtext(check.boxReset));
        box->setFocus();
        return false;
    }
    if (!check.ok()) {
        showError(check.message, box);
        return false;
    }
    state().RangeFirst = check.first;
    state().RangeLast = check.last;
    return true;
}

void FrmResFilt::apply() {
    dialogs().beep();
    const bool done = guarded([this] {
        countSource();
        if (m_count < 1) {
            refuseEmptySource();
            return;
        }
        if (!acceptRange())
            return;
        const auto sub = static_cast<ResultsSource>(state().ResultsDialogSubMode);
        const int16_t mode = state().ResultsDialogMode;
        if (sub == ResultsSource::ChaosTest) {
            runChaosTest();
            return;
        }
        if (sub != ResultsSource::Results || mode == dialogmode::Repetitions) {
            openStatistics();
            return;
        }
        runResultsOperation(mode);
    });
    if (!done)
        setWindowTitle(caption());
}

void FrmResFilt::openStatistics() {
    BusyCursor busy;
    // A statistics window still showing another range is built afresh, so
    // the figures always belong to the range just chosen.
    if (QWidget* old = context().windows.find(WindowId::Rep)) {
        old->close();
        delete old;
    }
    context().windows.open(WindowId::Rep);
    closeDialog();
}

void FrmResFilt::runChaosTest() {
    Command2->setText(QStringLiteral("Kapat"));
    ChaosRun run;
    {
        BusyCursor busy;
        run = runChaosReport(
            dir(), state().RangeFirst, state().RangeLast, reportDateTime(context().clock),
            [this](const std::string& c) { showProgressTitle(qtext(c)); }, state().game);
    }
    setWindowTitle(caption());
    switch (run.outcome) {
    case ChaosRun::Outcome::NoResults:
        dialogs().beep();
        closeDialog();
        return;
    case ChaosRun::Outcome::TooFewResults:
        dialogs().beep();
        dialogs().show(qtext(ChaosTooFewText), QStringLiteral("!Dikkat!"), DialogIcon::Exclamation);
        return;
    case ChaosRun::Outcome::OutsideFile:
        m_count = run.count;
        showError(checkRange("1", "0", run.count).message, Text2);
        return;
    case ChaosRun::Outcome::Written:
        dialogs().beep();
        dialogs().show(qtext(chaosWrittenText(run.bytes)), spacedTitle(), DialogIcon::None);
        return;
    }
}

void FrmResFilt::runResultsOperation(int16_t mode) {
    int16_t minCount = 0;
    const int32_t draws = state().RangeLast - state().RangeFirst + 1;
    if (mode == 6 || mode == 7) {
        const MinCountCheck check = checkMinPairCount(Text3->text().toStdString(), draws);
        if (!check.ok()) {
            showError(check.message, Text3);
            return;
        }
        minCount = static_cast<int16_t>(check.value);
    }
    Command2->setText(QStringLiteral("Kapat"));
    if (recordCount(dir(), files::Results) < 1) {
        dialogs().beep();
        closeDialog();
        return;
    }
    const std::vector<ColumnRecord> results = readResultRange(dir(), state().RangeFirst, state().RangeLast);
    const RepetitionCounts counts =
        mode >= 8 && mode <= 10 ? RepetitionCounts{} : RepetitionCounts::of(results, state().game);
    AppState& s = state();
    switch (mode) {
    case dialogmode::MostDrawn:
    case dialogmode::LeastDrawn:
    case dialogmode::MiddleDrawn:
        s.BagBalls = mode == dialogmode::MostDrawn    ? mostDrawnBag(counts.ball, draws, counts.game)
                     : mode == dialogmode::LeastDrawn ? leastDrawnBag(counts.ball, draws, counts.game)
                                                      : averageDrawnBag(counts.ball, draws, counts.game);
        ResultsRequest::answer(s, dialogmode::Done);
        break;
    case dialogmode::MostBanko:
    case dialogmode::LeastBanko:
    case dialogmode::MiddleBanko: {
        const int banker = mode == dialogmode::MostBanko    ? mostDrawnBanker(counts.ball, counts.game)
                           : mode == dialogmode::LeastBanko ? leastDrawnBanker(counts.ball, counts.game)
                                                            : middleDrawnBanker(counts.ball, counts.game);
        s.BankoBalls.clear();
        s.BankoBalls.push(banker);
        ResultsRequest::answer(s, dialogmode::Done);
        break;
    }
    case 6:
    case 7: {
        s.MinPairCount = minCount;
        PairTable pairs = counts.pair;
        const int32_t written = writePairsFromCounts(dir(), pairs, minCount, mode == 7, state().game);
        setWindowTitle(qtext(Str(written)) + QStringLiteral(". ikili kayıtlandı..."));
        dialogs().beep();
        dialogs().show(qtext(Str(written)) +
                           QStringLiteral(" ikili Yasak İkililer dosyası VELMORIX.YS2'ye kayıtlandı ..."),
                       spacedTitle(), DialogIcon::None);
        break;
    }
    case 8:
    case 9: {
        const int32_t added = mode == 8 ? saveResultsAsSextets(dir(), results)
                                        : addResultsToSextets(dir(), results, state().game);
        setWindowTitle(qtext(Str(added)) + QStringLiteral(" sonuç kayıtlandı..."));
        if (added > 0)
            dialogs().show(qtext(Str(added)) +
                               (mode == 8 ? QStringLiteral(" kombinasyon Yasak Kombinasyonlar dosyası "
                                                           "VELMORIX.YSK'ye kayıtlandı ...")
                                          : QStringLiteral(" kombinasyon Yasak Kombinasyonlar dosyası "
                                                           "VELMORIX.YSK'ye eklendi ...")),
                           spacedTitle(), DialogIcon::None);
        break;
    }
    case 10:
        saveResultsAsList(dir(), results);
        dialogs().beep();
        dialogs().show(QStringLiteral("VELMORIX.RES dosyası VELMORIX.LST olarak kayıtlandı ..."),
                       programTitle(), DialogIcon::None);
        break;
    default:
        break;
    }
    closeDialog();
}

} // namespace velmorix
