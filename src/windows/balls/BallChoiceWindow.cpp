#include "BallChoiceWindow.h"

#include "BallWindowTexts.h"

#include "platform/Dialogs.h"

#include <QTimer>
#include <utility>

namespace velmorix {

BallChoiceWindow::BallChoiceWindow(AppContext& context, QWidget* parent) : VelmorixWindow(context, parent) {}

BallChoiceWindow::~BallChoiceWindow() = default;

void BallChoiceWindow::awaitResultsWith(std::function<void()> onAnswer) {
    m_results = std::make_unique<ResultsRequest>(context(), this, std::move(onAnswer));
    connect(m_results->timer(), &QTimer::timeout, this, &BallChoiceWindow::pollResults);
}

void BallChoiceWindow::askResults(const QString& question, int16_t mode) {
    m_results->ask(question, mode);
}

void BallChoiceWindow::showDrawnBalls() {
    m_results->showDrawnBalls();
}

void BallChoiceWindow::pollResults() {
    m_results->poll();
}

bool BallChoiceWindow::isWaiting() const {
    return m_results->isWaiting();
}

void BallChoiceWindow::confirmAndSave(const QString& question, const std::function<void()>& take,
                                      const std::function<void()>& write) {
    dialogs().beep();
    if (!dialogs().askYesNo(question, programTitle()))
        return;
    take();
    if (!guarded(write))
        return;
    dialogs().beep();
    dialogs().show(ballsSavedText(), programTitle(), DialogIcon::None);
}

void BallChoiceWindow::showHelpBox(const QString& text, const QString& topic) {
    QString title = QLatin1Char(' ') + programTitle();
    if (!topic.isEmpty())
        title += QStringLiteral("  [ ") + topic + QStringLiteral(" ]");
    dialogs().show(text, title, DialogIcon::None);
}

} // namespace velmorix
