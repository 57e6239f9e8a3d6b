#pragma once

#include "AppContext.h"

#include <QString>
#include <cstdint>
#include <functional>

class QObject;
class QTimer;

namespace velmorix {

struct AppState;

// What the results range dialog works on, kept in ResultsDialogSubMode.
enum class ResultsSource : int16_t { Results = 0, CombinationList = 1, PlayedColumns = 2, ChaosTest = 4 };

// A window's request to the results range dialog for balls: sets the dialog
// mode, opens the dialog and polls every 250 ms for its answer, since the
// dialog reports back only through the shared dialog mode.
class ResultsRequest {
public:
    // The timer "Timer1" becomes a child of `owner`; `onAnswer` runs when the
    // dialog is done with the balls (not when it is closed without them).
    ResultsRequest(AppContext& context, QObject* owner, std::function<void()> onAnswer);

    // Asks `question` when there are results and, on yes, opens the dialog in
    // `mode` and starts waiting.
    void ask(const QString& question, int16_t mode);
    // Opens the dialog on the repetitions of the drawn balls, without waiting.
    void showDrawnBalls();
    // One polling step.
    void poll();

    bool isWaiting() const;

    // The only writers of the shared dialog mode and its source: open the
    // dialog on `source`, with the caller's `mode` or keeping the last one.
    static void open(AppContext& context, ResultsSource source);
    static void open(AppContext& context, ResultsSource source, int16_t mode);
    // The dialog's own answer (done, or closed without one).
    static void answer(AppState& state, int16_t mode);
    QTimer* timer() const { return m_timer; }

private:
    AppContext& m_context;
    QTimer* m_timer = nullptr;
    std::function<void()> m_onAnswer;
};

} // namespace velmorix
