#include "AnalysisFixture.h"

#include <QListWidget>

#include <algorithm>

using namespace velmorix;
using namespace velmorix::test;

namespace {

const QString Title = QStringLiteral("VELMORIX 653 Dizimci u4.5");

class RepTest : public AnalysisFixture {
protected:
    // The statistics window as the range dialog leaves it.
    FrmRep* openRep(int16_t first, int16_t last, int16_t source = 0) {
        state.ResultsDialogMode = dialogmode::Repetitions;
        state.ResultsDialogSubMode = source;
        state.RangeFirst = first;
        state.RangeLast = last;
        return registry.getAs<FrmRep>(WindowId::Rep);
    }
    void writeResults(int count) {
        const std::vector<ColumnRecord> all{rec(1, {1, 2, 3, 10, 20, 30}), rec(2, {1, 2, 4, 11, 21, 31}),
                                            rec(3, {1, 3, 5, 12, 22, 32}), rec(4, {1, 2, 3, 40, 41, 42}),
                                            rec(5, {6, 16, 26, 36, 46, 49})};
        data.writeRecords(files::Results, std::vector<ColumnRecord>(all.begin(), all.begin() + count));
    }
};

} // namespace

TEST_F(RepTest, TwoResultsShowTheirFigures) {
    data.writeRecords(files::Results, {rec(1, {1, 2, 3, 4, 5, 6}), rec(2, {1, 2, 3, 40, 41, 42})});
    FrmRep* w = openRep(1, 2);
    EXPECT_EQ(state.ResultsDialogMode, dialogmode::Done);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Top Tekrar Sayıları ve İstatistikler   SONUÇLAR : 1 - 2"));
    EXPECT_EQ(label(w, 2), QStringLiteral(" 129"));
    EXPECT_EQ(label(w, 3), QStringLiteral(" 21"));
    EXPECT_EQ(label(w, 4), QStringLiteral("75"));
    EXPECT_EQ(label(w, 21), QStringLiteral(" 6"));
    EXPECT_EQ(label(w, 23), QStringLiteral(" 4.5"));
    EXPECT_EQ(label(w, 35), QStringLiteral(" 1.5"));
    const QStringList similarity{label(w, 36), label(w, 37), label(w, 38),
                                 label(w, 39), label(w, 40), label(w, 41)};
    EXPECT_EQ(similarity, (QStringList{QStringLiteral(" 3"), QStringLiteral(" 0"), QStringLiteral(" 3"),
                                       QStringLiteral(" 3"), QStringLiteral(" 0"), QStringLiteral(" 3")}));
    auto* list1 = w->findChild<QListWidget*>(QStringLiteral("List1"));
    ASSERT_EQ(list1->count(), 49);
    EXPECT_EQ(list1->item(0)->text(), QStringLiteral(" 01 :  2 kez..."));
    EXPECT_EQ(list1->item(48)->text(), QStringLiteral(" 49 :  Yok..."));
    EXPECT_EQ(w->findChild<QListWidget*>(QStringLiteral("List2"))->count(), 1176);
}

TEST_F(RepTest, OneResultAndOtherSources) {
    writeResults(3);
    FrmRep* w = openRep(2, 2);
    for (int l = 36; l <= 41; ++l)
        EXPECT_EQ(label(w, l), QStringLiteral(" 0")) << l;
    delete w;
    data.writeRecords(files::Played, {rec(653, {1, 2, 3, 4, 5, 6})});
    w = openRep(1, 1, 2);
    EXPECT_EQ(w->windowTitle(),
              QStringLiteral("Top Tekrar Sayıları ve İstatistikler   OYNANAN KOLONLAR : 1 - 1"));
    EXPECT_EQ(label(w, 41), QStringLiteral("-"));
    w->pressKey(Qt::Key_F1);
    w->pressKey(Qt::Key_F3);
    EXPECT_EQ(dialogs.beeps(), 2);
    w->pressKey(Qt::Key_F5);
    EXPECT_EQ(dialogs.last().title, QStringLiteral(" Oynananların Son Sonuçlarla Benzerlikleri"));
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral("Son Hafta ile ençok benzerlik= 3\r[ İlk Ençok Benzer Kolon= 1 ]\r\r"
                             "Sondan 2. Hafta ile ençok benzerlik= 3\r[ İlk Ençok Benzer Kolon= 1 ]"));
    data.writeRecords(files::Results, {});
    const auto calls = dialogs.calls().size();
    w->pressKey(Qt::Key_F5);
    EXPECT_EQ(dialogs.calls().size(), calls);
    EXPECT_EQ(dialogs.beeps(), 3);
}

TEST_F(RepTest, EmptySourceSaysSo) {
    FrmRep* w = openRep(1, 1, 1);
    EXPECT_EQ(dialogs.last().text, QStringLiteral("Değerlendirilecek herhangi bir kombinasyon yok !"));
    EXPECT_EQ(dialogs.last().icon, DialogIcon::Exclamation);
    EXPECT_EQ(label(w, 2), QString());
}

