#include "EditorFixture.h"
#include "support/WindowTests.h"

class ResultsEditorTest : public EditorFixture {
protected:
    FrmResults* results() { return open<FrmResults>(WindowId::Results); }
    void setDate(FrmResults* w, const char* d, const char* m, const char* y) {
        w->findChild<QComboBox*>(QStringLiteral("Combo1"))->setCurrentText(QString::fromLatin1(d));
        w->findChild<QComboBox*>(QStringLiteral("Combo2"))->setCurrentText(QString::fromLatin1(m));
        w->findChild<QComboBox*>(QStringLiteral("Combo3"))->setCurrentText(QString::fromLatin1(y));
    }
    QStringList dateBoxes(FrmResults* w) {
        return {w->findChild<QComboBox*>(QStringLiteral("Combo1"))->currentText(),
                w->findChild<QComboBox*>(QStringLiteral("Combo2"))->currentText(),
                w->findChild<QComboBox*>(QStringLiteral("Combo3"))->currentText()};
    }
};

TEST_F(ResultsEditorTest, LoadingCreatesTheFileAndShowsTheFirstResult) {
    FrmResults* w = results();
    EXPECT_EQ(data.dir().fileSize(files::Results), 0);
    EXPECT_EQ(w->currentRecord(), 0);
    delete w;

    data.writeRecords(files::Results,
                      {rec(2005360, {5, 12, 23, 34, 40, 45}), rec(653, {1, 2, 3, 4, 33, 44})});
    state.RangeFirst = 7;
    w = results();
    EXPECT_EQ(state.RangeFirst, 1);
    EXPECT_EQ(state.RangeLast, 2);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("6/49 Sonuçları...  Kolon= 1"));
    EXPECT_EQ(cellTexts(w), texts({"5", "12", "23", "34", "40", "45"}));
    EXPECT_EQ(dateBoxes(w), texts({"10", "7", "2005"}));
    EXPECT_EQ(listLines(w),
              texts({" 05, 12, 23, 34, 40, 45   [ 159 ]", " 01, 02, 03, 04, 33, 44   [ 087 ]"}));
    press(w, Qt::Key_End);
    EXPECT_EQ(dateBoxes(w), texts({"0", "0", "0"}));
}

TEST_F(ResultsEditorTest, NewResultIsSortedAndSavedWithItsDate) {
    FrmResults* w = results();
    press(w, Qt::Key_F1);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Yeni Kolon...   Kayıt No= 1"));
    typeCells(w, {"7", "3", "45", "12.5", "30", "1"});
    setDate(w, "10", "7", "2026");
    press(w, Qt::Key_F2);
    EXPECT_EQ(data.readRecords(files::Results),
              std::vector<ColumnRecord>{rec(2026360, {1, 3, 7, 12, 30, 45})});
    EXPECT_EQ(cellTexts(w), texts({"1", "3", "7", "12", "30", "45"}));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Kayıtlandı...  Kayıt No= 1"));
    EXPECT_EQ(state.RangeLast, 1);
    EXPECT_EQ(dialogs.beeps(), 2);
    EXPECT_TRUE(dialogs.calls().empty());

    // A changed result is written over its record; a bad date keeps the result without one.
    typeCells(w, {"2", "3", "7", "12", "30", "13.5"});
    setDate(w, "10", "7", "2100");
    press(w, Qt::Key_F2);
    EXPECT_EQ(data.readRecords(files::Results),
              std::vector<ColumnRecord>{rec(KeepMark, {2, 3, 7, 12, 14, 30})});
    EXPECT_EQ(dateBoxes(w), texts({"10", "7", "0"}));
}

