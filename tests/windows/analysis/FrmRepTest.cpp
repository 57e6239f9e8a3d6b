#include "AnalysisFixture.h"

#include "support/WindowTests.h"

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

// The figures themselves are the statistics module's; the window shows them in place.
TEST_F(RepTest, TwoResultsShowTheirFiguresAndPrintThem) {
    data.writeRecords(files::Results, {rec(1, {1, 2, 3, 4, 5, 6}), rec(2, {1, 2, 3, 40, 41, 42})});
    FrmRep* w = openRep(1, 2);
    EXPECT_EQ(state.ResultsDialogMode, dialogmode::Done);
    EXPECT_EQ(label(w, 2), QStringLiteral(" 129"));
    EXPECT_EQ(label(w, 23), QStringLiteral(" 4.5"));
    EXPECT_EQ(label(w, 41), QStringLiteral(" 3"));
    EXPECT_EQ(listLines(w).size(), 49);
    EXPECT_EQ(listLines(w).value(0), QStringLiteral(" 01 :  2 kez..."));
    EXPECT_EQ(listLines(w, "List2").size(), 1176);

    // The printouts go to the printer.
    pressAnswering(w, Qt::Key_F9);
    ASSERT_EQ(printer.lines.size(), 53u);
    EXPECT_EQ(printer.lines[0].text,
              QStringLiteral("VELMORIX 653 DİZİMCİ Uyarlama 4.5  [ 06.12.2026 12:34:56 ]"));
    EXPECT_EQ(printer.lines[2].text, QStringLiteral("SON 2 HAFTADA TOPLARIN TEKRAR SAYILARI"));
    EXPECT_FALSE(printer.open);
    printer.lines.clear();
    press(w, Qt::Key_F12);
    EXPECT_EQ(printer.lines[4].text, QStringLiteral("İlk Kolon = 1"));
    EXPECT_EQ(printer.lines.back().text,
              QStringLiteral("Tüm kolonların birbirleriyle en yüksek benzerliği = 3"));
    printer.isReady = false;
    pressAnswering(w, Qt::Key_F11);
    EXPECT_EQ(dialogs.last().text, QStringLiteral("Printer hazır değil !"));
}

TEST_F(RepTest, EmptyAndPlayedColumnSources) {
    FrmRep* w = openRep(1, 1, 1); // an empty source says so
    EXPECT_EQ(dialogs.last().text, QStringLiteral("Değerlendirilecek herhangi bir kombinasyon yok !"));
    EXPECT_EQ(label(w, 2), QString());
    delete w;
    writeResults(3);
    data.writeRecords(files::Played, {rec(653, {1, 2, 3, 4, 5, 6})});
    w = openRep(1, 1, 2);
    EXPECT_EQ(w->windowTitle(),
              QStringLiteral("Top Tekrar Sayıları ve İstatistikler   OYNANAN KOLONLAR : 1 - 1"));
    EXPECT_EQ(label(w, 41), QStringLiteral("-"));
    const int beeps = dialogs.beeps();
    press(w, Qt::Key_F1);
    press(w, Qt::Key_F3);
    EXPECT_EQ(dialogs.beeps(), beeps + 2);
    press(w, Qt::Key_F5);
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral("Son Hafta ile ençok benzerlik= 3\r[ İlk Ençok Benzer Kolon= 1 ]\r\r"
                             "Sondan 2. Hafta ile ençok benzerlik= 3\r[ İlk Ençok Benzer Kolon= 1 ]"));
    data.writeRecords(files::Results, {});
    const auto calls = dialogs.calls().size();
    press(w, Qt::Key_F5);
    EXPECT_EQ(dialogs.calls().size(), calls);
    EXPECT_EQ(dialogs.beeps(), beeps + 3);
}

TEST_F(RepTest, ForbiddenPairsFromTheRange) {
    writeResults(3);
    data.writeWords(files::Pairs, {4 * 50 + 49});
    FrmRep* w = openRep(1, 3);
    // A count equal to the number of results does nothing.
    dialogs.answerInput(QStringLiteral("3"));
    press(w, Qt::Key_F1);
    EXPECT_EQ(words(files::Pairs), (std::vector<int16_t>{249}));
    // Too large asks again with 32767.
    dialogs.answerInput(QStringLiteral("40000"));
    dialogs.answerInput(QStringLiteral("2"));
    press(w, Qt::Key_F2);
    EXPECT_EQ(dialogs.inputDefaults(),
              (std::vector<QString>{QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("32767")}));
    EXPECT_EQ(words(files::Pairs), (std::vector<int16_t>{52, 53, 249}));
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral(" 3 ikili Yasak İkililer dosyası VELMORIX.YS2'ye kayıtlandı ..."));
    dialogs.answerInput(QStringLiteral("2"));
    press(w, Qt::Key_F1);
    EXPECT_EQ(words(files::Pairs), (std::vector<int16_t>{52, 53}));
    EXPECT_EQ(dialogs.last().text, QStringLiteral(" 2 ikili 'VELMORIX.YS2' dosyasına kayıtlandı ..."));
    // The window's range is no longer in the file: nothing is written.
    writeResults(2);
    dialogs.answerInput(QStringLiteral("1"));
    press(w, Qt::Key_F1);
    EXPECT_EQ(words(files::Pairs), (std::vector<int16_t>{52, 53}));
}

TEST_F(RepTest, SumsWithoutExtremesNeedFourResultsAndGoIntoTheFilterFile) {
    writeResults(3);
    FrmRep* w = openRep(1, 3);
    const auto calls = dialogs.calls().size();
    press(w, Qt::Key_F3);
    EXPECT_EQ(dialogs.calls().size(), calls);
    delete w;

    writeResults(4);
    std::vector<unsigned char> flt(170, 0xEE);
    data.writeBytes(files::Selection, flt);
    w = openRep(1, 4);
    press(w, Qt::Key_F3);
    EXPECT_EQ(dialogs.last().title,
              QStringLiteral("%50 TOPLAM DEĞERLERİ [ Sonuç 1 - 4 için UÇ OLMAYAN Toplamlar ]"));
    pressAnswering(w, Qt::Key_F4, false);
    EXPECT_EQ(data.readBytes(files::Selection), flt);
    pressAnswering(w, Qt::Key_F4);
    EXPECT_EQ(data.readBytes(files::Selection)[166], 129);
    EXPECT_EQ(state.Selection.SumRule[1], 66);
    EXPECT_EQ(state.Selection.SumRule[2], 129);
}