TEST_F(RepTest, ForbiddenPairsFromTheRange) {
    writeResults(3);
    data.writeWords(files::Pairs, {4 * 50 + 49});
    FrmRep* w = openRep(1, 3);
    // A count equal to the number of results does nothing.
    dialogs.answerInput(QStringLiteral("3"));
    w->pressKey(Qt::Key_F1);
    EXPECT_EQ(words(files::Pairs), (std::vector<int16_t>{249}));
    // Too large asks again with 32767.
    dialogs.answerInput(QStringLiteral("40000"));
    dialogs.answerInput(QStringLiteral("2"));
    w->pressKey(Qt::Key_F2);
    EXPECT_EQ(dialogs.inputDefaults(),
              (std::vector<QString>{QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("32767")}));
    EXPECT_EQ(dialogs.calls()[1].title, QStringLiteral("YASAK İKİLİLERE EKLEME"));
    EXPECT_EQ(words(files::Pairs), (std::vector<int16_t>{52, 53, 249}));
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral(" 3 ikili Yasak İkililer dosyası VELMORIX.YS2'ye kayıtlandı ..."));
    EXPECT_EQ(dialogs.last().title, QStringLiteral(" VELMORIX 653 Dizimci u4.5"));

    dialogs.answerInput(QStringLiteral("2"));
    w->pressKey(Qt::Key_F1);
    EXPECT_EQ(words(files::Pairs), (std::vector<int16_t>{52, 53}));
    EXPECT_EQ(dialogs.last().text, QStringLiteral(" 2 ikili 'VELMORIX.YS2' dosyasına kayıtlandı ..."));
    EXPECT_EQ(dialogs.last().title, Title);

    // The window's range is no longer in the file: nothing is written.
    writeResults(2);
    dialogs.answerInput(QStringLiteral("1"));
    w->pressKey(Qt::Key_F1);
    EXPECT_EQ(words(files::Pairs), (std::vector<int16_t>{52, 53}));
}

TEST_F(RepTest, SumsWithoutExtremesNeedFourResults) {
    writeResults(3);
    FrmRep* w = openRep(1, 3);
    const auto calls = dialogs.calls().size();
    const int beeps = dialogs.beeps();
    w->pressKey(Qt::Key_F3);
    EXPECT_EQ(dialogs.calls().size(), calls);
    EXPECT_EQ(dialogs.beeps(), beeps);
    delete w;

    writeResults(4);
    w = openRep(1, 4);
    w->pressKey(Qt::Key_F3);
    // Sums 66, 70, 75 and 129: 70 and 75 lie between the extremes.
    EXPECT_EQ(dialogs.last().title,
              QStringLiteral("%50 TOPLAM DEĞERLERİ [ Sonuç 1 - 4 için UÇ OLMAYAN Toplamlar ]"));
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral("En Düşük TOPLAM = 70\rEn Yüksek TOPLAM = 75\r\r"
                             "Uç Olmayan Toplam Ortalaması = 72.5\r\r"
                             "NOT: İki uç toplam değeri ( 66 ve 129 ) dikkate alınmamıştır."));
}

TEST_F(RepTest, SumLimitsGoIntoTheFilterFile) {
    writeResults(4);
    std::vector<unsigned char> flt(170, 0xEE);
    data.writeBytes(files::Selection, flt);
    FrmRep* w = openRep(1, 4);
    dialogs.answerNo();
    w->pressKey(Qt::Key_F4);
    EXPECT_EQ(data.readBytes(files::Selection), flt);
    dialogs.answerYes();
    w->pressKey(Qt::Key_F4);
    EXPECT_EQ(dialogs.last().title, QStringLiteral("TOPLAM Limitlerini TOPLAM Filtreleri olarak kayıtla"));
    flt[164] = 66;
    flt[165] = 0;
    flt[166] = 129;
    flt[167] = 0;
    EXPECT_EQ(data.readBytes(files::Selection), flt);
    EXPECT_EQ(state.Selection.SumRule[1], 66);
    EXPECT_EQ(state.Selection.SumRule[2], 129);

    // Without a 170-byte file only the beep.
    data.writeBytes(files::Selection, std::vector<unsigned char>(10, 0));
    const auto calls = dialogs.calls().size();
    w->pressKey(Qt::Key_F4);
    EXPECT_EQ(dialogs.calls().size(), calls);
}

TEST_F(RepTest, PrintoutsGoToThePrinter) {
    writeResults(2);
    FrmRep* w = openRep(1, 2);
    dialogs.answerYes();
    w->pressKey(Qt::Key_F9);
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral("6/49 Top Tekrar Sayıları'nı basmak/yazdırmak istiyormusunuz ?"));
    ASSERT_EQ(printer.lines.size(), 53u);
    EXPECT_EQ(printer.lines[0].text,
              QStringLiteral("VELMORIX 653 DİZİMCİ Uyarlama 4.5  [ 06.12.2026 12:34:56 ]"));
    EXPECT_EQ(printer.lines[0].x, 1000);
    EXPECT_EQ(printer.lines[0].y, 500);
    EXPECT_EQ(printer.lines[0].fontSize, 11);
    EXPECT_EQ(printer.lines[2].text, QStringLiteral("SON 2 HAFTADA TOPLARIN TEKRAR SAYILARI"));
    // A page holds what fits; the next page starts at the top again.
    const auto next = std::find_if(printer.lines.begin(), printer.lines.end(),
                                   [](const CapturingPrinter::Line& l) { return l.page == 2; });
    ASSERT_NE(next, printer.lines.end());
    EXPECT_EQ(next->y, 500);
    EXPECT_FALSE(printer.open);

    printer.lines.clear();
    w->pressKey(Qt::Key_F12);
    EXPECT_EQ(printer.lines[4].text, QStringLiteral("İlk Kolon = 1"));
    EXPECT_EQ(printer.lines.back().text,
              QStringLiteral("Tüm kolonların birbirleriyle en yüksek benzerliği = 2"));

    printer.isReady = false;
    dialogs.answerYes();
    w->pressKey(Qt::Key_F11);
    EXPECT_EQ(dialogs.last().text, QStringLiteral("Printer hazır değil !"));
    EXPECT_EQ(dialogs.last().title, QStringLiteral("! HATA !"));
}
