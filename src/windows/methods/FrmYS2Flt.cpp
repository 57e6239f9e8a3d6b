#include "FrmYS2Flt.h"

#include "MethodParts.h"

#include "analysis/PlayedPairs.h"
#include "core/AppState.h"
#include "core/ColumnFile.h"
#include "platform/Dialogs.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <optional>

namespace velmorix {

using namespace methods;

namespace {

QString caption() {
    return QStringLiteral("OKL Yasak İkili Üreteci");
}
QString blankTitle() {
    return QLatin1Char(' ') + programTitle();
}

} // namespace

FrmYS2Flt::FrmYS2Flt(AppContext& context, QWidget* parent)
    : TwoBoxDialog(context, parent, QStringLiteral("F1= Uygula\rESC= İptal/Kapat")) {
    setObjectName(QStringLiteral("frmYS2Flt"));
    setWindowTitle(caption());
    QGridLayout* grid = makeCentralGrid(12);
    QWidget* central = grid->parentWidget();
    auto makeBox = [central](const char* name, const QString& tip) {
        auto* box = new QLineEdit(QStringLiteral("1"), central);
        box->setObjectName(QString::fromLatin1(name));
        box->setToolTip(tip);
        box->setFixedWidth(80);
        return box;
    };
    Text1 = makeBox("Text1", QStringLiteral("Farklı gurupların en az tekrar sayısı"));
    Text2 = makeBox("Text2", QStringLiteral("Onluk gurup içi en az tekrar sayısı"));
    grid->addWidget(new QLabel(QStringLiteral("Farklı Gurup En Az Tekrar :"), central), 0, 0);
    grid->addWidget(Text1, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Onluk Gurup En Az Tekrar :"), central), 1, 0);
    grid->addWidget(Text2, 1, 1);
    Option1 = new QRadioButton(QStringLiteral("Yeni Dosya"), central);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option1->setChecked(true);
    Option2 = new QRadioButton(QStringLiteral("Ekle"), central);
    Option2->setObjectName(QStringLiteral("Option2"));
    grid->addWidget(Option1, 2, 0);
    grid->addWidget(Option2, 2, 1);
    addCommandRow(grid, 3, QStringLiteral("İptal"));
    setFixedSize(sizeHint());
    placeCentred(this);
}

void FrmYS2Flt::onActivated() {
    if (returningFromModal())
        return;
    if (recordCount(dir(), files::Played) >= 1)
        return;
    dialogs().show(QStringLiteral("Oynanan kolon yok !\r(VELMORIX.OKL dosyası yok veya boş !)"), blankTitle(),
                   DialogIcon::Exclamation);
    close();
}

int32_t FrmYS2Flt::threshold(QLineEdit* box) {
    const int64_t v = boxNumber(box);
    if (v <= 32767)
        return static_cast<int32_t>(std::max<int64_t>(v, INT16_MIN));
    // A number past the limit is brought to it, box and threshold alike.
    box->setText(QStringLiteral("32767"));
    return 32767;
}

void FrmYS2Flt::apply() {
    const int32_t cross = threshold(Text1);
    const int32_t same = threshold(Text2);
    Command2->setText(QStringLiteral("Kapat"));
    std::optional<int32_t> written;
    bool done = false;
    {
        BusyCursor busy;
        done = guarded([&] {
            written = writePairsFromPlayed(
                dir(), cross, same, Option2->isChecked(),
                [this](int32_t r, int32_t n) {
                    showProgressTitle(QStringLiteral(" %") + qtext(Str(int64_t{r} * 100 / n)));
                },
                state().game);
        });
    }
    setWindowTitle(caption());
    if (!done)
        return;
    dialogs().beep();
    if (!written) {
        dialogs().show(QStringLiteral("'VELMORIX.YS2' dosyasında okunabilir yasak ikili yok !\r(Dosya "
                                      "değiştirilmedi; 'Yeni Dosya' ile yeniden oluşturabilirsiniz.)"),
                       blankTitle(), DialogIcon::Exclamation);
        return;
    }
    dialogs().show(qtext(Str(*written)) +
                       QStringLiteral(" ikili Yasak İkililer dosyası VELMORIX.YS2'ye kayıtlandı ..."),
                   blankTitle(), DialogIcon::None);
    close();
}

} // namespace velmorix
