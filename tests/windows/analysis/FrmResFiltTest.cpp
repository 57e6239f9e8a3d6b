#include "AnalysisFixture.h"

#include "support/WindowTests.h"

// A report without the date and time of its heading.
std::string withoutDate(const std::vector<unsigned char>& bytes) {
    std::string text(bytes.begin(), bytes.end());
    const auto open = text.find("  [") + 3;
    return text.erase(open, text.find(" ]", open) - open);
}

std::vector<ColumnRecord> threeResults() {
    return {rec(1, {1, 2, 3, 10, 20, 30}), rec(2, {1, 2, 4, 11, 21, 31}), rec(3, {1, 3, 5, 12, 22, 32})};
}

using ResFiltTest = AnalysisFixture;

// The end box takes the record count again only when the count changed: a
// range the player typed survives the dialog coming back to the front. Range
// errors keep the dialog open with the focus on the box.
TEST_F(ResFiltTest, TypedEndStaysUntilTheResultsChangeAndRangeErrorsKeepTheDialogOpen) {
    writeEvenResults();
    FrmResFilt* w = openDialog(dialogmode::MostDrawn);
    ASSERT_TRUE(activate(w));
    QLineEdit* end = textBox(w, "Text2");
    EXPECT_EQ(end->text(), QStringLiteral("49"));
    EXPECT_FALSE(textBox(w, "Text3")->isVisible());
    end->setFocus();
    end->selectAll();
    QTest::keyClicks(end, QStringLiteral("12"));
    comeBackToFront(w);
    EXPECT_EQ(end->text(), QStringLiteral("12"));
    appendRecord(data.dir(), files::Results, rec(653, {1, 2, 3, 4, 5, 6}));
    comeBackToFront(w);
    EXPECT_EQ(end->text(), QStringLiteral("50"));

    applyRange(w, QStringLiteral("5"), QStringLiteral("3"));
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral("Bitiş kolon numarası başlangıç kolon numarasından az olamaz !"));
    EXPECT_EQ(w->focusWidget(), end);
    applyRange(w, QStringLiteral("0"), QStringLiteral("3"));
    EXPECT_EQ(w->focusWidget(), textBox(w, "Text1"));
    const auto messages = dialogs.messages().size();
    applyRange(w, QStringLiteral("32768"), QStringLiteral("3"));
    EXPECT_EQ(textBox(w, "Text1")->text(), QStringLiteral("1"));
    EXPECT_EQ(dialogs.messages().size(), messages);
    EXPECT_EQ(state.ResultsDialogMode, dialogmode::MostDrawn);
    EXPECT_TRUE(isOpen(WindowId::ResFilt));
}

TEST_F(ResFiltTest, BagAndBankerChoicesAnswer653) {
    writeEvenResults();
    applyRange(openDialog(dialogmode::MostDrawn), QStringLiteral("1"), QStringLiteral("49"));
    EXPECT_EQ(state.ResultsDialogMode, dialogmode::Done);
    std::vector<int> expected(36);
    std::iota(expected.begin(), expected.end(), 1);
    EXPECT_EQ(bag(), expected);
    EXPECT_FALSE(isOpen(WindowId::ResFilt));

    // Counts over results 1..3: 1 three times, 2 and 3 twice, the rest once or never.
    data.writeRecords(files::Results, threeResults());
    applyRange(openDialog(dialogmode::MiddleBanko), QStringLiteral("1"), QStringLiteral("3"));
    EXPECT_EQ(state.ResultsDialogMode, dialogmode::Done);
    EXPECT_EQ(bankers(), std::vector<int>{4}); // middle of 3 and 0 is 1
    applyRange(openDialog(dialogmode::LeastBanko), QStringLiteral("1"), QStringLiteral("3"));
    EXPECT_EQ(bankers(), std::vector<int>{6});
}

TEST_F(ResFiltTest, ForbiddenPairsNewAndAdded) {
    data.writeRecords(files::Results, threeResults());
    data.writeWords(files::Pairs, {4 * 50 + 49});
    FrmResFilt* w = openDialog(6);
    ASSERT_TRUE(activate(w));
    // Enter moves through the boxes to the button, keeping only digits.
    textBox(w, "Text1")->setFocus();
    textBox(w, "Text1")->setText(QStringLiteral("2x"));
    press(w, Qt::Key_Return);
    EXPECT_EQ(textBox(w, "Text1")->text(), QStringLiteral("2"));
    EXPECT_EQ(w->focusWidget(), textBox(w, "Text2"));
    press(w, Qt::Key_Return);
    EXPECT_EQ(w->focusWidget(), textBox(w, "Text3"));
    press(w, Qt::Key_Return);
    EXPECT_EQ(w->focusWidget()->objectName(), QStringLiteral("Command1"));

    applyRange(w, QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("4"));
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral("En az tekrar sayısı GEÇERSİZ !\r\r[ Kullanılan Sonuç Sayısı = 3 ]"));
    EXPECT_TRUE(isOpen(WindowId::ResFilt));
    applyRange(w, QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("2"));
    // Drawn together at least twice: 1-2, 1-3.
    EXPECT_EQ(words(files::Pairs), (std::vector<int16_t>{52, 53}));
    EXPECT_EQ(state.MinPairCount, 2);
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral(" 2 ikili Yasak İkililer dosyası VELMORIX.YS2'ye kayıtlandı ..."));
    EXPECT_EQ(state.ResultsDialogMode, dialogmode::Closed);

    data.writeWords(files::Pairs, {4 * 50 + 49});
    applyRange(openDialog(7), QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("2"));
    EXPECT_EQ(words(files::Pairs), (std::vector<int16_t>{52, 53, 249}));
}

