#include "ListPrintDialog.h"

#include "analysis/ProgressGate.h"
#include "analysis/TextReportFile.h"
#include "analysis/WriteListCommand.h"
#include "core/Clock.h"
#include "core/ColumnFile.h"
#include "core/Numbers.h"
#include "platform/Dialogs.h"
#include "windows/common/PrintJob.h"
#include "windows/common/Text.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace velmorix {

namespace {
constexpr int PrintFontSize = 11;

template <class W> W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}
} // namespace

ListPrintDialog::ListPrintDialog(AppContext& context, ListPrintKind kind, QWidget* parent)
    : VelmorixWindow(context, parent), m_kind(std::move(kind)) {
    setWindowTitle(m_kind.caption);
    auto* central = new QWidget(this);
    auto* grid = new QGridLayout(central);
    int row = 0;
    if (m_kind.hasRange) {
        Label1 = named(new QLabel(QStringLiteral("Başlangıç :"), central), "Label1");
        Text1 = named(new QLineEdit(QStringLiteral("1"), central), "Text1");
        Label2 = named(new QLabel(QStringLiteral("Bitiş :"), central), "Label2");
        Text2 = named(new QLineEdit(QStringLiteral("1000000"), central), "Text2");
        grid->addWidget(Label1, row, 0);
        grid->addWidget(Text1, row++, 1, 1, 2);
        grid->addWidget(Label2, row, 0);
        grid->addWidget(Text2, row++, 1, 1, 2);
    }
    Label3 = named(new QLabel(QStringLiteral("Çıktı:"), central), "Label3");
    Option1 = named(new QRadioButton(QStringLiteral("Text Dosyası"), central), "Option1");
    Option2 = named(new QRadioButton(QStringLiteral("Printer"), central), "Option2");
    Option1->setChecked(true);
    grid->addWidget(Label3, row, 0);
    grid->addWidget(Option1, row, 1);
    grid->addWidget(Option2, row++, 2);
    Command1 = named(new QPushButton(QStringLiteral("Yaz"), central), "Command1");
    Command2 = named(new QPushButton(QStringLiteral("Kapat"), central), "Command2");
    grid->addWidget(Command1, row, 1);
    grid->addWidget(Command2, row, 2);
    setCentralWidget(central);
    setMinimumWidth(340); // room for the caption

    connect(Option1, &QRadioButton::toggled, this, [this](bool textFile) {
        Command1->setText(textFile ? QStringLiteral("Yaz") : QStringLiteral("Bas"));
    });
    connect(Command1, &QPushButton::clicked, this, &ListPrintDialog::run);
    connect(Command2, &QPushButton::clicked, this, &QWidget::close);
}

bool ListPrintDialog::toPrinter() const {
    return Option2->isChecked();
}

void ListPrintDialog::focusStart() {
    if (Text1)
        Text1->setFocus();
}

bool ListPrintDialog::handleKey(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        QWidget* focus = focusWidget();
        if (Text1 && focus == Text1) {
            Text2->setFocus();
            return true;
        }
        if (Text2 && focus == Text2) {
            Command1->setFocus();
            return true;
        }
        // Enter presses the button that has the focus.
        if (auto* button = qobject_cast<QPushButton*>(focus)) {
            button->click();
            return true;
        }
        return false;
    }
    return runKeyCommand(
        event, {{Qt::Key_Escape, [this] { close(); }},
                {Qt::Key_F1, [this] { run(); }},
                {Qt::Key_F10, [this] { showKeysBox(QStringLiteral("F1= Yaz/Bas\r\rESC= Kapat")); }}});
}

void ListPrintDialog::onActivated() {
    if (returningFromModal())
        return;
    const int32_t count = recordCount(dir(), m_kind.style.listFile);
    if (m_kind.hasRange)
        Text2->setText(qtext(digits(count)));
    if (m_kind.closeWhenEmptyOnActivation && count < 1)
        close();
}

void ListPrintDialog::run() {
    int64_t start = 1;
    int64_t end = 0;
    if (m_kind.hasRange) {
        start = ValWhole(Text1->text().toStdString());
        end = ValWhole(Text2->text().toStdString());
        Text1->setText(qtext(digits(start)));
        Text2->setText(qtext(digits(end)));
    }
    dialogs().beep();
    if (!dialogs().askYesNo(toPrinter() ? m_kind.printQuestion : m_kind.writeQuestion, programTitle())) {
        focusStart();
        return;
    }
    // The dialog keeps its own count for the whole job.
    const int32_t count = recordCount(dir(), m_kind.style.listFile);
    if (m_kind.hasRange) {
        if (const auto error = listRangeError(start, end, count)) {
            dialogs().beep();
            dialogs().show(qtext(*error), errorTitle(), DialogIcon::Exclamation);
            if (*error == BadEndText)
                Text2->setFocus();
            else
                focusStart();
            return;
        }
    } else {
        end = count;
        if (count < 1 && !m_kind.noRecordText.isEmpty()) {
            dialogs().show(m_kind.noRecordText, errorTitle(), DialogIcon::Exclamation);
            return;
        }
    }
    const ListReportRange range{static_cast<int32_t>(start), static_cast<int32_t>(end),
                                static_cast<int32_t>(end)};
    if (toPrinter())
        print(range);
    else
        writeText(range);
    focusStart();
}

void ListPrintDialog::writeText(const ListReportRange& range) {
    BusyCursor busy;
    showProgressTitle(QStringLiteral("Dosyaya yazılıyor..."), true);
    int64_t length = 0;
    ProgressGate gate;
    const bool done = guarded([&] {
        length = writeListReport(dir(), m_kind.style, range, context().clock.today(), [&](int64_t bytes) {
            if (gate.due())
                showProgressTitle(QStringLiteral("BYTE=") + qtext(Str(bytes)));
        });
    });
    setWindowTitle(m_kind.finalCaption);
    if (!done)
        return;
    dialogs().beep();
    dialogs().show(qtext(bytesWrittenText(length)), programTitle(), DialogIcon::None);
}

void ListPrintDialog::print(const ListReportRange& range) {
    PrintJob job(context().printer, dialogs(), PrintFontSize);
    if (!job.started())
        return;
    BusyCursor busy;
    guarded([&] {
        forEachListReportLine(dir(), m_kind.style, range, context().clock.today(), true,
                              [&](const std::string& line) { job.line(qtext(line)); });
    });
    job.finish();
}

} // namespace velmorix
