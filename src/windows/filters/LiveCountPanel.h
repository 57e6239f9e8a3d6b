#pragma once

#include "engine/LiveCount.h"

#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdint>
#include <memory>

class QLabel;
class QTableWidget;

namespace velmorix {

class DataDir;
class LiveCountWorker;
class SelectionView;
struct AppState;

// "Tahmini Uygun Kombinasyon = N" in the filters window: how many columns of
// the current bag and bankers a build would keep with the filters as they are
// ticked now, and beside it what each filter removes on its own. A change of
// any filter control, or the window coming back to the front (the bag, the
// bankers or the data may have changed meanwhile), counts again a moment
// later, on a worker thread, from a snapshot of the controls; typing is never
// held up, and a count overtaken by a newer one is dropped.
class LiveCountPanel final : public QWidget {
    Q_OBJECT
public:
    LiveCountPanel(AppState& state, const DataDir& dir, SelectionView& view, QWidget* parent);
    ~LiveCountPanel() override;

    // Counts again once no change came for a short moment.
    void scheduleCount();
    // Takes the snapshot and starts the count at once.
    void countNow();
    // A report of the worker, on this thread; one of an older request is dropped.
    void acceptResult(uint64_t generation, const LiveCountResult& result);

    static constexpr int DelayMs = 300;

    // For tests.
    uint64_t latestGeneration() const;
    int droppedResults() const { return m_dropped; }
    bool waitIdle(std::chrono::milliseconds timeout);
    bool countPending() const { return m_delay.isActive(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchControls();
    void showParts(const LiveCountResult& result);

    AppState& m_state;
    const DataDir& m_dir;
    SelectionView& m_view;
    QLabel* m_label = nullptr;
    QTableWidget* m_table = nullptr;
    QTimer m_delay;
    std::unique_ptr<LiveCountWorker> m_worker;
    int m_dropped = 0;
};

} // namespace velmorix
