#include "RangeReportWindow.h"

#include "MethodParts.h"

#include "analysis/QuantumRange.h"
#include "core/AppState.h"
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

QVBoxLayout* RangeReportWindow::buildReportLists(const QString& title1, int width1, const QString& title2,
                                                 int width2) {
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(10, 8, 10, 10);
    layout->setSpacing(10);
    const auto addListBox = [&](const QString& title, const char* name, int width) {
        auto* box = new QGroupBox(title, central);
        auto* boxLayout = new QVBoxLayout(box);
        QListWidget* list = methods::makeReportList(box, name, width);
        boxLayout->addWidget(list);
        layout->addWidget(box);
        return list;
    };
    List1 = addListBox(title1, "List1", width1);
    List2 = addListBox(title2, "List2", width2);
    auto* right = new QVBoxLayout;
    layout->addLayout(right);
    setCentralWidget(central);
    return right;
}

void RangeReportWindow::finishReportColumn(QVBoxLayout* right) {
    auto* hint = new QLabel(QStringLiteral("F10 = Komut Tuşları Bilgisi"), right->parentWidget());
    hint->setAlignment(Qt::AlignRight);
    right->addWidget(hint);
    right->addStretch(1);
}

std::array<QLabel*, 3> RangeReportWindow::addFigureRow(QGridLayout* grid, QWidget* table, int row) {
    std::array<QLabel*, 3> figures{};
    for (int c = 0; c < 3; ++c) {
        figures[static_cast<std::size_t>(c)] = methods::makeFigureLabel(table, row, c, state().game);
        grid->addWidget(figures[static_cast<std::size_t>(c)], row + 1, c + 1);
    }
    return figures;
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
