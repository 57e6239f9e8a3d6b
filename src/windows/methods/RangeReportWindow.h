#pragma once

#include "core/ColumnRecord.h"
#include "windows/common/VelmorixWindow.h"

#include <optional>
#include <vector>

class QBoxLayout;
class QGridLayout;
class QListWidget;

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

    // A titled box holding one report list, added to `layout`.
    QListWidget* addReportListBox(QWidget* parent, QBoxLayout* layout, const QString& title, const char* name,
                                  int width);
    // The bold heads Maksimum, Minimum, Ortalama over columns 1..3 of row 0.
    static void addFigureHeads(QGridLayout* grid, QWidget* table);

    int m_first = 0;
    int m_last = 0;
    bool m_firstActivation = true;
};

} // namespace velmorix
