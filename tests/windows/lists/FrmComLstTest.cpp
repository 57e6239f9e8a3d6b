#include "support/WindowTests.h"

const QString ProgramTitle = QStringLiteral(" VELMORIX 653 Dizimci u4.5");

class FrmComLstTest : public ListWindowTest<FrmComLst> {
protected:
    FrmComLstTest() : ListWindowTest("VELMORIX.LST") {}
    static std::vector<ColumnRecord> kept(std::vector<ColumnRecord> records) {
        for (auto& r : records)
            r.Tag = KeepMark;
        return records;
    }
};

TEST_F(FrmComLstTest, DeletingAColumnKeepsABackupAndShowsTheNextColumnFirst) {
    open(WindowEnv::columns(30));
    t.data.writeRecords("VELMORIX.YLS", WindowEnv::columns(3)); // left over
    t.dialogs.answerInput(QStringLiteral("1"));
    press(w.get(), Qt::Key_F3);
    EXPECT_EQ(t.dialogs.inputDefaults()[0], QStringLiteral("0"));
    EXPECT_EQ(stored(), std::vector<ColumnRecord>(list.begin() + 1, list.end()));
    EXPECT_EQ(t.data.readRecords("VELMORIX.OLD"), list);
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.YLS"));
    EXPECT_EQ(w->firstShownPosition(), 0);
    EXPECT_EQ(w->pageLines()[0].label, QStringLiteral("Kolon - 1 : "));
    EXPECT_EQ(w->pageLines()[0].balls[0], QStringLiteral(" 3  ")); // the old second column

    open(WindowEnv::columns(1)); // the only column: the list goes
    t.dialogs.answerInput(QStringLiteral("1"));
    press(w.get(), Qt::Key_F3);
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.LST"));
    EXPECT_EQ(t.data.readRecords("VELMORIX.OLD"), list);
    EXPECT_TRUE(w->pageLines().empty());
}

// A number outside the list moves the page; an entry without a ball ends silently.
TEST_F(FrmComLstTest, EntriesThatNameNoColumnDeleteNothing) {
    open(WindowEnv::columns(60));
    for (const auto& [answer, first] : {std::pair<std::optional<QString>, int>{QStringLiteral("-5"), 0},
                                        {QStringLiteral("61"), 35}, // the last page
                                        {std::nullopt, 0}}) {       // cancelled: 0, the first page
        t.dialogs.answerInput(answer);
        press(w.get(), Qt::Key_F3);
        EXPECT_EQ(w->firstShownPosition(), first);
    }
    t.dialogs.answerInput(QStringLiteral("0,5"));
    press(w.get(), Qt::Key_F5);
    t.dialogs.answerInput(QStringLiteral("7-"));
    press(w.get(), Qt::Key_F7);
    t.dialogs.answerNo();
    t.dialogs.answerInput(QStringLiteral("7-7"));
    press(w.get(), Qt::Key_F8);
    EXPECT_EQ(stored(), list);
    EXPECT_TRUE(t.dialogs.messages().empty());
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.OLD"));
}

TEST_F(FrmComLstTest, UnwantedNumbersAreConfirmedAndTheirColumnsDropped) {
    open({rec(0, {1, 2, 3, 4, 5, 6}), rec(0, {5, 7, 8, 9, 10, 11}), rec(0, {7, 8, 9, 10, 11, 13}),
          rec(0, {20, 21, 22, 23, 24, 49}), rec(0, {30, 31, 32, 33, 34, 35})});
    TitleLog log(w.get());
    t.dialogs.answerInput(QStringLiteral("5,12,,49,60"));
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F5);
    ASSERT_EQ(t.dialogs.calls().size(), 2u);
    EXPECT_EQ(t.dialogs.last().text,
              QStringLiteral("'5,12,49' numaralı topların yer aldığı kolonları silmek istiyormusunuz?"));
    EXPECT_EQ(stored(), kept({list[2], list[4]}));
    EXPECT_EQ(t.data.readRecords("VELMORIX.OLD"), list);
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.TMP"));
    // However fast the run, the caption ends each phase on its last count.
    EXPECT_TRUE(log.saw(QStringLiteral("FAZ 1 - Kolon : 2 [ 5 ]")));
    EXPECT_TRUE(log.saw(QStringLiteral("Faz 2 - Kolon : 2 [ 2 ]")));
    // The page drawn afterwards starts with the second column.
    EXPECT_EQ(w->firstShownPosition(), 1);
}

TEST_F(FrmComLstTest, EachEntryIsAskedAboutInItsOwnWords) {
    const std::vector<ColumnRecord> columns{rec(0, {1, 2, 10, 11, 17, 23}), rec(0, {1, 3, 7, 11, 12, 13}),
                                            rec(0, {3, 4, 7, 21, 22, 23})};
    // Key, entry, question, the columns kept.
    const std::vector<std::tuple<int, const char*, QString, std::vector<ColumnRecord>>> cases{
        {Qt::Key_F6,
         "17",
         QStringLiteral("'17' numaralı topun yer almadığı kolonları silmek istiyormusunuz?"),
         {columns[0]}},
        {Qt::Key_F7,
         "23-7",
         QStringLiteral("'7-23' numaralı topların (ikisinin de) yer aldığı kolonları silmek istiyormusunuz?"),
         {columns[0], columns[1]}},
        {Qt::Key_F8,
         "1-2, 3-4",
         QStringLiteral("'1-2, 3-4'  ikililerinin hiç bulunmadığı kolonları silmek istiyormusunuz?"),
         {columns[0], columns[2]}},
    };
    for (const auto& [key, entry, question, survivors] : cases) {
        open(columns);
        if (key == Qt::Key_F8)
            t.dialogs.answerNo(); // not the automatic pairs
        t.dialogs.answerInput(QString::fromLatin1(entry));
        t.dialogs.answerYes();
        press(w.get(), key);
        EXPECT_EQ(t.dialogs.last().text, question);
        EXPECT_EQ(t.dialogs.last().title, ProgramTitle);
        EXPECT_EQ(stored(), kept(survivors)) << entry;
    }
}

