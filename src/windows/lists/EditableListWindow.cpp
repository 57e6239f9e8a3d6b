#include "EditableListWindow.h"

#include "core/ColumnFile.h"
#include "core/Numbers.h"
#include "platform/Dialogs.h"
#include "windows/common/Text.h"

namespace velmorix {

EditableListWindow::EditableListWindow(AppContext& context, PagedListTexts texts, EditableListTexts editTexts,
                                       QWidget* parent)
    : PagedListWindow(context, std::move(texts), parent), m_edit(std::move(editTexts)) {}

void EditableListWindow::newColumn() {
    const auto six = askSixBalls(m_edit.newPrompt, m_edit.newTitle, QString());
    if (!six)
        return;
    dialogs().beep();
    if (!dialogs().askYesNo(QStringLiteral("< ") + six->text + QStringLiteral(" > ") + m_edit.objectWord +
                                QLatin1Char(' ') + m_edit.fileWords +
                                QStringLiteral(" dosyasına eklemek istiyormusunuz?"),
                            QLatin1Char(' ') + programTitle()))
        return;
    guarded([&] {
        const int32_t count = listCount();
        ColumnRecord r;
        r.Tag = KeepMark;
        r.Ball = six->balls;
        appendRecord(dir(), listFile(), r);
        firstShown() = count + 1; // the last page
    });
}

void EditableListWindow::changeColumn() {
    const int32_t count = listCount();
    const int32_t position = firstShown();
    if (count < 1 || position < 0 || count <= position)
        return;
    const int32_t number = position + 1;
    ColumnRecord current;
    if (!guarded([&] { current = readRecord(dir(), listFile(), number); }))
        return;
    QStringList stored;
    for (const int16_t b : current.Ball)
        stored << QString::number(b);
    const auto six = askSixBalls(QString::fromStdString(digits(number)) + QStringLiteral(" numaralı ") +
                                     m_edit.columnWord +
                                     QStringLiteral("da yer alacak 6 sayıyı aralarına virgül koyarak girin."),
                                 m_edit.changeTitle, stored.join(QStringLiteral(", ")));
    if (!six)
        return;
    dialogs().beep();
    if (!dialogs().askYesNo(QStringLiteral("< ") + six->text + QStringLiteral(" > ") + m_edit.objectWord +
                                QLatin1Char(' ') + m_edit.fileWords +
                                QStringLiteral(" dosyasına kayıtlamak istiyormusunuz?"),
                            qnumber(number) + QStringLiteral(" numaralı ") + m_edit.columnWord +
                                QStringLiteral(" değişikliği ?")))
        return;
    guarded([&] {
        ColumnRecord r;
        r.Tag = KeepMark;
        r.Ball = six->balls;
        writeRecord(dir(), listFile(), number, r);
    });
}

std::optional<int32_t> EditableListWindow::deleteTypedColumn() {
    if (!listExists() || listCount() < 1)
        return std::nullopt;
    const int64_t k = askColumnNumber();
    firstShown() = toPosition(k);
    if (k < 1 || k > listCount())
        return std::nullopt;
    if (!guarded([&] { deleteColumn(static_cast<int32_t>(k), m_edit.tempName); }))
        return std::nullopt;
    return static_cast<int32_t>(k);
}

} // namespace velmorix
