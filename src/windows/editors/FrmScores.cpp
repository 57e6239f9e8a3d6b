#include "FrmScores.h"

#include "analysis/HitScan.h"
#include "core/AppState.h"
#include "core/ColumnFile.h"
#include "core/Numbers.h"
#include "platform/Dialogs.h"
#include "windows/common/Text.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>

namespace velmorix {

namespace {

const QString ScoresCaption = QStringLiteral("İSABET LİSTESİ");

QString withSign(int64_t n) {
    return qnumber(n);
}

// A number as the cell shows it once Enter has read it.
QString numberText(double v) {
    return QString::number(v, 'g', 15);
}

} // namespace

FrmScores::FrmScores(AppContext& context, QWidget* parent) : VelmorixWindow(context, parent) {
    setObjectName(QStringLiteral("frmScores"));
    setWindowTitle(ScoresCaption);
    buildControls();
    // The last stored result is the one to check first.
    guarded([this] {
        if (!dir().exists(files::Results))
            return;
        const int32_t n = recordCount(dir(), files::Results);
        if (n < 1)
            return;
        const ColumnRecord rec = readRecord(dir(), files::Results, n);
        for (std::size_t i = 0; i < m_result.size(); ++i)
            m_result[i] = rec.Ball[i];
        m_hasResult = true;
        m_shown = n;
    });
    showResultUnderTest();
}

QString FrmScores::instructionText() {
    return QStringLiteral(
        "İsabet değerlendirmesini almak istediğiniz kolonu girin ve 'Tara' butonuna tıklayın "
        "yada 'F1' tuşuna basarak, taramayı başlatın.");
}

void FrmScores::buildControls() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->setSpacing(8);

    Frame1 = new QGroupBox(QStringLiteral("Son Hafta Sonucu"), central);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* cells = new QHBoxLayout(Frame1);
    cells->setContentsMargins(10, 10, 10, 10);
    cells->setSpacing(8);
    QFont cellFont = font();
    cellFont.setPointSize(15);
    cellFont.setBold(true);
    cells->addStretch(1);
    for (int i = 0; i < 6; ++i) {
        auto* cell = new QLineEdit(Frame1);
        cell->setObjectName(QStringLiteral("Text2_%1").arg(i));
        cell->setToolTip(QStringLiteral("Hücre %1").arg(i + 1));
        cell->setAlignment(Qt::AlignCenter);
        cell->setFont(cellFont);
        cell->setFixedSize(58, 40);
        Text2[static_cast<std::size_t>(i)] = cell;
        cells->addWidget(cell);
        connect(cell, &QLineEdit::textEdited, this, [this] { m_typed = true; });
    }
    cells->addStretch(1);
    layout->addWidget(Frame1);

    Text1 = new QPlainTextEdit(central);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setTabChangesFocus(true);
    QFont reportFont(QStringLiteral("DejaVu Sans Mono"));
    reportFont.setStyleHint(QFont::Monospace);
    reportFont.setPointSize(10);
    Text1->setFont(reportFont);
    Text1->setMinimumSize(440, 300);
    layout->addWidget(Text1, 1);

    auto* buttons = new QHBoxLayout;
    Command1 = new QPushButton(QStringLiteral("Tara"), central);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setToolTip(QStringLiteral("İkramiye İsabet Edenleri Bul"));
    Command2 = new QPushButton(QStringLiteral("Kapat"), central);
    Command2->setObjectName(QStringLiteral("Command2"));
    for (QPushButton* b : {Command1, Command2}) {
        b->setMinimumSize(110, 30);
        b->setAutoDefault(false);
    }
    buttons->addWidget(Command1);
    buttons->addStretch(1);
    buttons->addWidget(Command2);
    layout->addLayout(buttons);
    connect(Command1, &QPushButton::clicked, this, &FrmScores::scan);
    connect(Command2, &QPushButton::clicked, this, &QWidget::close);

    setCentralWidget(central);
}

void FrmScores::showResultUnderTest() {
    m_typed = false;
    for (std::size_t i = 0; i < Text2.size(); ++i)
        Text2[i]->setText(m_hasResult ? QString::number(m_result[i]) : QString());
}

void FrmScores::onActivated() {
    // A message or question of this window handing back the activation must not
    // wipe what the user typed meanwhile.
    if (returningFromModal())
        return;
    // Balls typed by hand, and the report made of them, stay until paging
    // shows a stored result again.
    if (m_typed)
        return;
    showResultUnderTest();
    if (!m_hasResult) {
        Text1->setPlainText(instructionText());
        Text2[0]->setFocus();
    }
}