TEST_F(FrmComLstTest, PairDifferencesRunWithoutFurtherQuestionsAndEmptyingClearsThePage) {
    open({rec(0, {1, 2, 3, 20, 35, 49}), rec(0, {1, 8, 15, 22, 29, 36}), rec(0, {1, 2, 3, 4, 5, 6})});
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F8);
    EXPECT_EQ(t.dialogs.calls().size(), 1u);
    EXPECT_EQ(stored(), kept({list[0]}));

    open({rec(0, {1, 2, 3, 4, 5, 6}), rec(0, {1, 8, 15, 22, 29, 36})});
    t.dialogs.answerInput(QStringLiteral("1"));
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F5);
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.LST"));
    EXPECT_EQ(t.data.readRecords("VELMORIX.OLD"), list);
    EXPECT_TRUE(w->pageLines().empty());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("KOMBİNASYON LİSTESİ  [ F10= YARDIM ]"));
}

TEST_F(FrmComLstTest, AppendingToThePlayedColumnsStartsThePageWhereTheyWereAdded) {
    open(WindowEnv::columns(40));
    t.data.writeRecords("VELMORIX.OKL", WindowEnv::columns(30));
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F1);
    EXPECT_EQ(t.dialogs.last().text,
              QStringLiteral("Kombinasyon Listesi Oynanan Kolonlar Listesi'ne eklendi."));
    EXPECT_EQ(t.data.readRecords("VELMORIX.OKL").size(), 70u);
    EXPECT_EQ(w->firstShownPosition(), 30); // where the appended columns begin

    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F2);
    EXPECT_EQ(t.data.readRecords("VELMORIX.YSK"), list); // Tags kept
}

// Ctrl+Z takes back exactly the last change of the list, says which one, and
// a second Ctrl+Z makes it again.
TEST_F(FrmComLstTest, CtrlZTakesBackOnlyTheLastChangeAndNamesIt) {
    open(WindowEnv::columns(30));
    ASSERT_TRUE(activate(w.get()));
    t.dialogs.answerInput(QStringLiteral("2"));
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F5); // the one column holding ball 2 goes
    const auto thinned = t.data.readBytes("VELMORIX.LST");
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F4);
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral("'VELMORIX.LST' silindi..."));
    EXPECT_TRUE(w->pageLines().empty());
    ASSERT_FALSE(t.data.dir().exists("VELMORIX.LST"));

    press(w.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(t.data.readBytes("VELMORIX.LST"), thinned);
    EXPECT_EQ(t.dialogs.last().text,
              QStringLiteral("Son işlem geri alındı: Listeyi silme\r(Tekrar CTRL+Z ile "
                             "yeniden yapılır.)\r\rKombinasyon Listesi: 29 kolon"));
    EXPECT_EQ(w->pageLines().size(), 25u);
    press(w.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.LST"));
    EXPECT_TRUE(t.dialogs.last().text.startsWith(
        QStringLiteral("Geri alınan işlem yeniden yapıldı: Listeyi silme\r\rKombinasyon Listesi: yok")));
}

TEST_F(FrmComLstTest, OtherWindowsOpenOnlyWithAShortEnoughList) {
    for (WindowId id : {WindowId::CLPrint, WindowId::ResFilt, WindowId::Zero})
        t.standIn(id);
    t.data.writeBytes("VELMORIX.LST", std::vector<unsigned char>(8, 0)); // half a record
    press(w.get(), Qt::Key_F9);
    EXPECT_TRUE(t.opened.empty());
    open(WindowEnv::columns(3));
    for (int key : {Qt::Key_F9, Qt::Key_F12, Qt::Key_F11})
        press(w.get(), key);
    EXPECT_EQ(t.opened,
              (std::map<WindowId, int>{{WindowId::CLPrint, 1}, {WindowId::ResFilt, 1}, {WindowId::Zero, 1}}));
    EXPECT_EQ(t.state.ResultsDialogSubMode, 1);
    EXPECT_EQ(t.dialogs.beeps(), 1); // only F9 beeps
    t.registry.closeAllExcept(WindowId::Loto);

    std::filesystem::resize_file(t.data.dir().path("VELMORIX.LST"), 32768LL * 16);
    press(w.get(), Qt::Key_F11);
    EXPECT_EQ(t.opened[WindowId::ResFilt], 1);
    EXPECT_EQ(t.dialogs.last().text,
              QStringLiteral("32767 kolondan daha çok kolon içeren kombinasyon listesinin "
                             "tekrarlanma sayıları hesaplanmıyor !"));
}
