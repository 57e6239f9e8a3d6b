#pragma once

#include "core/ColumnRecord.h"
#include "windows/common/VelmorixWindow.h"

#include <array>
#include <optional>
#include <vector>

class QBoxLayout;
class QGridLayout;
class QLabel;
class QListWidget;
class QVBoxLayout;

namespace velmorix {

// What the quantum and following-numbers windows share: the results range
// they work on, computed once at the first activation (the window closes when
// that fails), and the parts of their report.
class RangeReportWindow : public VelmorixWindow {
    Q_OBJECT
public:
    void onActivated() override;

protected:
    RangeReportWindow(AppContext& context, QWidget* parent);

    // Computes the report; false after telling why it cannot.
    virtual bool compute() = 0;
    // Shows the computed report.
    virtual void reportReady() = 0;

    // The results of the range, padded when the file has shrunk; nothing after
    // a box titled `refusalTitle` said why the range cannot be used.
    std::optional<std::vector<ColumnRecord>> rangeResults(const QString& refusalTitle);

    // The report's lists, List1 and List2 (titled boxes of the given widths),
    // side by side on a new central widget; returns the column on their right
    // that the window fills.
    QVBoxLayout* buildReportLists(const QString& title1, int width1, const QString& title2, int width2);
    // Ends the right column: the key hint, then the free space.
    static void finishReportColumn(QVBoxLayout* right);
    // The bold heads Maksimum, Minimum, Ortalama over columns 1..3 of row 0.
    static void addFigureHeads(QGridLayout* grid, QWidget* table);
    // The three figures of table row `row` (grid row row + 1).
    std::array<QLabel*, 3> addFigureRow(QGridLayout* grid, QWidget* table, int row);

    QListWidget* List1 = nullptr;
    QListWidget* List2 = nullptr;

    int m_first = 0;
    int m_last = 0;
    bool m_firstActivation = true;
};

} // namespace velmorix
