#include "FrmKuantFlt.h"

#include "FrmKuantum.h"
#include "MethodParts.h"

#include "core/AppState.h"
#include "core/ColumnFile.h"
#include "platform/Dialogs.h"
#include "windows/common/WindowRegistry.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velmorix {

using namespace methods;

namespace {
constexpr int64_t WordLimit = 32768;
}

FrmKuantFlt::FrmKuantFlt(AppContext& context, QWidget* parent)
    : TwoBoxDialog(context, parent, QStringLiteral("F1= Uygula\r\rESC= İptal/Kapat")) {
    setObjectName(QStringLiteral("frmKuantFlt"));
    setWindowTitle(QStringLiteral("Sonuçlar (Kullanılacak Olan)"));
    QGridLayout* grid = makeCentralGrid(10);
    QWidget* central = grid->parentWidget();
    auto makeBox = [central](const char* name, const QString& value) {
        auto* box = new QLineEdit(value, central);
        box->setObjectName(QString::fromLatin1(name));
        box->setFixedWidth(90);
        return box;
    };
    Text1 = makeBox("Text1", QStringLiteral("1"));
    Text2 = makeBox("Text2", QStringLiteral("32767"));
    grid->addWidget(new QLabel(QStringLiteral("Başlama :"), central), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Bitiş :"), central), 0, 1);
    grid->addWidget(Text1, 1, 0);
    grid->addWidget(Text2, 1, 1);
    addCommandRow(grid, 2, QStringLiteral("İptal"));
    setFixedSize(sizeHint().expandedTo(QSize(300, 0)));
    placeCentred(this);
}

int32_t FrmKuantFlt::resultCount() {
    // Record numbers of the results are 16-bit.
    return std::min<int32_t>(recordCount(dir(), files::Results), 32767);
}

void FrmKuantFlt::onActivated() {
    if (returningFromModal())
        return;
    const int32_t count = resultCount();
    if (count >= 1) {
        // A range the user typed stays until the number of results changes.
        if (count != m_shownCount)
            Text2->setText(qtext(digits(count)));
        m_shownCount = count;
        return;
    }
    dialogs().beep();
    dialogs().show(QStringLiteral("Değerlendirilecek herhangi bir sonuç yok !"), quantumTitle(),
                   DialogIcon::Exclamation);
    close();
}

bool FrmKuantFlt::returnPastFirstBox() {
    if (focusWidget() == Text2) {
        Command1->setFocus();
        return true;
    }
    if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
        button->click();
        return true;
    }
    return false;
}

void FrmKuantFlt::rangeError(const QString& firstLine, int32_t count, QLineEdit* focus) {
    dialogs().show(firstLine + QStringLiteral("\r\r[ KOLON SAYISI =") + qtext(Str(count)) +
                       QStringLiteral(" ]"),
                   errorTitle(), DialogIcon::Exclamation);
    focus->setFocus();
}

void FrmKuantFlt::apply() {
    dialogs().beep();
    const int32_t count = resultCount();
    const int64_t first = boxNumber(Text1);
    if (first >= WordLimit) {
        Text1->setText(QStringLiteral("1"));
        Text1->setFocus();
        return;
    }
    if (first < 1 || first > count) {
        rangeError(QStringLiteral("Başlangıç kolon numarası GEÇERSİZ !"), count, Text1);
        return;
    }
    const int64_t last = boxNumber(Text2);
    if (last >= WordLimit) {
        Text2->setText(qtext(digits(count)));
        Text2->setFocus();
        return;
    }
    if (last < 1 || last > count) {
        rangeError(QStringLiteral("Bitiş kolon numarası GEÇERSİZ !"), count, Text2);
        return;
    }
    if (last < first) {
        dialogs().show(QStringLiteral("Bitiş kolon numarası başlangıç kolon numarasından az olamaz !"),
                       errorTitle(), DialogIcon::Exclamation);
        Text2->setFocus();
        return;
    }
    // Only a valid range reaches the program-wide variables.
    state().RangeFirst = static_cast<int16_t>(first);
    state().RangeLast = static_cast<int16_t>(last);
    {
        BusyCursor busy;
        // An open quantum window starts over on the new range.
        if (auto* quantum = context().windows.findAs<FrmKuantum>(WindowId::Kuantum))
            quantum->startOver();
        context().windows.open(WindowId::Kuantum);
    }
    Command2->setText(QStringLiteral("Kapat"));
}

} // namespace velmorix