// Adding only once is the module's rule; the window reports the count and
// says nothing when nothing was new.
TEST_F(ResFiltTest, ResultsAddedToSextetsAndSavedAsTheList) {
    data.writeRecords(files::Results, threeResults());
    data.writeRecords(files::Sextets, {rec(1, {30, 20, 10, 3, 2, 1})});
    applyRange(openDialog(9), QStringLiteral("1"), QStringLiteral("3"));
    EXPECT_EQ(data.readRecords(files::Sextets).size(), 3u);
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral(" 2 kombinasyon Yasak Kombinasyonlar dosyası VELMORIX.YSK'ye eklendi ..."));
    const auto messages = dialogs.messages().size();
    applyRange(openDialog(9), QStringLiteral("1"), QStringLiteral("3"));
    EXPECT_EQ(dialogs.messages().size(), messages);
    applyRange(openDialog(8), QStringLiteral("2"), QStringLiteral("3"));
    EXPECT_EQ(data.readRecords(files::Sextets).size(), 2u);
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral(" 2 kombinasyon Yasak Kombinasyonlar dosyası VELMORIX.YSK'ye kayıtlandı ..."));

    data.writeRecords(files::List, {rec(0, {5, 6, 7, 8, 9, 10})});
    applyRange(openDialog(10), QStringLiteral("2"), QStringLiteral("3"));
    EXPECT_EQ(data.readRecords(files::List),
              (std::vector<ColumnRecord>{threeResults()[1], threeResults()[2]}));
    EXPECT_EQ(data.readRecords(files::OldList), (std::vector<ColumnRecord>{rec(0, {5, 6, 7, 8, 9, 10})}));
    EXPECT_EQ(dialogs.last().text, QStringLiteral("VELMORIX.RES dosyası VELMORIX.LST olarak kayıtlandı ..."));
}

// The chaos test writes its report and stays open; the batch command writes
// what the dialog writes.
TEST_F(ResFiltTest, ChaosTestWritesWhatTheBatchCommandWrites) {
    writeEvenResults();
    FrmResFilt* w = openDialog(0, 4);
    applyRange(w, QStringLiteral("7"), QStringLiteral("7"));
    EXPECT_EQ(dialogs.last().text, QStringLiteral("Bu işlem için en az 2 sonuç gerekir..."));
    EXPECT_FALSE(data.dir().exists(files::Text));
    applyRange(w, QStringLiteral("7"), QStringLiteral("31"));
    const auto bytes = data.readBytes(files::Text);
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral(" %1 byte 'VELMORIX.TXT' dosyasına kayıtlandı...").arg(bytes.size()));
    EXPECT_FALSE(data.dir().exists(files::ResultsCopy));
    EXPECT_TRUE(isOpen(WindowId::ResFilt));

    TempDataDir batchFolder;
    batchFolder.writeRecords(files::Results, data.readRecords(files::Results));
    const BatchRun run =
        runBatchProgram(QStringLiteral(VELMORIX_BATCH_PROGRAM), batchFolder,
                        {QStringLiteral("chaos-report"), QStringLiteral("7"), QStringLiteral("31")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, dialogs.last().text + QLatin1Char('\n'));
    EXPECT_EQ(withoutDate(batchFolder.readBytes(files::Text)), withoutDate(bytes));
    press(w, Qt::Key_Escape);
    EXPECT_EQ(state.ResultsDialogMode, dialogmode::Closed);
}

// An empty source closes the dialog without an answer; results open the
// statistics window afresh for each range.
TEST_F(ResFiltTest, StatisticsOpenTheStatisticsWindowAfresh) {
    openDialog(dialogmode::Repetitions, 1);
    EXPECT_EQ(dialogs.last().text, QStringLiteral("Değerlendirilecek herhangi bir kombinasyon yok !"));
    EXPECT_EQ(state.ResultsDialogMode, dialogmode::Closed);
    EXPECT_FALSE(isOpen(WindowId::ResFilt));
    data.writeRecords(files::Results, threeResults());
    for (const auto& [last, title] : {std::pair{"2", "SONUÇLAR : 1 - 2"}, {"3", "SONUÇLAR : 1 - 3"}}) {
        applyRange(openDialog(dialogmode::Repetitions), QStringLiteral("1"), QString::fromLatin1(last));
        auto* rep = registry.findAs<FrmRep>(WindowId::Rep);
        ASSERT_NE(rep, nullptr);
        EXPECT_TRUE(rep->windowTitle().endsWith(QString::fromUtf8(title)));
        EXPECT_EQ(state.ResultsDialogMode, dialogmode::Done);
        EXPECT_FALSE(isOpen(WindowId::ResFilt));
    }
}
