#include "RecordEditorWindow.h"

#include "analysis/EditorEntry.h"
#include "core/AppState.h"
#include "core/Numbers.h"
#include "platform/Dialogs.h"
#include "windows/common/Text.h"
#include "windows/common/WindowRegistry.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include <algorithm>

namespace velmorix {

namespace {

QString plainBall(int ball) {
    return QString::number(ball);
}

} // namespace

RecordEditorWindow::RecordEditorWindow(AppContext& context, const RecordEditorSetup& setup, QWidget* parent)
    : VelmorixWindow(context, parent), m_setup(setup),
      m_file(context.dir, setup.fileName, setup.deleteTempName) {
    setObjectName(QString::fromLatin1(setup.objectName));
    setWindowTitle(m_setup.caption);
    buildControls();
}

QString RecordEditorWindow::numberCaption(const QString& caption, int32_t k, const QString& end) const {
    return caption + withSign(k) + end;
}

QString RecordEditorWindow::helpText() const {
    QStringList lines = m_setup.ownKeys;
    lines << QString() << QStringLiteral("HOME = İlk Kayıt") << QStringLiteral("PAGEUP = Önceki Kayıt")
          << QStringLiteral("PAGEDOWN = Sonraki Kayıt") << QStringLiteral("END = Son Kayıt") << QString()
          << QStringLiteral("ESC = Kapat") << QString() << m_setup.helpNote;
    return lines.join(QLatin1Char('\r'));
}

void RecordEditorWindow::buildControls() {
    const RecordEditorSetup& setup = m_setup;
    m_central = new QWidget(this);
    auto* layout = new QVBoxLayout(m_central);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->setSpacing(8);

    Label1 = new QLabel(setup.topLabel, m_central);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFrameShape(QFrame::Panel);
    Label1->setFrameShadow(QFrame::Sunken);
    Label1->setMargin(3);
    Label1->setAlignment(Qt::AlignCenter);
    layout->addWidget(Label1);

    auto* cells = new QHBoxLayout;
    cells->setSpacing(8);
    cells->addStretch(1);
    QFont cellFont = font();
    cellFont.setPointSize(15);
    cellFont.setBold(true);
    for (int i = 0; i < 6; ++i) {
        auto* cell = new QLineEdit(m_central);
        cell->setObjectName(QStringLiteral("Text1_%1").arg(i));
        cell->setToolTip(QStringLiteral("Hücre %1").arg(i + 1));
        cell->setAlignment(Qt::AlignCenter);
        cell->setFont(cellFont);
        cell->setFixedSize(58, 40);
        Text1[static_cast<std::size_t>(i)] = cell;
        cells->addWidget(cell);
    }
    cells->addStretch(1);
    layout->addLayout(cells);

    m_extraArea = new QVBoxLayout;
    m_extraArea->setSpacing(6);
    layout->addLayout(m_extraArea);

    auto makeButton = [this](const char* name, const QString& caption) {
        auto* button = new QPushButton(caption, m_central);
        button->setObjectName(QString::fromLatin1(name));
        button->setMinimumHeight(28);
        button->setAutoDefault(false);
        return button;
    };
    Command1 = makeButton("Command1", QStringLiteral("İlk Kayıt"));
    Command2 = makeButton("Command2", QStringLiteral("Önceki Kayıt"));
    Command3 = makeButton("Command3", QStringLiteral("Sonraki Kayıt"));
    Command4 = makeButton("Command4", QStringLiteral("Son Kayıt"));
    Command5 = makeButton("Command5", QStringLiteral("Yeni"));
    Command6 = makeButton("Command6", QStringLiteral("Kayıtla"));
    Command7 = makeButton("Command7", QStringLiteral("Sil"));
    Command7->setToolTip(QStringLiteral("Aktif Kayıtı Sil ('F4' tuşu tüm kayıtları siler)"));
    if (!setup.command8ToolTip.isEmpty()) {
        Command8 = makeButton("Command8", QStringLiteral("Tekrar Sayıları"));
        Command8->setToolTip(setup.command8ToolTip);
    }
    Command9 = makeButton("Command9", QStringLiteral("Kapat"));
    auto* paging = new QHBoxLayout;
    paging->setSpacing(6);
    for (QPushButton* b : {Command1, Command2, Command3, Command4})
        paging->addWidget(b, 1);
    layout->addLayout(paging);
    auto* editing = new QHBoxLayout;
    editing->setSpacing(6);
    for (QPushButton* b : {Command5, Command6, Command7, Command8, Command9})
        if (b)
            editing->addWidget(b, 1);
    layout->addLayout(editing);

    connect(Command1, &QPushButton::clicked, this, &RecordEditorWindow::firstRecord);
    connect(Command2, &QPushButton::clicked, this, &RecordEditorWindow::previousRecord);
    connect(Command3, &QPushButton::clicked, this, &RecordEditorWindow::nextRecord);
    connect(Command4, &QPushButton::clicked, this, &RecordEditorWindow::lastRecord);
    connect(Command5, &QPushButton::clicked, this, &RecordEditorWindow::newRecord);
    connect(Command6, &QPushButton::clicked, this, &RecordEditorWindow::saveRecord);
    connect(Command7, &QPushButton::clicked, this, &RecordEditorWindow::deleteRecord);
    if (Command8)
        connect(Command8, &QPushButton::clicked, this, [this] { functionKey(Qt::Key_F5); });
    connect(Command9, &QPushButton::clicked, this, &QWidget::close);

    Frame1 = new QGroupBox(setup.listFrame, m_central);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* frameLayout = new QVBoxLayout(Frame1);
    frameLayout->setContentsMargins(8, 8, 8, 8);
    List1 = new QListWidget(Frame1);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setUniformItemSizes(true);
    QFont listFont(QStringLiteral("DejaVu Sans Mono"));
    listFont.setStyleHint(QFont::Monospace);
    listFont.setPointSize(10);
    List1->setFont(listFont);
    List1->setMinimumHeight(260);
    frameLayout->addWidget(List1);
    layout->addWidget(Frame1, 1);
    connect(List1, &QListWidget::currentRowChanged, this, &RecordEditorWindow::listRowChosen);

    setCentralWidget(m_central);
    setMinimumWidth(500);
}

void RecordEditorWindow::loadFile() {
    guarded([this] { m_file.open(); });
    fillList();
    fileReloaded();
    m_isNew = false;
    if (m_file.count() >= 1) {
        showRecord(1);
    } else {
        m_curRec = 0;
        clearCells();
    }
}

void RecordEditorWindow::onActivated() {
    refreshFile();
}

void RecordEditorWindow::refreshFile() {
    refreshKeepingTyping(false);
}

bool RecordEditorWindow::refreshKeepingTyping(bool saving) {
    // Typing over a stored record, judged against the file as it was read before.
    const bool typed = !m_isNew && cellsDifferFromRecord();
    bool changed = false;
    if (!guarded([&] { changed = m_file.refresh(); }) || !changed)
        return true;
    fillList();
    fileReloaded();
    const int32_t count = m_file.count();
    if (m_isNew) {
        // The record being typed stays new: it goes after whatever the file holds now.
        m_curRec = count + 1;
        setWindowTitle(numberCaption(m_setup.newCaption, m_curRec));
        return true;
    }
    if (typed && dialogs().askYesNo(changedUnderTypingQuestion(saving), programTitle())) {
        if (m_curRec > count) {
            // Its record is gone: what was typed goes after the file's records.
            m_isNew = true;
            m_curRec = count + 1;
            setWindowTitle(numberCaption(m_setup.newCaption, m_curRec));
        } else {
            setWindowTitle(numberCaption(m_setup.recordCaption, m_curRec, m_setup.recordCaptionEnd));
            m_syncingList = true;
            List1->setCurrentRow(m_curRec - 1);
            m_syncingList = false;
        }
        return true;
    }
    if (m_curRec > count) {
        m_curRec = count;
        if (count >= 1) {
            showRecord(count);
        } else {
            clearCells();
            setWindowTitle(m_setup.caption);
        }
    } else if (m_curRec >= 1) {
        showRecord(m_curRec);
    } else if (count >= 1) {
        showRecord(1);
    }
    return !typed;
}

QString RecordEditorWindow::changedUnderTypingQuestion(bool saving) const {
    return QString::fromStdString(m_file.name()) +
           QStringLiteral(" dosyası başka bir pencerede değiştirildi !\r\rKayıt No=") + withSign(m_curRec) +
           QStringLiteral(" için yazdıklarınız henüz kayıtlanmadı.\r\r") +
           (saving ? QStringLiteral("Yazdıklarınızı kayıtlamak istiyormusunuz ?")
                   : QStringLiteral("Yazdıklarınızı korumak istiyormusunuz ?")) +
           QStringLiteral("\r( Hayır: dosyadaki kayıt gösterilir. )");
}

void RecordEditorWindow::fillList() {
    m_syncingList = true;
    QStringList lines;
    lines.reserve(m_file.count());
    for (const auto& rec : m_file.records())
        lines.push_back(qtext(entry::listLine(rec, m_setup.listsSums)));
    List1->clear();
    List1->addItems(lines);
    m_syncingList = false;
}

void RecordEditorWindow::showRecord(int32_t k) {
    const ColumnRecord& rec = m_file.record(k);
    m_curRec = k;
    m_isNew = false;
    for (std::size_t i = 0; i < Text1.size(); ++i)
        Text1[i]->setText(plainBall(rec.Ball[i]));
    showTag(rec.Tag);
    setWindowTitle(numberCaption(m_setup.recordCaption, k, m_setup.recordCaptionEnd));
    m_syncingList = true;
    List1->setCurrentRow(k - 1);
    m_syncingList = false;
}

// Paging moves only to a record that exists; otherwise nothing changes, and a
// new record being typed stays new (it must never be saved over another record).
void RecordEditorWindow::firstRecord() {
    refreshFile();
    if (m_file.count() >= 1)
        showRecord(1);
}

void RecordEditorWindow::previousRecord() {
    refreshFile();
    const int32_t k = m_curRec - 1;
    if (k >= 1 && k <= m_file.count())
        showRecord(k);
}

void RecordEditorWindow::nextRecord() {
    refreshFile();
    const int32_t k = m_curRec + 1;
    if (!m_isNew && k >= 1 && k <= m_file.count())
        showRecord(k);
}

void RecordEditorWindow::lastRecord() {
    refreshFile();
    if (m_file.count() >= 1)
        showRecord(m_file.count());
}

void RecordEditorWindow::clearCells() {
    for (QLineEdit* cell : Text1)
        cell->clear();
}

void RecordEditorWindow::newRecord() {
    dialogs().beep();
    refreshFile();
    if (!mayAddRecord(m_file.count()))
        return;
    startNewRecord();
    m_isNew = true;
    m_curRec = m_file.count() + 1;
    setWindowTitle(numberCaption(m_setup.newCaption, m_curRec));
    clearCells();
    Text1[0]->setFocus();
}

void RecordEditorWindow::saveRecord() {
    dialogs().beep();
    // Typing the player let go for the file's record is not saved.
    if (!refreshKeepingTyping(true))
        return;
    if (!m_isNew && (m_curRec < 1 || m_curRec > m_file.count())) {
        Text1[0]->setFocus();
        return;
    }
    std::array<std::string, 6> texts;
    for (std::size_t i = 0; i < Text1.size(); ++i)
        texts[i] = Text1[i]->text().toStdString();
    const entry::CellValues values = entry::readCells(texts);
    if (const auto problem = entry::checkCells(values, state().game)) {
        dialogs().show(QString::fromStdString(problem->message), errorTitle(), DialogIcon::Exclamation);
        Text1[static_cast<std::size_t>(problem->cell - 1)]->setFocus();
        return;
    }
    ColumnRecord rec;
    if (m_setup.sortsOnSave) {
        rec.Ball = entry::sortedBalls(values);
        for (std::size_t i = 0; i < Text1.size(); ++i)
            Text1[i]->setText(plainBall(rec.Ball[i]));
    } else {
        rec.Ball = entry::ballsInOrder(values);
    }
    if (m_isNew && !mayAddRecord(m_file.count()))
        return;
    const int32_t number = m_isNew ? m_file.count() + 1 : m_curRec;
    rec.Tag = tagForSave(number);
    int32_t saved = number;
    const bool ok = guarded([&] {
        if (m_isNew)
            saved = m_file.append(rec);
        else
            m_file.write(number, rec);
    });
    fillList();
    fileReloaded();
    if (!ok) {
        if (!m_isNew && m_curRec > m_file.count())
            m_curRec = m_file.count();
        return;
    }
    m_isNew = false;
    m_curRec = saved;
    setWindowTitle(numberCaption(m_setup.savedCaption, saved));
    m_syncingList = true;
    List1->setCurrentRow(saved - 1);
    m_syncingList = false;
}

QString RecordEditorWindow::deleteQuestion(int32_t k) const {
    return qnumber(k) + QStringLiteral(" numaralı kolonu silmek istiyormusunuz ?");
}

QString RecordEditorWindow::deletedMessage(int32_t k) const {
    return QStringLiteral("Kolon") + qnumber(k) + QStringLiteral(" SİLİNDİ...");
}

void RecordEditorWindow::deleteRecord() {
    dialogs().beep();
    refreshFile();
    if (m_isNew) {
        // Cancels the new record.
        m_isNew = false;
        m_curRec = m_file.count();
        if (m_curRec >= 1) {
            showRecord(m_curRec);
        } else {
            clearCells();
            setWindowTitle(m_setup.caption);
        }
        return;
    }
    if (m_curRec < 1 || m_curRec > m_file.count()) {
        Text1[0]->setFocus();
        return;
    }
    const int32_t k = m_curRec;
    if (!dialogs().askYesNo(deleteQuestion(k), programTitle()))
        return;
    const bool ok = guarded([&] { m_file.remove(k); });
    fillList();
    fileReloaded();
    if (ok) {
        clearCells();
        dialogs().show(deletedMessage(k), programTitle(), DialogIcon::None);
    }
    m_curRec = std::min(k, m_file.count());
    if (m_curRec >= 1) {
        showRecord(m_curRec);
    } else {
        clearCells();
        setWindowTitle(m_setup.caption);
    }
}

void RecordEditorWindow::deleteAll() {
    dialogs().beep();
    refreshFile();
    if (!dialogs().askYesNo(m_setup.deleteAllQuestion, QStringLiteral(" ") + programTitle()))
        return;
    const bool ok = guarded([this] { m_file.clear(); });
    fillList();
    fileReloaded();
    if (!ok)
        return;
    m_isNew = false;
    m_curRec = 0;
    clearCells();
    setWindowTitle(m_setup.caption);
}

void RecordEditorWindow::showHelp() {
    dialogs().beep();
    showKeysBox(helpText());
}

bool RecordEditorWindow::cellsDifferFromRecord() const {
    if (m_curRec < 1 || m_curRec > m_file.count())
        return false;
    const ColumnRecord& rec = m_file.record(m_curRec);
    for (std::size_t i = 0; i < Text1.size(); ++i)
        if (Text1[i]->text() != plainBall(rec.Ball[i]))
            return true;
    return false;
}

void RecordEditorWindow::escapeInCell() {
    m_isNew = false;
    m_curRec = std::min(m_curRec, m_file.count());
    if (m_curRec >= 1) {
        showRecord(m_curRec);
    } else {
        clearCells();
        setWindowTitle(m_setup.caption);
    }
}

void RecordEditorWindow::listRowChosen(int row) {
    if (m_syncingList || row < 0)
        return;
    refreshFile();
    if (row < m_file.count())
        showRecord(row + 1);
}

int RecordEditorWindow::cellIndex(const QWidget* widget) const {
    for (std::size_t i = 0; i < Text1.size(); ++i)
        if (Text1[i] == widget)
            return static_cast<int>(i);
    return -1;
}

void RecordEditorWindow::beepAndOpen(WindowId other) {
    dialogs().beep();
    context().windows.open(other);
}

void RecordEditorWindow::openPrintDialog(WindowId printDialog) {
    dialogs().beep();
    refreshFile();
    if (recordCount() >= 1)
        context().windows.open(printDialog);
}

void RecordEditorWindow::closeAndOpen(WindowId other) {
    close();
    context().windows.open(other);
}

bool RecordEditorWindow::continueInListWindow(const QString& listName, WindowId listWindow) {
    dialogs().show(
        QStringLiteral("Bu ") + listName + QStringLiteral(" formunun 32736 kayıt sınırı aşıldığı için, ") +
            listName +
            QStringLiteral(" yeni formda işlem görecek...\r\rYeni kayıt girişi yapmak için, yeni açılacak "
                           "formda 'F1' tuşuna basın... [ F10 = Yardım ]"),
        QStringLiteral("! Dikkat !"), DialogIcon::Exclamation);
    closeAndOpen(listWindow);
    return false;
}

QString RecordEditorWindow::withSign(int64_t n) {
    return qnumber(n);
}

bool RecordEditorWindow::handleKey(QKeyEvent* event) {
    if (withCtrlOrAlt(event))
        return false;
    QWidget* focus = focusWidget();
    const int cell = cellIndex(focus);
    if (runKeyCommand(event, {{Qt::Key_Home, [this] { firstRecord(); }},
                              {Qt::Key_PageUp, [this] { previousRecord(); }},
                              {Qt::Key_PageDown, [this] { nextRecord(); }},
                              {Qt::Key_End, [this] { lastRecord(); }},
                              {Qt::Key_F1, [this] { newRecord(); }},
                              {Qt::Key_F2, [this] { saveRecord(); }},
                              {Qt::Key_F3, [this] { deleteRecord(); }},
                              {Qt::Key_F4, [this] { deleteAll(); }},
                              {Qt::Key_F10, [this] { showHelp(); }}}))
        return true;
    switch (event->key()) {
    case Qt::Key_F5:
    case Qt::Key_F6:
    case Qt::Key_F7:
    case Qt::Key_F8:
    case Qt::Key_F9:
    case Qt::Key_F11:
    case Qt::Key_F12:
        return functionKey(event->key());
    case Qt::Key_Escape:
        // In a cell ESC first drops what was typed (and a new record); with
        // nothing to drop it closes the window, as everywhere else.
        if (cell >= 0 && (m_isNew || cellsDifferFromRecord()))
            escapeInCell();
        else
            close();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (cell >= 0) {
            if (cell < 5) {
                Text1[static_cast<std::size_t>(cell + 1)]->setFocus();
                Text1[static_cast<std::size_t>(cell + 1)]->selectAll();
            } else {
                Command6->setFocus();
            }
            return true;
        }
        if (auto* button = qobject_cast<QPushButton*>(focus)) {
            button->click();
            return true;
        }
        return false;
    case Qt::Key_Delete:
        if (focus == List1) {
            deleteRecord();
            return true;
        }
        return false;
    default:
        return false;
    }
}

} // namespace velmorix
