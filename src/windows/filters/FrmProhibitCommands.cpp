// The commands of the filters window: runs of the engine, the selection file,
// the column under test, the bag and bankers from the results, other windows.
#include "FrmProhibit.h"

#include "ProhibitTexts.h"
#include "SelectionView.h"

#include "core/AppState.h"
#include "core/Clock.h"
#include "core/ColumnFile.h"
#include "core/FileError.h"
#include "core/ListUndo.h"
#include "core/Numbers.h"
#include "core/Program.h"
#include "core/Random.h"
#include "engine/ColumnEvaluator.h"
#include "engine/ListBuilder.h"
#include "engine/ListFilter.h"
#include "engine/ListTexts.h"
#include "engine/RunContext.h"
#include "engine/SelectionFile.h"
#include "platform/Dialogs.h"
#include "windows/common/Text.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace velmorix {

namespace {

DialogIcon iconOf(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Question:
        return DialogIcon::Question;
    case MessageIcon::Exclamation:
        return DialogIcon::Exclamation;
    case MessageIcon::None:
        break;
    }
    return DialogIcon::None;
}

// Marks the window as running a long command for its lifetime.
class RunningFlag {
public:
    explicit RunningFlag(bool& flag) : m_flag(flag) { m_flag = true; }
    ~RunningFlag() { m_flag = false; }
    RunningFlag(const RunningFlag&) = delete;
    RunningFlag& operator=(const RunningFlag&) = delete;

private:
    bool& m_flag;
};

// A run turns the ticked "Son hafta sayı farkı yasak" (-1) into the last
// result's span. Left so, the box would show unticked on the next activation
// and the player's choice would quietly fall away; keep the choice once the
// run is over. A span of 0 (no result on file) stays: that filter had no data.
class SpanChoiceKeeper {
public:
    explicit SpanChoiceKeeper(FilterSelection& selection)
        : m_selection(selection), m_ticked(selection.LastWeekSpanBan == -1) {}
    ~SpanChoiceKeeper() {
        if (m_ticked && m_selection.LastWeekSpanBan > 0)
            m_selection.LastWeekSpanBan = -1;
    }
    SpanChoiceKeeper(const SpanChoiceKeeper&) = delete;
    SpanChoiceKeeper& operator=(const SpanChoiceKeeper&) = delete;

private:
    FilterSelection& m_selection;
    bool m_ticked;
};

} // namespace

void FrmProhibit::showMessage(const Message& message) {
    dialogs().show(qtext(message.text), qtext(message.title), iconOf(message.icon));
}

void FrmProhibit::showLabels(const StatusLabels& labels) {
    Label10->setText(qtext(labels.Label10));
    Label11->setText(qtext(labels.Label11));
    Label12->setText(qtext(labels.Label12));
    Label13->setText(qtext(labels.Label13));
}

RunCallbacks FrmProhibit::runCallbacks(std::optional<BusyCursor>& busy) {
    RunCallbacks callbacks;
    callbacks.confirm = [this, &busy](const Question& question) {
        // No wait cursor over a question.
        busy.reset();
        dialogs().beep();
        const bool yes = dialogs().askYesNo(qtext(question.text), qtext(question.title));
        busy.emplace();
        return yes;
    };
    callbacks.progress = [this](const ProgressReport& report) {
        if (report.phase == 0)
            setWindowTitle(prohibittexts::windowTitle());
        else
            showProgressTitle(qtext(report.title));
    };
    callbacks.labels = [this](const StatusLabels& labels) { showLabels(labels); };
    return callbacks;
}

void FrmProhibit::createList() {
    if (m_running)
        return;
    readSelection();
    // A list of every candidate may not fit on the disk: ask before anything is written.
    if (const ListSpace space = listSpace(state(), dir()); !space.fits) {
        dialogs().beep();
        const Question question = listSpaceQuestion(space);
        if (!dialogs().askYesNo(qtext(question.text), qtext(question.title)))
            return;
    }
    dialogs().beep();
    BuildResult result;
    {
        const RunningFlag running(m_running);
        const SpanChoiceKeeper keepSpan(state().Selection);
        std::optional<BusyCursor> busy;
        busy.emplace();
        result = BuildNewList(state(), dir(), context().clock, runCallbacks(busy));
        busy.reset();
        setWindowTitle(prohibittexts::windowTitle());
        if (result.message) {
            dialogs().beep();
            showMessage(*result.message);
        }
    }
    dialogs().beep();
    for (const Message& m : buildReport(result))
        showMessage(m);
}

