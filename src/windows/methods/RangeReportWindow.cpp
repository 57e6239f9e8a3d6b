#include "RangeReportWindow.h"

#include "MethodParts.h"

#include "analysis/QuantumRange.h"
#include "core/ColumnFile.h"
#include "platform/Dialogs.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QStringList>

namespace velmorix {

RangeReportWindow::RangeReportWindow(AppContext& context, QWidget* parent)
    : VelmorixWindow(context, parent) {}

void RangeReportWindow::onActivated() {
    if (!m_firstActivation)
        return;
    m_firstActivation = false;
    dialogs().beep();
    if (!compute()) {
        close();
        return;
    }
    reportReady();
}

std::optional<std::vector<ColumnRecord>> RangeReportWindow::rangeResults(const QString& refusalTitle) {
    std::vector<ColumnRecord> results;
    if (!guarded([&] { results = readAllRecords(dir(), files::Results); }))
        return std::nullopt;
    const std::string refusal = quantumRangeRefusal(results.size(), m_first, m_last);
    if (!refusal.empty()) {
        dialogs().show(qtext(refusal), refusalTitle, DialogIcon::Exclamation);
        return std::nullopt;
    }
    // A range past the end of a file that has shrunk reads as damaged results.
    if (results.size() < static_cast<std::size_t>(m_last))
        results.resize(static_cast<std::size_t>(m_last));
    return results;
}

QListWidget* RangeReportWindow::addReportListBox(QWidget* parent, QBoxLayout* layout, const QString& title,
                                                 const char* name, int width) {
    auto* box = new QGroupBox(title, parent);
    auto* boxLayout = new QVBoxLayout(box);
    QListWidget* list = methods::makeReportList(box, name, width);
    boxLayout->addWidget(list);
    layout->addWidget(box);
    return list;
}

void RangeReportWindow::addFigureHeads(QGridLayout* grid, QWidget* table) {
    const QStringList columns{QStringLiteral("Maksimum"), QStringLiteral("Minimum"),
                              QStringLiteral("Ortalama")};
    for (int c = 0; c < 3; ++c) {
        auto* head = new QLabel(columns[c], table);
        QFont bold = head->font();
        bold.setBold(true);
        head->setFont(bold);
        grid->addWidget(head, 0, c + 1, Qt::AlignRight);
    }
}

} // namespace velmorix
