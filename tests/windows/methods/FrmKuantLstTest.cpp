#include "MethodsFixture.h"

#include "support/WindowTests.h"

// The Kuantum list and the list filter.
class FrmKuantLstTest : public MethodsFixture {
protected:
    FrmKuantLstTest() {
        // Reversed ranking: ball b has rank 50 - b, so 1..6 measures 279 and 44..49 measures 21.
        for (int p = 1; p <= 49; ++p)
            state.Quantum.Rtor[static_cast<std::size_t>(p)] = static_cast<int16_t>(50 - p);
        data.writeRecords(files::List, list);
    }
    FrmKuantLst* open() {
        auto* w = get<FrmKuantLst>(WindowId::KuantLst);
        w->onActivated();
        return w;
    }

    const std::vector<ColumnRecord> list{rec(653, {1, 2, 3, 4, 5, 6}), rec(653, {44, 45, 46, 47, 48, 49}),
                                         rec(653, {10, 20, 30, 40, 41, 42})};
    const std::vector<ColumnRecord> measured{rec(279, {1, 2, 3, 4, 5, 6}), rec(21, {44, 45, 46, 47, 48, 49}),
                                             rec(117, {10, 20, 30, 40, 41, 42})};
};

TEST_F(FrmKuantLstTest, LeastValueMayBeAnyKuantumWhileTheGreatestStaysAbove20) {
    FrmKuantLst* w = open();
    ASSERT_TRUE(activate(w));
    EXPECT_EQ(w->pageLines()[0].bracket, QStringLiteral("[ 279 ]")); // the brackets show the Kuantum
    EXPECT_EQ(w->pageLines()[1].bracket, QStringLiteral("[ 021 ]"));
    // A greatest value below 21 would empty the list: ignored.
    dialogs.answerInput(QStringLiteral("20"));
    press(w, Qt::Key_F3);
    EXPECT_FALSE(data.dir().exists(files::OldList));

    TitleLog log(w);
    dialogs.answerInput(QStringLiteral("5"));
    press(w, Qt::Key_F2);
    // Every column measures at least 21: all stay, each with its Kuantum.
    EXPECT_EQ(data.readRecords(files::List), measured);
    EXPECT_EQ(data.readRecords(files::OldList), list);
    EXPECT_TRUE(log.saw(QStringLiteral("FAZ 1 - Kolon : 3 [ 3 ]")));
    EXPECT_TRUE(log.saw(QStringLiteral("FAZ 2 - Kolon : 3 [ 3 ]")));
    EXPECT_EQ(w->firstShownPosition(), 1); // the page starts at the second column

    dialogs.answerInput(QStringLiteral("200"));
    press(w, Qt::Key_F3);
    EXPECT_EQ(data.readRecords(files::List), (std::vector{measured[1], measured[2]}));
    EXPECT_EQ(w->pageLines().front().number, 2);
}

TEST_F(FrmKuantLstTest, ResultValuesDropEqualColumnsAfterTheQuestion) {
    state.Quantum.ValuesFirst = 8;
    state.Quantum.ValuesLast = 10;
    state.Quantum.KuantumValues[8] = 21; // the first result is not measured
    state.Quantum.KuantumValues[9] = 117;
    state.Quantum.KuantumValues[10] = 279;
    FrmKuantLst* w = open();
    pressAnswering(w, Qt::Key_F4, false);
    EXPECT_EQ(data.readRecords(files::List), list);
    pressAnswering(w, Qt::Key_F4);
    EXPECT_EQ(data.readRecords(files::List), std::vector{measured[1]});
}

TEST_F(FrmKuantLstTest, DeletesOneColumnBeepsAtOtherKeysAndClosesWithoutAList) {
    FrmKuantLst* w = open();
    dialogs.answerInput(QStringLiteral("2"));
    press(w, Qt::Key_F1);
    EXPECT_EQ(data.readRecords(files::List), (std::vector{list[0], list[2]}));
    EXPECT_FALSE(data.dir().exists(files::ListDelete));
    const int beeps = dialogs.beeps();
    press(w, Qt::Key_F7);
    EXPECT_EQ(dialogs.beeps(), beeps + 1);

    delete w;
    data.dir().remove(files::List);
    dialogs.clear();
    open();
    EXPECT_EQ(onlyMessage().text, QStringLiteral("Kombinasyon listesi dosyası 'VELMORIX.LST' bulunamadı!"));
    EXPECT_FALSE(isOpen(WindowId::KuantLst));
}

TEST_F(FrmKuantLstTest, EliminationOfAListThatWentMeanwhileSaysItIsMissing) {
    auto* w = get<FrmCLFilt>(WindowId::CLFilt);
    ASSERT_TRUE(activate(w));
    data.dir().remove(files::List);
    control<QPushButton>(w, QStringLiteral("Command1"))->click();
    EXPECT_EQ(onlyMessage().text, QStringLiteral("'VELMORIX.LST' dosyası bulunamadı?"));
    EXPECT_FALSE(data.dir().exists(files::OldList));
}
