#include "FrmZero.h"

#include "analysis/EditorEntry.h"
#include "core/AppState.h"
#include "core/ColumnFile.h"
#include "core/Numbers.h"
#include "platform/Dialogs.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QVBoxLayout>

namespace velmorix {

namespace {

const QString ZeroCaption = QStringLiteral("Sıfır Tutturulacak Kolonlar");

struct RuleTexts {
    QString question;
    QString title;
    QString phase1;
    QString phase2;
};

RuleTexts textsOf(catchzero::Rule rule) {
    switch (rule) {
    case catchzero::Rule::AnyZero:
        return {
            QStringLiteral("Kombinasyon Listesi'ni 'SIFIRI -VEYA kuralıyla- YAKALA' yöntemiyle filtrelemek "
                           "istiyormusunuz ?"),
            QStringLiteral("Bir Kolonla Sıfır Benzerlik Koşulu"), QStringLiteral("SY Faz 1:"),
            QStringLiteral("SY Faz 2:")};
    case catchzero::Rule::AllZero:
        return {QStringLiteral("Kombinasyon Listesi'ni 'SIFIRI -VE kuralıyla- YAKALA' yöntemiyle filtrelemek "
                               "istiyormusunuz ?"),
                QStringLiteral("Tüm Kolonlarla Sıfır Benzerlik Koşulu"), QStringLiteral("SY Faz 1:"),
                QStringLiteral("SY Faz 2:")};
    case catchzero::Rule::QuarterLimit:
        break;
    }
    return {QStringLiteral("Kombinasyon Listesi'ni benzerlik sınırı (>%25) yöntemine göre filtrelemek "
                           "istiyormusunuz ?"),
            QStringLiteral("%25 Benzerlik Sınırı"), QStringLiteral("ABY Faz 1:"),
            QStringLiteral("ABY Faz 2 :")};
}

} // namespace

FrmZero::FrmZero(AppContext& context, QWidget* parent)
    : RecordEditorWindow(context,
                         {"frmZero", files::Zero, files::ZeroDelete, ZeroCaption,
                          programTitle() + QStringLiteral("  [ F10= Yardım ]"),
                          QStringLiteral("Sıfır Tutturulacak Kolon Listesi"), QString()},
                         parent) {
    buildRangeBoxes();
    loadFile();
}

void FrmZero::buildRangeBoxes() {
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    row->addStretch(1);
    auto makeBox = [this](const char* name) {
        auto* box = new QLineEdit(centralArea());
        box->setObjectName(QString::fromLatin1(name));
        box->setAlignment(Qt::AlignRight);
        box->setFixedWidth(56);
        return box;
    };
    Label2 = new QLabel(QStringLiteral("Başlama :"), centralArea());
    Label2->setObjectName(QStringLiteral("Label2"));
    Text2 = makeBox("Text2");
    Label3 = new QLabel(QStringLiteral("Bitiş :"), centralArea());
    Label3->setObjectName(QStringLiteral("Label3"));
    Text3 = makeBox("Text3");
    row->addWidget(Label2);
    row->addWidget(Text2);
    row->addSpacing(12);
    row->addWidget(Label3);
    row->addWidget(Text3);
    row->addStretch(1);
    extraArea()->addLayout(row);
    setTabOrder(Text1[5], Text2);
    setTabOrder(Text2, Text3);
}

void FrmZero::fileReloaded() {
    if (!Text2)
        return;
    Text2->setText(QStringLiteral("1"));
    Text3->setText(QString::number(recordCount()));
}

QString FrmZero::recordCaption(int32_t k) const {
    return QStringLiteral("0 Tutacak Kolonlar - [") + withSign(k) + QStringLiteral(" ]");
}

QString FrmZero::newCaption(int32_t k) const {
    return QStringLiteral("Yeni Kolon... Kayıt No=") + withSign(k);
}

QString FrmZero::savedCaption(int32_t k) const {
    return QStringLiteral("Kayıtlandı... Kayıt No=") + withSign(k);
}

bool FrmZero::mayAddRecord(int32_t count) {
    if (count < catchzero::MaxColumns)
        return true;
    dialogs().show(QStringLiteral("'SIFIRI YAKALA' yönteminde kullanılacak kolon sayısı en çok 64 olabilir."),
                   QStringLiteral(" 'SIFIRI YAKALA' Yöntemi ! ÜST SINIR !"), DialogIcon::Exclamation);
    return false;
}

QString FrmZero::listLine(const ColumnRecord& rec) const {
    return QString::fromStdString(entry::listLine(rec, false));
}

QString FrmZero::deleteQuestion(int32_t k) const {
    return withSign(k) + QStringLiteral(". kolonu silmek istiyormusunuz ?");
}

QString FrmZero::deletedMessage(int32_t k) const {
    return QStringLiteral("Kolon") + withSign(k) + QStringLiteral(" SİLİNDİ ...");
}

QString FrmZero::deleteAllQuestion() const {
    return QStringLiteral("Sıfır Tutturulacak Kolonlar dosyası VELMORIX.ZMC'yi silmek istiyormusunuz ?");
}

QString FrmZero::helpText() const {
    return QStringList{
        QStringLiteral("F1 = Yeni Bir 'Sıfırı Yakala' Kolonu Ekle"),
        QStringLiteral("F2 = Aktif Kolonu Kayıtla"),
        QStringLiteral("F3 = Aktif Kolonu Sil"),
        QStringLiteral("F4 = Tüm 'Sıfırı Yakala' Kolonlarını Sil"),
        QStringLiteral("F5 = Sıfırı -VEYA kuralıyla- Yakala (Bir Kolon Sıfır Tutacak) "),
        QStringLiteral("F6 = Sıfırı -VE kuralıyla- Yakala (Tüm Kolonlar Sıfır Tutacak)"),
        QStringLiteral("F7 = Kombinasyon Listesi'ni %25 Benzerlik Sınırı Yöntemiyle Ele"),
        QStringLiteral("F8 = 'Sıfırı Yakala' Dosyasını Oynananlar Dosyası Olarak Kayıtla"),
        QStringLiteral("F9 =  Oynananlar Dosyasını 'Sıfırı Yakala' Dosyası Olarak Kayıtla"),
        QStringLiteral("F10 = Komut Yardımı"),
        QString(),
        QStringLiteral("HOME = İlk Kayıt"),
        QStringLiteral("PAGEUP = Önceki Kayıt"),
        QStringLiteral("PAGEDOWN = Sonraki Kayıt"),
        QStringLiteral("END = Son Kayıt"),
        QString(),
        QStringLiteral("ESC = Kapat"),
        QString(),
        QStringLiteral("NOT: Yeni bir kayıtı iptal etmek için, 'Sil' butonunu kullanın veya 'F3' "
                       "tuşuna basın...")}
        .join(QLatin1Char('\r'));
}

bool FrmZero::functionKey(int key) {
    switch (key) {
    case Qt::Key_F5:
        filterList(catchzero::Rule::AnyZero);
        return true;
    case Qt::Key_F6:
        filterList(catchzero::Rule::AllZero);
        return true;
    case Qt::Key_F7:
        filterList(catchzero::Rule::QuarterLimit);
        return true;
    case Qt::Key_F8:
        copyToPlayed();
        return true;
    case Qt::Key_F9:
        copyFromPlayed();
        return true;
    default:
        return false;
    }
}

void FrmZero::filterList(catchzero::Rule rule) {
    refreshFile();
    const int32_t count = recordCount();
    const catchzero::RangeCheck range =
        catchzero::checkRange(Text2->text().toStdString(), Text3->text().toStdString(), count);
    switch (range.outcome) {
    case catchzero::RangeCheck::Outcome::ResetStart:
        Text2->setText(QStringLiteral("1"));
        return;
    case catchzero::RangeCheck::Outcome::ResetEnd:
        Text3->setText(QString::number(count));
        return;
    case catchzero::RangeCheck::Outcome::Error:
        dialogs().show(QString::fromStdString(range.message), errorTitle(), DialogIcon::Exclamation);
        return;
    case catchzero::RangeCheck::Outcome::Ok:
        break;
    }
    if (count < 1 || velmorix::recordCount(dir(), files::List) < 1)
        return;
    const RuleTexts texts = textsOf(rule);
    dialogs().beep();
    if (!dialogs().askYesNo(texts.question, texts.title))
        return;

    const auto& all = file().records();
    const std::vector<ColumnRecord> columns(all.begin() + (range.first - 1), all.begin() + range.last);
    const catchzero::Filter filter(rule, columns, count, state().game);
    int32_t kept = 0;
    const bool ok = guarded([&] {
        BusyCursor busy;
        kept = catchzero::filterList(dir(), filter, [&](int phase, int32_t record) {
            showProgressTitle((phase == 1 ? texts.phase1 : texts.phase2) + withSign(record), phase == 2);
        });
    });
    setWindowTitle(ZeroCaption);
    if (!ok)
        return;
    dialogs().beep();
    dialogs().show(withSign(kept) + QStringLiteral(" kolon VELMORIX.LST dosyasına kayıtlandı..."),
                   texts.title, DialogIcon::None);
}

void FrmZero::copyToPlayed() {
    refreshFile();
    const int32_t count = recordCount();
    if (count < 1)
        return;
    if (!dialogs().askYesNo(
            QStringLiteral("'Sıfırı Yakala' (VELMORIX.ZMC) dosyasını Oynananlar (VELMORIX.OKL) "
                           "dosyası olarak kayıtlamak istiyormusunuz ?"),
            programTitle()))
        return;
    if (guarded([this] { copyFileSafe(dir(), files::Zero, files::Played); }))
        dialogs().show(QStringLiteral("VELMORIX.ZMC dosyası  VELMORIX.OKL olarak kayıtlandı.\r( ") +
                           QString::number(count) + QStringLiteral(" kolon )"),
                       programTitle(), DialogIcon::None);
}

void FrmZero::copyFromPlayed() {
    refreshFile();
    const int32_t played = velmorix::recordCount(dir(), files::Played);
    if (played < 1 || played > catchzero::MaxColumns) {
        // Nothing to copy, or more columns than the method can use.
        dialogs().beep();
        return;
    }
    if (!dialogs().askYesNo(
            QStringLiteral("Oynananlar (VELMORIX.OKL) dosyasını 'Sıfırı Yakala' (VELMORIX.ZMC) "
                           "dosyası olarak kayıtlamak istiyormusunuz ?"),
            programTitle()))
        return;
    guarded([this] { copyFileSafe(dir(), files::Played, files::Zero); });
    loadFile();
}

} // namespace velmorix
