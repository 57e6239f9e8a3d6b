#include "FrmResults.h"

#include "analysis/EditorEntry.h"
#include "core/AppState.h"
#include "core/ColumnFile.h"
#include "core/DateCode.h"
#include "core/Numbers.h"
#include "platform/Dialogs.h"
#include "windows/common/ResultsRequest.h"
#include "windows/common/Text.h"
#include "windows/common/WindowRegistry.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include <algorithm>

namespace velmorix {

namespace {

// The results range dialog's operations asked for by this editor.
constexpr int16_t NewPairsMode = 6;
constexpr int16_t AddPairsMode = 7;
constexpr int16_t NewSextetsMode = 8;
constexpr int16_t AddSextetsMode = 9;
constexpr int16_t AsListMode = 10;

QComboBox* makeDateBox(QWidget* parent, const char* name, int first, int last, int width) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMaxVisibleItems(12);
    QStringList items;
    for (int v = first; v <= last; ++v)
        items.push_back(QString::number(v));
    box->addItems(items);
    box->setFixedWidth(width);
    return box;
}

RecordEditorSetup setup(const Game& game) {
    return {.objectName = "frmResults",
            .fileName = files::Results,
            .deleteTempName = files::ResultsDelete,
            .caption = qtext(game.tag()) + QStringLiteral(" Çıkan Kolonlar"),
            .topLabel = programTitle() + QStringLiteral("  [ F10= Yardım ]"),
            .listFrame = QStringLiteral("Sonuç Listesi  [ F10 = Yardım ]"),
            .command8ToolTip = QStringLiteral("Çıkan Topların Tekrar Sayıları"),
            .recordCaption = qtext(game.tag()) + QStringLiteral(" Sonuçları...  Kolon="),
            .newCaption = QStringLiteral("Yeni Kolon...   Kayıt No="),
            .savedCaption = QStringLiteral("Kayıtlandı...  Kayıt No="),
            .sortsOnSave = true,
            .listsSums = true,
            .deleteAllQuestion =
                QStringLiteral("Sonuçlar ('VELMORIX.RES') dosyasını silmek istiyormusunuz ?"),
            .ownKeys = {QStringLiteral("F1 = Yeni bir Sonuç Ekle"),
                        QStringLiteral("F2 = Aktif Kolonu Kayıtla"), QStringLiteral("F3 = Aktif Kolonu Sil"),
                        QStringLiteral("F4 = Tüm Sonuçları/Kolonları Sil"),
                        QStringLiteral("F5 = Çıkan Kolonları (Tekrar Sayılarını) Göster"),
                        QStringLiteral("F6 = Sonuçları Kombinasyon Listesi olarak kayıtla"),
                        QStringLiteral("F7 = Sonuçları Yasak Altılılar Listesi olarak kayıtla"),
                        QStringLiteral("F8 = Sonuçlardan Yasak İkililer Listesi oluştur"), QString(),
                        QStringLiteral("F9 = Sonuçları bas (VELMORIX.TXT dosyasına yazdır)"), QString(),
                        QStringLiteral("F10 = Komut Yardımı"), QString(),
                        QStringLiteral("F11 = Sonuçları Yasak Altılılar Listesi'ne ekle"),
                        QStringLiteral("F12 = Sonuçlardan Yasak İkililer Listesi'ne ikililer ekle")}};
}

} // namespace

FrmResults::FrmResults(AppContext& context, QWidget* parent)
    : RecordEditorWindow(context, setup(context.state.game), parent) {
    buildDateBoxes();
    buildImportMenu();
    state().RangeFirst = 1;
    loadFile();
}

void FrmResults::buildDateBoxes() {
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    row->addStretch(1);
    Label2 = new QLabel(QStringLiteral("Çekiliş Tarihi:"), centralArea());
    Label2->setObjectName(QStringLiteral("Label2"));
    row->addWidget(Label2);
    Combo1 = makeDateBox(centralArea(), "Combo1", 1, 31, 62);
    Combo2 = makeDateBox(centralArea(), "Combo2", 1, 12, 62);
    Combo3 = makeDateBox(centralArea(), "Combo3", DateCodeFirstYear, DateCodeLastYear, 84);
    Combo1->setToolTip(QStringLiteral("Gün"));
    Combo2->setToolTip(QStringLiteral("Ay"));
    Combo3->setToolTip(QStringLiteral("Yıl"));
    row->addWidget(Combo1);
    row->addWidget(Combo2);
    row->addWidget(Combo3);
    row->addStretch(1);
    extraArea()->addLayout(row);
    setDateBoxes(0, 0, 0);
    // Tab goes from the last cell through the date to the save button.
    setTabOrder(Text1[5], Combo1);
    setTabOrder(Combo1, Combo2);
    setTabOrder(Combo2, Combo3);
    setTabOrder(Combo3, Command6);
}