TEST_F(ResultsEditorTest, SaveRefusesInvalidAndRepeatedBalls) {
    FrmResults* w = results();
    w->show();
    typeCells(w, {"1", "2", "3", "4", "5", "6"});
    press(w, Qt::Key_Home);
    press(w, Qt::Key_F2); // an empty file: only the first cell gets the focus
    EXPECT_EQ(data.dir().fileSize(files::Results), 0);
    EXPECT_EQ(w->focusWidget(), cell(w, 0));

    delete w;
    data.writeRecords(files::Results, {rec(653, {1, 2, 3, 4, 5, 6})});
    w = results();
    w->show();
    typeCells(w, {"7", "3", "", "12", "30", "1"});
    press(w, Qt::Key_F2);
    ASSERT_EQ(dialogs.calls().size(), 1u);
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral("Kolon GEÇERSİZ değer nedeniyle kayıtlanamadı. Hücre:  3 ( 0 ) !"));
    EXPECT_EQ(w->focusWidget(), cell(w, 2));
    typeCells(w, {"7", "9", "3", "4", "9", "1"});
    press(w, Qt::Key_F2); // the repeat's own message: EditorEntryTest
    EXPECT_EQ(w->focusWidget(), cell(w, 4));
    EXPECT_EQ(data.readRecords(files::Results), std::vector<ColumnRecord>{rec(653, {1, 2, 3, 4, 5, 6})});
}

TEST_F(ResultsEditorTest, DeletingResultsOneByOneOrAllAndEnterWalksTheCells) {
    data.writeRecords(files::Results, numbered(3));
    FrmResults* w = results();
    ASSERT_TRUE(activate(w));
    press(w, Qt::Key_PageDown);
    dialogs.answerNo();
    press(w, Qt::Key_F3);
    EXPECT_EQ(data.readRecords(files::Results).size(), 3u);
    dialogs.answerYes();
    press(w, Qt::Key_F3);
    EXPECT_EQ(dialogs.calls()[1].text, QStringLiteral(" 2 numaralı kolonu silmek istiyormusunuz ?"));
    EXPECT_EQ(dialogs.last().text, QStringLiteral("Kolon 2 SİLİNDİ..."));
    EXPECT_EQ(data.readRecords(files::Results), (std::vector<ColumnRecord>{numbered(3)[0], numbered(3)[2]}));
    // The result that took its place is shown.
    EXPECT_EQ(w->currentRecord(), 2);
    EXPECT_EQ(cellTexts(w), texts({"3", "4", "5", "6", "7", "8"}));

    // A click on the list chooses a result; Delete there takes the last one out.
    auto* list = w->findChild<QListWidget*>(QStringLiteral("List1"));
    list->setCurrentRow(0);
    EXPECT_EQ(w->currentRecord(), 1);
    EXPECT_EQ(cellTexts(w), texts({"1", "2", "3", "4", "5", "6"}));
    list->setCurrentRow(1);
    list->setFocus();
    dialogs.answerYes();
    press(w, Qt::Key_Delete);
    EXPECT_EQ(data.readRecords(files::Results), std::vector<ColumnRecord>{numbered(3)[0]});
    EXPECT_EQ(w->currentRecord(), 1);
    for (int i = 0; i < 5; ++i) {
        cell(w, i)->setFocus();
        press(w, Qt::Key_Return);
        EXPECT_EQ(w->focusWidget(), cell(w, i + 1));
    }
    cell(w, 5)->setFocus();
    press(w, Qt::Key_Return);
    EXPECT_EQ(w->focusWidget()->objectName(), QStringLiteral("Command6"));

    dialogs.answerYes();
    press(w, Qt::Key_F4);
    EXPECT_EQ(data.dir().fileSize(files::Results), 0);
    EXPECT_EQ(state.RangeLast, 0);
    EXPECT_EQ(w->currentRecord(), 0);
    EXPECT_EQ(cellTexts(w), texts({"", "", "", "", "", ""}));
    EXPECT_TRUE(listLines(w).isEmpty());
    EXPECT_EQ(data.fileNames(), std::vector<std::string>{files::Results});
}

