#pragma once

#include "analysis/RangeStatistics.h"
#include "analysis/StatisticsReport.h"
#include "windows/common/VelmorixWindow.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class QGroupBox;
class QLabel;
class QListWidget;

namespace velmorix {

// Repetition counts and statistics of a range of results, combination list
// columns or played columns. Everything is computed once when the window
// loads, for the range and source the results range dialog left; the window
// keeps its own copy of both.
class FrmRep final : public VelmorixWindow {
    Q_OBJECT
public:
    explicit FrmRep(AppContext& context, QWidget* parent = nullptr);

    void onActivated() override;

    // F1 (new list) and F2 (added to the list).
    void makeForbiddenPairs(bool addToExisting);
    void showSumsWithoutExtremes();  // F3
    void saveSumLimits();            // F4
    void comparePlayedWithResults(); // F5
    void printBallCounts();          // F9
    void printPairCounts();          // F11
    void printFigures();             // F12
    void showHelp();                 // F10

    const RangeStatistics& statistics() const { return m_stats; }

private:
    void buildControls();
    void load();
    void showFigures();
    bool rangeStillValid();
    void print(const std::vector<std::string>& lines);
    QLabel* figureLabel(int number, QWidget* parent);

    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QListWidget* List1 = nullptr;
    QListWidget* List2 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    std::array<QLabel*, 3 * kMaxDecades> m_groupLabels{}; // Label21..Label35, then Label42..
    std::array<QLabel*, 6> m_similarityLabels{};          // Label36..Label41

    StatisticsSource m_source = StatisticsSource::Results;
    int16_t m_first = 0;
    int16_t m_last = 0;
    int32_t m_count = 0; // records of the source file at loading
    bool m_computed = false;
    RangeStatistics m_stats;
};

} // namespace velmorix
