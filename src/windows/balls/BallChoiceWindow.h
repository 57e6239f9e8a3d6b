#pragma once

#include "windows/common/ResultsRequest.h"
#include "windows/common/VelmorixWindow.h"

#include <functional>
#include <memory>

namespace velmorix {

// What the bag and banker windows share: the balls chosen from the results
// range dialog (Timer1 polls for its answer), the save confirmation and the
// help boxes.
class BallChoiceWindow : public VelmorixWindow {
    Q_OBJECT
public:
    BallChoiceWindow(AppContext& context, QWidget* parent);
    ~BallChoiceWindow() override;

    void showDrawnBalls();
    // One polling step of Timer1 while the results range dialog works.
    void pollResults();
    bool isWaiting() const;

protected:
    // `onAnswer` runs when the dialog has chosen the balls.
    void awaitResultsWith(std::function<void()> onAnswer);
    void askResults(const QString& question, int16_t mode);
    // Beeps and asks `question`; on yes takes the window's balls (`take`),
    // writes them and, when that succeeds, says the balls are saved.
    void confirmAndSave(const QString& question, const std::function<void()>& take,
                        const std::function<void()>& write);
    // A help box titled " <program>", with "  [ <topic> ]" when given.
    void showHelpBox(const QString& text, const QString& topic = QString());

private:
    std::unique_ptr<ResultsRequest> m_results;
};

} // namespace velmorix