void FrmResults::setDateBoxes(int64_t day, int64_t month, int64_t year) {
    Combo1->setCurrentText(QString::number(day));
    Combo2->setCurrentText(QString::number(month));
    Combo3->setCurrentText(QString::number(year));
}

bool FrmResults::mayAddRecord(int32_t count) {
    if (count < RecordLimit)
        return true;
    dialogs().show(QStringLiteral("32767 sonuç kolonu var... Yeni bir kolon ekleyemezsiniz !"), errorTitle(),
                   DialogIcon::Exclamation);
    return false;
}

int32_t FrmResults::tagForSave(int32_t) {
    const entry::DateTag date =
        entry::dateTagOf(Combo1->currentText().toStdString(), Combo2->currentText().toStdString(),
                         Combo3->currentText().toStdString());
    if (date.badBox == 1)
        Combo1->setCurrentText(QStringLiteral("0"));
    else if (date.badBox == 2)
        Combo2->setCurrentText(QStringLiteral("0"));
    else if (date.badBox == 3)
        Combo3->setCurrentText(QStringLiteral("0"));
    return date.tag;
}

void FrmResults::showTag(int32_t tag) {
    const entry::DateBoxes date = entry::dateBoxesOf(tag);
    setDateBoxes(date.day, date.month, date.year);
}

void FrmResults::startNewRecord() {
    setDateBoxes(0, 0, 0);
}

void FrmResults::fileReloaded() {
    state().RangeLast = static_cast<int16_t>(std::min(recordCount(), int32_t{32767}));
}

void FrmResults::openRangeDialog(int16_t mode) {
    ResultsRequest::open(context(), ResultsSource::Results, mode);
}

void FrmResults::askAndOpenRangeDialog(int32_t minimumResults, const QString& question, int16_t mode) {
    dialogs().beep();
    refreshFile();
    if (recordCount() < minimumResults)
        return;
    if (dialogs().askYesNo(question, programTitle()))
        openRangeDialog(mode);
}

bool FrmResults::handleKey(QKeyEvent* event) {
    if (event->modifiers() == Qt::ControlModifier && event->key() == Qt::Key_I) {
        importResults();
        return true;
    }
    return RecordEditorWindow::handleKey(event);
}

bool FrmResults::functionKey(int key) {
    return runKeyCommand(
        key, {{Qt::Key_F5,
               [this] {
                   refreshFile();
                   if (recordCount() >= 1)
                       openRangeDialog(dialogmode::Repetitions);
               }},
              {Qt::Key_F6,
               [this] {
                   askAndOpenRangeDialog(
                       2,
                       QStringLiteral("Sonuç Listesi içeren 'VELMORIX.RES' dosyasını Kombinasyon Listesi "
                                      "içeren 'VELMORIX.LST' olarak kayıtlamak istiyormusunuz ?"),
                       AsListMode);
               }},
              {Qt::Key_F7,
               [this] {
                   askAndOpenRangeDialog(
                       2, QStringLiteral("Sonuçları Yasak Kombinasyonlar olarak kayıtlamak istiyormusunuz ?"),
                       NewSextetsMode);
               }},
              {Qt::Key_F8,
               [this] {
                   askAndOpenRangeDialog(
                       0, QStringLiteral("Sonuçlardan Yasak İkililer Listesi oluşturmak istiyormusunuz ?"),
                       NewPairsMode);
               }},
              {Qt::Key_F9, [this] { openPrintDialog(WindowId::ResPrint); }},
              {Qt::Key_F11,
               [this] {
                   askAndOpenRangeDialog(
                       2,
                       QStringLiteral("Sonuçları Yasak Kombinasyonlar Listesi'ne eklemek istiyormusunuz ?"),
                       AddSextetsMode);
               }},
              {Qt::Key_F12, [this] {
                   dialogs().beep();
                   if (dir().fileSize(files::Pairs) >= 2 &&
                       dialogs().askYesNo(
                           QStringLiteral("Sonuçları Yasak İkililer Listesi'ne eklemek istiyormusunuz ?"),
                           programTitle()))
                       openRangeDialog(AddPairsMode);
               }}});
}

} // namespace velmorix