TEST_F(ResultsEditorTest, PagingStopsAtBothEndsAndEscapeDropsTypingThenCloses) {
    data.writeRecords(files::Results, numbered(2));
    FrmResults* w = results();
    press(w, Qt::Key_PageUp);
    EXPECT_EQ(w->currentRecord(), 1);
    press(w, Qt::Key_End);
    press(w, Qt::Key_PageDown);
    EXPECT_EQ(w->currentRecord(), 2);
    press(w, Qt::Key_F1);
    typeCells(w, {"40", "41", "42", "43", "44", "45"});
    press(w, Qt::Key_PageDown);
    EXPECT_TRUE(w->isNewRecord());
    press(w, Qt::Key_F2);
    EXPECT_EQ(data.readRecords(files::Results).size(), 3u);
    EXPECT_EQ(data.readRecords(files::Results)[1], numbered(2)[1]);

    w->show();
    cell(w, 0)->setFocus();
    press(w, Qt::Key_F1);
    typeCells(w, {"9"});
    press(w, Qt::Key_Escape);
    EXPECT_FALSE(w->isNewRecord());
    EXPECT_EQ(cellTexts(w), texts({"40", "41", "42", "43", "44", "45"}));
    EXPECT_TRUE(w->isVisible());
    press(w, Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
}

TEST_F(ResultsEditorTest, RecordsAnotherWindowAppendedAreKept) {
    data.writeRecords(files::Results, numbered(2));
    FrmResults* w = results();
    press(w, Qt::Key_F1);
    typeCells(w, {"40", "41", "42", "43", "44", "45"});
    // Another window adds a result while this one is being typed.
    appendRecord(data.dir(), files::Results, rec(653, {10, 20, 30, 31, 32, 33}));
    w->onActivated();
    EXPECT_EQ(listLines(w).size(), 3);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Yeni Kolon...   Kayıt No= 4"));
    EXPECT_EQ(state.RangeLast, 3);
    press(w, Qt::Key_F2);
    const auto records = data.readRecords(files::Results);
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[2], rec(653, {10, 20, 30, 31, 32, 33}));
    EXPECT_EQ(records[3].Ball, (std::array<int16_t, 6>{40, 41, 42, 43, 44, 45}));

    // A file replaced behind the editor's back is read again before the next command.
    data.writeRecords(files::Results, {rec(653, {7, 8, 9, 10, 11, 12})});
    press(w, Qt::Key_Home);
    EXPECT_EQ(listLines(w).size(), 1);
    EXPECT_EQ(cellTexts(w), texts({"7", "8", "9", "10", "11", "12"}));
}

TEST_F(ResultsEditorTest, FunctionKeysSetTheRangeDialogRequests) {
    data.writeRecords(files::Results, numbered(1));
    FrmResults* w = results();
    press(w, Qt::Key_F6); // needs two results: only a beep
    EXPECT_EQ(dialogs.beeps(), 1);
    press(w, Qt::Key_F12); // no VELMORIX.YS2
    EXPECT_TRUE(dialogs.calls().empty());
    EXPECT_TRUE(opened.empty());
    press(w, Qt::Key_F5);
    EXPECT_EQ(state.ResultsDialogMode, 2);
    EXPECT_EQ(state.ResultsDialogSubMode, 0);
    EXPECT_TRUE(opened.count(WindowId::ResFilt));
    press(w, Qt::Key_F9);
    EXPECT_TRUE(opened.count(WindowId::ResPrint));

    appendRecord(data.dir(), files::Results, rec(653, {10, 20, 30, 31, 32, 33}));
    state.ResultsDialogSubMode = 4;
    dialogs.answerNo();
    press(w, Qt::Key_F6);
    EXPECT_EQ(state.ResultsDialogMode, 2);
    const std::tuple<int, const char*, int> requests[] = {
        {Qt::Key_F6,
         "Sonuç Listesi içeren 'VELMORIX.RES' dosyasını Kombinasyon Listesi içeren 'VELMORIX.LST' olarak "
         "kayıtlamak istiyormusunuz ?",
         10},
        {Qt::Key_F7, "Sonuçları Yasak Kombinasyonlar olarak kayıtlamak istiyormusunuz ?", 8},
        {Qt::Key_F8, "Sonuçlardan Yasak İkililer Listesi oluşturmak istiyormusunuz ?", 6},
        {Qt::Key_F11, "Sonuçları Yasak Kombinasyonlar Listesi'ne eklemek istiyormusunuz ?", 9},
        {Qt::Key_F12, "Sonuçları Yasak İkililer Listesi'ne eklemek istiyormusunuz ?", 7},
    };
    for (const auto& [key, question, mode] : requests) {
        if (key == Qt::Key_F12)
            data.writeWords(files::Pairs, {52});
        dialogs.answerYes();
        press(w, key);
        EXPECT_EQ(dialogs.last().text, QString::fromUtf8(question));
        EXPECT_EQ(state.ResultsDialogMode, mode);
        EXPECT_EQ(state.ResultsDialogSubMode, 0);
    }
}
