#include "ResultsRequest.h"

#include "WindowRegistry.h"

#include "core/AppState.h"
#include "core/ColumnFile.h"
#include "platform/Dialogs.h"

#include <QTimer>
#include <utility>

namespace velmorix {

ResultsRequest::ResultsRequest(AppContext& context, QObject* owner, std::function<void()> onAnswer)
    : m_context(context), m_timer(new QTimer(owner)), m_onAnswer(std::move(onAnswer)) {
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(250);
}

void ResultsRequest::ask(const QString& question, int16_t mode) {
    m_context.dialogs.beep();
    if (recordCount(m_context.dir, files::Results) < 1)
        return;
    if (!m_context.dialogs.askYesNo(question, programTitle()))
        return;
    m_timer->start();
    open(m_context, ResultsSource::Results, mode);
}

void ResultsRequest::showDrawnBalls() {
    m_context.dialogs.beep();
    open(m_context, ResultsSource::Results, dialogmode::Repetitions);
}

void ResultsRequest::poll() {
    if (m_context.state.ResultsDialogMode == dialogmode::Closed) {
        m_timer->stop();
    } else if (m_context.state.ResultsDialogMode == dialogmode::Done) {
        m_onAnswer();
        m_timer->stop();
    }
}

bool ResultsRequest::isWaiting() const {
    return m_timer->isActive();
}

void ResultsRequest::open(AppContext& context, ResultsSource source) {
    context.state.ResultsDialogSubMode = static_cast<int16_t>(source);
    context.windows.open(WindowId::ResFilt);
}

void ResultsRequest::open(AppContext& context, ResultsSource source, int16_t mode) {
    context.state.ResultsDialogMode = mode;
    open(context, source);
}

void ResultsRequest::answer(AppState& state, int16_t mode) {
    state.ResultsDialogMode = mode;
}

} // namespace velmorix