void FrmProhibit::applyFilters(bool fromMenu) {
    if (m_running)
        return;
    dialogs().beep();
    if (!dir().exists(files::List))
        return;
    readSelection();
    const Question question = listtexts::applyFiltersQuestion(fromMenu);
    if (!dialogs().askYesNo(qtext(question.text), qtext(question.title)))
        return;
    FilterResult result;
    {
        const RunningFlag running(m_running);
        const SpanChoiceKeeper keepSpan(state().Selection);
        std::optional<BusyCursor> busy;
        busy.emplace();
        result = FilterExistingList(state(), dir(), context().clock, runCallbacks(busy));
        busy.reset();
        setWindowTitle(prohibittexts::windowTitle());
        if (result.message) {
            dialogs().beep();
            showMessage(*result.message);
        }
    }
    const std::vector<Message> report = filterReport(result, fromMenu);
    if (!result.listNotBuilt && !report.empty())
        dialogs().beep();
    for (const Message& m : report)
        showMessage(m);
}

void FrmProhibit::deleteList() {
    if (!dir().exists(files::List))
        return;
    if (!dialogs().askYesNo(prohibittexts::deleteListQuestion(), programTitle()))
        return;
    guarded([this] {
        const ListUndoPoint undo(dir(), ListDeletionName);
        dir().remove(files::List);
    });
}

void FrmProhibit::undoListChange() {
    if (m_running)
        return;
    dialogs().beep();
    UndoResult result;
    if (!guarded([&] { result = undoLastListChange(dir()); }))
        return;
    const int32_t columns = dir().exists(files::List) ? recordCount(dir(), files::List) : -1;
    dialogs().show(QString::fromStdString(undoMessage(result, columns)), programTitle(),
                   result.outcome == UndoOutcome::Nothing ? DialogIcon::Exclamation : DialogIcon::None);
}

void FrmProhibit::loadSelection() {
    const SelectionFileState fileState = selectionFileState(dir(), state().game);
    if (fileState == SelectionFileState::Missing)
        return;
    dialogs().beep();
    if (fileState == SelectionFileState::WrongSize) {
        dialogs().show(QString::fromStdString(selectionfile::wrongSizeText(state().game)), errorTitle(),
                       DialogIcon::Exclamation);
        return;
    }
    if (!dialogs().askYesNo(QString::fromUtf8(selectionfile::LoadQuestion), programTitle()))
        return;
    bool loaded = false;
    if (!guarded([&] { loaded = loadSelectionFile(dir(), state().Selection, state().game); }) || !loaded)
        return;
    showSelection();
}

void FrmProhibit::saveSelection() {
    dialogs().beep();
    if (!dialogs().askYesNo(QString::fromUtf8(selectionfile::SaveQuestion), programTitle()))
        return;
    readSelection();
    if (!guarded([this] { saveSelectionFile(dir(), state().Selection, state().game); }))
        return;
    dialogs().show(QString::fromUtf8(selectionfile::SavedText), programTitle(), DialogIcon::None);
}

std::optional<std::array<int16_t, 6>> FrmProhibit::readColumn() {
    std::array<int16_t, 6> balls{};
    for (int k = 1; k <= 6; ++k) {
        // Read wide: 40000 is simply not a ball.
        const int64_t v = ValWhole(Text3[static_cast<std::size_t>(k - 1)]->text().toStdString());
        if (!state().game.isBall(v)) {
            dialogs().beep();
            dialogs().show(prohibittexts::invalidBox(k), errorTitle(), DialogIcon::Exclamation);
            Text3[static_cast<std::size_t>(k - 1)]->setFocus();
            return std::nullopt;
        }
        balls[static_cast<std::size_t>(k - 1)] = static_cast<int16_t>(v);
    }
    for (int i = 1; i <= 5; ++i)
        for (int j = i + 1; j <= 6; ++j)
            if (balls[static_cast<std::size_t>(i - 1)] == balls[static_cast<std::size_t>(j - 1)]) {
                dialogs().beep();
                dialogs().show(prohibittexts::repeatedBox(j, i), errorTitle(), DialogIcon::Exclamation);
                Text3[static_cast<std::size_t>(j - 1)]->setFocus();
                return std::nullopt;
            }
    return balls;
}

