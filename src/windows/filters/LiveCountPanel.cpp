#include "LiveCountPanel.h"

#include "SelectionView.h"

#include "core/AppState.h"
#include "core/DataDir.h"
#include "core/Numbers.h"
#include "engine/BackTest.h"
#include "engine/LiveCountWorker.h"
#include "engine/SelectionControls.h"
#include "windows/common/Text.h"

#include <QAbstractButton>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>

namespace velmorix {

namespace {

QString waitingText() {
    return QStringLiteral("Tahmini Uygun Kombinasyon :");
}

} // namespace

LiveCountPanel::LiveCountPanel(AppState& state, const DataDir& dir, SelectionView& view, QWidget* parent)
    : QWidget(parent), m_state(state), m_dir(dir), m_view(view) {
    setObjectName(QStringLiteral("LiveCount"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    m_label = new QLabel(waitingText(), this);
    m_label->setObjectName(QStringLiteral("LabelLive"));
    QFont bold = m_label->font();
    bold.setBold(true);
    m_label->setFont(bold);
    m_label->setMinimumWidth(m_label->fontMetrics().horizontalAdvance(
        QStringLiteral("Tahmini Uygun Kombinasyon =  ") + QString::number(state.game.columns())));
    layout->addWidget(m_label);

    m_table = new QTableWidget(0, 2, this);
    m_table->setObjectName(QStringLiteral("TableLive"));
    m_table->setHorizontalHeaderLabels({QStringLiteral("Filtre"), QStringLiteral("Tek başına eler")});
    m_table->setToolTip(QStringLiteral("Her filtrenin torba ve bankodaki kombinasyonlardan tek başına "
                                       "eleyeceği kolon sayısı.\rTekrar yasağı için: diğer filtrelerden "
                                       "geçen kolonlardan eleyeceği sayı.")
                            .replace(QLatin1Char('\r'), QLatin1Char('\n')));
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setFocusPolicy(Qt::NoFocus);
    m_table->setAlternatingRowColors(true);
    const int row = m_table->fontMetrics().height() + 4;
    m_table->verticalHeader()->setDefaultSectionSize(row);
    m_table->setFixedHeight(row * 4 + m_table->horizontalHeader()->sizeHint().height() + 4);
    layout->addWidget(m_table);

    m_delay.setSingleShot(true);
    m_delay.setInterval(DelayMs);
    connect(&m_delay, &QTimer::timeout, this, &LiveCountPanel::countNow);

    m_worker = std::make_unique<LiveCountWorker>([this](uint64_t generation, const LiveCountResult& result) {
        // From the worker thread to this one; dropped if the panel is gone by then.
        QMetaObject::invokeMethod(
            this, [this, generation, result] { acceptResult(generation, result); }, Qt::QueuedConnection);
    });

    watchControls();
    window()->installEventFilter(this);
}

// The worker is stopped and joined first: nothing is posted to a panel that is going.
LiveCountPanel::~LiveCountPanel() {
    m_worker.reset();
}

void LiveCountPanel::watchControls() {
    for (QGroupBox* frame :
         {m_view.otherFilters(), m_view.forbiddenPairs(), m_view.results(), m_view.played(), m_view.sextets(),
          m_view.decades(), m_view.repeats(), m_view.mathRelations(), m_view.sums()}) {
        for (QAbstractButton* button : frame->findChildren<QAbstractButton*>())
            connect(button, &QAbstractButton::toggled, this, &LiveCountPanel::scheduleCount);
        for (QLineEdit* box : frame->findChildren<QLineEdit*>())
            connect(box, &QLineEdit::textChanged, this, &LiveCountPanel::scheduleCount);
    }
}

bool LiveCountPanel::eventFilter(QObject* watched, QEvent* event) {
    // The bag, the bankers or the data files may have changed in another window.
    if (watched == window() && (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show))
        scheduleCount();
    return QWidget::eventFilter(watched, event);
}

void LiveCountPanel::scheduleCount() {
    if (!window()->isVisible())
        return;
    // The figures shown belong to the choice before the change: greyed until the new ones come.
    m_label->setEnabled(false);
    m_table->setEnabled(false);
    m_delay.start();
}

void LiveCountPanel::countNow() {
    m_delay.stop();
    LiveSelection request;
    request.selection = m_state.Selection;
    readSelection(m_view.controls(), request.selection);
    request.bag = m_state.BagBalls;
    request.bankers = m_state.BankoBalls;
    request.game = m_state.game;
    m_label->setEnabled(false);
    m_table->setEnabled(false);
    m_worker->request({request, m_dir.root()});
}

void LiveCountPanel::acceptResult(uint64_t generation, const LiveCountResult& result) {
    if (generation != m_worker->latest()) {
        ++m_dropped;
        return;
    }
    m_label->setEnabled(true);
    if (!result.error.empty()) {
        m_label->setText(QStringLiteral("Tahmini Uygun Kombinasyon = ?"));
        m_label->setToolTip(qtext(result.error).replace(QLatin1Char('\r'), QLatin1Char('\n')));
        m_table->setRowCount(0);
        m_table->setEnabled(true);
        return;
    }
    m_label->setText(qtext(liveCountLabel(result.survivors)));
    if (!result.noList.empty()) {
        // What a build does with this bag: no list, this message instead.
        const QString message = qtext(result.noList).replace(QLatin1Char('\r'), QLatin1Char('\n'));
        m_label->setToolTip(message);
        m_table->setRowCount(0);
        m_table->insertRow(0);
        auto* item = new QTableWidgetItem(message.section(QLatin1Char('\n'), 0, 0));
        item->setToolTip(message);
        m_table->setItem(0, 0, item);
        m_table->setItem(0, 1, new QTableWidgetItem());
        m_table->setEnabled(true);
        return;
    }
    m_label->setToolTip(QStringLiteral("Torba ve bankodaki") + qtext(Str(result.total)) +
                        QStringLiteral(" kombinasyondan, şu anki filtre seçimiyle yeni listede kalacak "
                                       "kolon sayısı."));
    if (result.partsDone)
        showParts(result);
}

void LiveCountPanel::showParts(const LiveCountResult& result) {
    m_table->setRowCount(0);
    auto addRow = [this](const QString& name, const QString& count, const QString& tip) {
        const int row = m_table->rowCount();
        m_table->insertRow(row);
        auto* nameItem = new QTableWidgetItem(name);
        auto* countItem = new QTableWidgetItem(count);
        countItem->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        nameItem->setToolTip(tip);
        countItem->setToolTip(tip);
        m_table->setItem(row, 0, nameItem);
        m_table->setItem(row, 1, countItem);
    };
    for (const PartCount& part : result.parts) {
        const QString name = qtext(part.name);
        const QString count = QString::number(part.removed);
        const int64_t of =
            part.part == FilterPart::RepetitionBan ? result.survivors + part.removed : result.total;
        addRow(name, count,
               name + QStringLiteral(":") + qtext(Str(part.removed)) + QStringLiteral(" kolon (%") +
                   qtext(percentText(part.removed, of)) + QStringLiteral(")"));
    }
    if (result.parts.empty())
        addRow(QStringLiteral("Seçili filtre yok"), QString(), QString());
    m_table->setEnabled(true);
}

uint64_t LiveCountPanel::latestGeneration() const {
    return m_worker->latest();
}

bool LiveCountPanel::waitIdle(std::chrono::milliseconds timeout) {
    return m_worker->waitIdle(timeout);
}

} // namespace velmorix
