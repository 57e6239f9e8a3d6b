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

RecordEditorSetup setup() {
    return {.objectName = "frmZero",
            .fileName = files::Zero,
            .deleteTempName = files::ZeroDelete,
            .caption = ZeroCaption,
            .topLabel = programTitle() + QStringLiteral("  [ F10= Yardım ]"),
            .listFrame = QStringLiteral("Sıfır Tutturulacak Kolon Listesi"),
            .recordCaption = QStringLiteral("0 Tutacak Kolonlar - ["),
            .recordCaptionEnd = QStringLiteral(" ]"),
            .newCaption = QStringLiteral("Yeni Kolon... Kayıt No="),
            .savedCaption = QStringLiteral("Kayıtlandı... Kayıt No="),
            .deleteAllQuestion =
                QStringLiteral("Sıfır Tutturulacak Kolonlar dosyası VELMORIX.ZMC'yi silmek istiyormusunuz ?"),
            .ownKeys = {QStringLiteral("F1 = Yeni Bir 'Sıfırı Yakala' Kolonu Ekle"),
                        QStringLiteral("F2 = Aktif Kolonu Kayıtla"), QStringLiteral("F3 = Aktif Kolonu Sil"),
                        QStringLiteral("F4 = Tüm 'Sıfırı Yakala' Kolonlarını Sil"),
                        QStringLiteral("F5 = Sıfırı -VEYA kuralıyla- Yakala (Bir Kolon Sıfır Tutacak) "),
                        QStringLiteral("F6 = Sıfırı -VE kuralıyla- Yakala (Tüm Kolonlar Sıfır Tutacak)"),
                        QStringLiteral("F7 = Kombinasyon Listesi'ni %25 Benzerlik Sınırı Yöntemiyle Ele"),
                        QStringLiteral("F8 = 'Sıfırı Yakala' Dosyasını Oynananlar Dosyası Olarak Kayıtla"),
                        QStringLiteral("F9 =  Oynananlar Dosyasını 'Sıfırı Yakala' Dosyası Olarak Kayıtla"),
                        QStringLiteral("F10 = Komut Yardımı")},
            .helpNote =
                QStringLiteral("NOT: Yeni bir kayıtı iptal etmek için, 'Sil' butonunu kullanın veya 'F3' "
                               "tuşuna basın...")};
}

} // namespace

FrmZero::FrmZero(AppContext& context, QWidget* parent) : RecordEditorWindow(context, setup(), parent) {
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

bool FrmZero::mayAddRecord(int32_t count) {
    if (count < catchzero::MaxColumns)
        return true;
    dialogs().show(QStringLiteral("'SIFIRI YAKALA' yönteminde kullanılacak kolon sayısı en çok 64 olabilir."),
                   QStringLiteral(" 'SIFIRI YAKALA' Yöntemi ! ÜST SINIR !"), DialogIcon::Exclamation);
    return false;
}

QString FrmZero::deleteQuestion(int32_t k) const {
    return withSign(k) + QStringLiteral(". kolonu silmek istiyormusunuz ?");
}

QString FrmZero::deletedMessage(int32_t k) const {
    return QStringLiteral("Kolon") + withSign(k) + QStringLiteral(" SİLİNDİ ...");
}

bool FrmZero::functionKey(int key) {
    return runKeyCommand(key, {{Qt::Key_F5, [this] { filterList(catchzero::Rule::AnyZero); }},
                               {Qt::Key_F6, [this] { filterList(catchzero::Rule::AllZero); }},
                               {Qt::Key_F7, [this] { filterList(catchzero::Rule::QuarterLimit); }},
                               {Qt::Key_F8, [this] { copyToPlayed(); }},
                               {Qt::Key_F9, [this] { copyFromPlayed(); }}});
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