void FrmProhibit::showColumn(const std::array<int16_t, 6>& balls) {
    for (std::size_t i = 0; i < balls.size(); ++i)
        Text3[i]->setText(QString::number(balls[i]));
}

void FrmProhibit::testColumn() {
    if (m_running)
        return;
    auto read = readColumn();
    if (!read)
        return;
    // The window's own copy: the main window's column stays as it is.
    std::array<int16_t, 6> balls = *read;
    int sum = 0;
    for (int16_t b : balls)
        sum += b;
    std::sort(balls.begin(), balls.end());
    showColumn(balls);

    readSelection();
    FilterSelection& selection = state().Selection;
    if (selection.ChaosOn != 0)
        selection.MathRelOff = -1;

    const BankoList& bankers = state().BankoBalls;
    if (bankers.count() > 0) {
        bool holdsAll = true;
        for (int i = 1; i <= bankers.count(); ++i)
            holdsAll = holdsAll && std::find(balls.begin(), balls.end(), bankers[i]) != balls.end();
        if (!holdsAll) {
            dialogs().beep();
            if (!dialogs().askYesNo(prohibittexts::bankerQuestion(), warningTitle()))
                return;
        }
    }
    int allowed = 0;
    for (int16_t b : balls)
        allowed += state().BagBalls.contains(b) || bankers.contains(b) ? 1 : 0;
    if (allowed < 6) {
        dialogs().beep();
        if (!dialogs().askYesNo(prohibittexts::bagQuestion(), warningTitle()))
            return;
    }

    bool passes = false;
    const bool ran = guarded([&] {
        const SpanChoiceKeeper keepSpan(selection);
        const BusyCursor busy;
        const RunContext ctx = prepareRunContext(selection, dir(), state().game);
        ColumnRecord record;
        record.Ball = balls;
        passes = ColumnEvaluator(selection, ctx).evaluate(record);
    });
    if (!ran)
        return;
    dialogs().beep();
    if (passes)
        dialogs().show(prohibittexts::columnFits(sum), prohibittexts::fitsTitle(), DialogIcon::None);
    else
        dialogs().show(prohibittexts::columnFails(), prohibittexts::failsTitle(), DialogIcon::None);
}

void FrmProhibit::savePlayedColumn() {
    dialogs().beep();
    if (!dialogs().askYesNo(prohibittexts::savePlayedQuestion(), prohibittexts::playedTitle()))
        return;
    auto read = readColumn();
    if (!read)
        return;
    std::array<int16_t, 6> balls = *read;
    int sum = 0;
    for (int16_t b : balls)
        sum += b;
    std::sort(balls.begin(), balls.end());
    showColumn(balls);
    int32_t recordNumber = 0;
    const bool saved = guarded([&] {
        ColumnRecord record;
        record.Tag = sum;
        record.Ball = balls;
        appendRecord(dir(), files::Played, record);
        recordNumber = recordCount(dir(), files::Played);
    });
    if (!saved)
        return;
    dialogs().beep();
    dialogs().show(prohibittexts::playedSaved(recordNumber), prohibittexts::playedTitle(), DialogIcon::None);
}

void FrmProhibit::newEntry() {
    dialogs().beep();
    for (QLineEdit* box : Text3)
        box->clear();
}

void FrmProhibit::randomColumn() {
    if (!canDrawColumn(state())) {
        dialogs().show(prohibittexts::tooFewBalls(), prohibittexts::refusedDrawTitle(),
                       DialogIcon::Exclamation);
        return;
    }
    Random& random = context().random;
    random.seed(context().clock.seed());
    std::array<int16_t, 6> balls{};
    for (int p = 1; p <= 6; ++p) {
        int16_t ball = GetBall(state(), random, p);
        // Bag and bankers hold six distinct balls, so a repeat is soon redrawn away.
        for (int tries = 0; tries < 100000 && std::find(balls.begin(), balls.begin() + (p - 1), ball) !=
                                                  balls.begin() + (p - 1);
             ++tries)
            ball = GetBall(state(), random, p);
        balls[static_cast<std::size_t>(p - 1)] = ball;
    }
    dialogs().beep();
    showColumn(balls);
}

} // namespace velmorix