void FrmScores::showResult(int32_t k) {
    guarded([&] {
        if (!dir().exists(files::Results))
            return;
        const int32_t n = recordCount(dir(), files::Results);
        if (n < 1)
            return;
        k = std::clamp(k, int32_t{1}, n);
        const ColumnRecord rec = readRecord(dir(), files::Results, k);
        for (std::size_t i = 0; i < m_result.size(); ++i)
            m_result[i] = rec.Ball[i];
        m_hasResult = true;
        m_shown = k;
        showResultUnderTest();
        Frame1->setTitle(QStringLiteral("SONUÇ=") + withSign(k));
    });
}

void FrmScores::scan() {
    Text1->clear();
    m_report.clear();
    dialogs().beep();
    std::array<int64_t, 6> values{};
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = ValWhole(Text2[i]->text().toStdString());
    if (const auto bad = hits::firstInvalidCell(values, state().game)) {
        dialogs().show(QString::fromStdString(hits::invalidCellMessage(*bad)), errorTitle(),
                       DialogIcon::Exclamation);
        Text2[static_cast<std::size_t>(*bad - 1)]->setFocus();
        return;
    }
    m_result = values;
    m_hasResult = true;
    hits::Scan result;
    const bool ok = guarded([&] {
        BusyCursor busy;
        result = hits::scanPlayedColumns(
            dir(), values,
            [this](int phase, int32_t column) {
                showProgressTitle(QStringLiteral("Faz") + withSign(phase) + QStringLiteral(" - Kolon=") +
                                  withSign(column));
            },
            state().game);
    });
    setWindowTitle(ScoresCaption);
    if (!ok || !result.scanned)
        return;
    m_report = QString::fromStdString(result.report);
    QString shown = m_report;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Text1->setPlainText(shown);
    Text1->setFocus();
}

void FrmScores::showHelp() {
    dialogs().beep();
    dialogs().show(QStringList{QStringLiteral("FONKSİYON TUŞLARI:"), QString(),
                               QStringLiteral("F1= Tara (İkramiye İsabet Edenleri Bul)"), QString(),
                               QStringLiteral("F10= Yardım (Fonksiyon Tuşları)"), QString(),
                               QStringLiteral("HOME = İlk Kayıt"), QStringLiteral("PAGEUP = Önceki Kayıt"),
                               QStringLiteral("PAGEDOWN = Sonraki Kayıt"), QStringLiteral("END = Son Kayıt"),
                               QString(), QStringLiteral("ESC= Kapat (Geri Dön)")}
                       .join(QLatin1Char('\r')),
                   programTitle(), DialogIcon::None);
}

int FrmScores::cellIndex(const QWidget* widget) const {
    for (std::size_t i = 0; i < Text2.size(); ++i)
        if (Text2[i] == widget)
            return static_cast<int>(i);
    return -1;
}

bool FrmScores::handleKey(QKeyEvent* event) {
    if (withCtrlOrAlt(event))
        return false;
    if (runKeyCommand(event, {{Qt::Key_F1, [this] { scan(); }},
                              {Qt::Key_Home, [this] { showResult(1); }},
                              {Qt::Key_PageUp, [this] { showResult(m_shown - 1); }},
                              {Qt::Key_PageDown, [this] { showResult(m_shown + 1); }},
                              {Qt::Key_End, [this] { showResult(INT32_MAX); }},
                              {Qt::Key_F10, [this] { showHelp(); }},
                              {Qt::Key_Escape, [this] { close(); }}}))
        return true;
    QWidget* focus = focusWidget();
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        const int cell = cellIndex(focus);
        if (cell >= 0) {
            QLineEdit* edit = Text2[static_cast<std::size_t>(cell)];
            edit->setText(numberText(Val(edit->text().toStdString())));
            if (cell < 5) {
                Text2[static_cast<std::size_t>(cell + 1)]->setFocus();
                Text2[static_cast<std::size_t>(cell + 1)]->selectAll();
            } else {
                Command1->setFocus();
            }
            return true;
        }
        if (focus == Text1) {
            Command1->setFocus();
            return true;
        }
        if (auto* button = qobject_cast<QPushButton*>(focus)) {
            button->click();
            return true;
        }
        return false;
    }
    default:
        return false;
    }
}

} // namespace velmorix
