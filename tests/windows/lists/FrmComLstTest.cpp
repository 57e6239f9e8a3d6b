#include "ListWindowTestContext.h"

#include "core/FileError.h"
#include "windows/lists/FrmComLst.h"

#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>

using namespace velmorix;
using namespace velmorix::test;

namespace {

const QString ProgramTitle = QStringLiteral(" VELMORIX 653 Dizimci u4.5");
const QString RandomizerTitle = QStringLiteral(" VELMORIX 2005 Randomizer");

class FrmComLstTest : public ListWindowTest<FrmComLst> {
protected:
    FrmComLstTest() : ListWindowTest("VELMORIX.LST") {}
    static std::vector<ColumnRecord> kept(std::vector<ColumnRecord> records) {
        for (auto& r : records)
            r.Tag = KeepMark;
        return records;
    }
};

TEST_F(FrmComLstTest, DeletingColumnOneOf30KeepsABackupAndShowsTheNextColumnFirst) {
    open(ListWindowTestContext::columns(30));
    t.data.writeRecords("VELMORIX.YLS", ListWindowTestContext::columns(3)); // left over
    t.dialogs.answerInput(QStringLiteral("1"));
    press(w.get(), Qt::Key_F3);
    EXPECT_EQ(t.dialogs.calls()[0].title, QStringLiteral("Kolon SİLME"));
    EXPECT_EQ(t.dialogs.calls()[0].text, QStringLiteral("Silmek istediğiniz kolon numarasını girin."));
    EXPECT_EQ(t.dialogs.inputDefaults()[0], QStringLiteral("0"));
    EXPECT_EQ(stored(), std::vector<ColumnRecord>(list.begin() + 1, list.end()));
    EXPECT_EQ(t.data.readRecords("VELMORIX.OLD"), list);
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.YLS"));
    EXPECT_EQ(w->firstShownPosition(), 0);
    EXPECT_EQ(w->pageLines()[0].label, QStringLiteral("Kolon - 1 : "));
    EXPECT_EQ(w->pageLines()[0].balls[0], QStringLiteral(" 3  ")); // the old second column
}

TEST_F(FrmComLstTest, DeletingTheOnlyColumnRemovesTheList) {
    open(ListWindowTestContext::columns(1));
    t.dialogs.answerInput(QStringLiteral("1"));
    press(w.get(), Qt::Key_F3);
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.LST"));
    EXPECT_EQ(t.data.readRecords("VELMORIX.OLD"), list);
    EXPECT_TRUE(w->pageLines().empty());
}

TEST_F(FrmComLstTest, ANumberOutsideTheListDeletesNothingAndMovesThePage) {
    open(ListWindowTestContext::columns(60));
    t.dialogs.answerInput(QStringLiteral("-5"));
    press(w.get(), Qt::Key_F3);
    EXPECT_EQ(stored(), list);
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.OLD"));
    EXPECT_EQ(w->firstShownPosition(), 0);

    t.dialogs.answerInput(QStringLiteral("61"));
    press(w.get(), Qt::Key_F3);
    EXPECT_EQ(w->firstShownPosition(), 35); // the last page
    t.dialogs.answerInput(std::nullopt);    // cancelled: 0, the first page
    press(w.get(), Qt::Key_F3);
    EXPECT_EQ(w->firstShownPosition(), 0);
    EXPECT_EQ(stored(), list);
}

TEST_F(FrmComLstTest, UnwantedNumbersAreConfirmedAndTheirColumnsDropped) {
    open({rec(0, {1, 2, 3, 4, 5, 6}), rec(0, {5, 7, 8, 9, 10, 11}), rec(0, {7, 8, 9, 10, 11, 13}),
          rec(0, {20, 21, 22, 23, 24, 49}), rec(0, {30, 31, 32, 33, 34, 35})});
    t.dialogs.answerInput(QStringLiteral("5,12,,49,60"));
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F5);
    const auto& calls = t.dialogs.calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].text, QStringLiteral("İstemediğiniz sayıları (aralarına virgül koyarak) girin."));
    EXPECT_EQ(calls[1].text,
              QStringLiteral("'5,12,49' numaralı topların yer aldığı kolonları silmek istiyormusunuz?"));
    EXPECT_EQ(calls[1].title, ProgramTitle);
    EXPECT_EQ(stored(), kept({list[2], list[4]}));
    EXPECT_EQ(t.data.readRecords("VELMORIX.OLD"), list);
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.TMP"));
    // The page drawn afterwards starts with the second column.
    EXPECT_EQ(w->firstShownPosition(), 1);
    EXPECT_EQ(w->pageLines()[0].label, QStringLiteral("Kolon - 2 : "));
}

TEST_F(FrmComLstTest, EachEntryIsAskedAboutInItsOwnWords) {
    struct Case {
        int key;
        bool automatic; // F8's first question
        const char* entry;
        QString question;
        std::vector<int> kept; // of the list below
    };
    const std::vector<ColumnRecord> columns{rec(0, {1, 2, 10, 11, 17, 23}), rec(0, {1, 3, 7, 11, 12, 13}),
                                            rec(0, {3, 4, 7, 21, 22, 23})};
    const std::vector<Case> cases{
        {Qt::Key_F6,
         false,
         "17",
         QStringLiteral("'17' numaralı topun yer almadığı kolonları silmek istiyormusunuz?"),
         {0}},
        {Qt::Key_F7,
         false,
         "23-7",
         QStringLiteral("'7-23' numaralı topların (ikisinin de) yer aldığı kolonları silmek istiyormusunuz?"),
         {0, 1}},
        {Qt::Key_F8,
         false,
         "1-2, 3-4",
         QStringLiteral("'1-2, 3-4'  ikililerinin hiç bulunmadığı kolonları silmek istiyormusunuz?"),
         {0, 2}},
    };
    for (const Case& c : cases) {
        open(columns);
        if (c.key == Qt::Key_F8)
            t.dialogs.answerNo();
        t.dialogs.answerInput(QString::fromLatin1(c.entry));
        t.dialogs.answerYes();
        press(w.get(), c.key);
        EXPECT_EQ(t.dialogs.calls().back().text, c.question);
        EXPECT_EQ(t.dialogs.calls().back().title, ProgramTitle);
        std::vector<ColumnRecord> expected;
        for (int i : c.kept)
            expected.push_back(columns[static_cast<std::size_t>(i)]);
        EXPECT_EQ(stored(), kept(expected)) << c.entry;
    }
}

TEST_F(FrmComLstTest, AnEntryWithoutABallEndsSilently) {
    open(ListWindowTestContext::columns(5));
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

TEST_F(FrmComLstTest, PairDifferencesRunWithoutFurtherQuestions) {
    open({rec(0, {1, 2, 3, 20, 35, 49}), rec(0, {1, 8, 15, 22, 29, 36}), rec(0, {1, 2, 3, 4, 5, 6})});
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F8);
    EXPECT_EQ(t.dialogs.calls().size(), 1u);
    EXPECT_EQ(stored(), kept({list[0]}));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Kombinasyon Listesi - Sayfa 1  [ F10= Yardım ]"));
}

TEST_F(FrmComLstTest, EliminatingEverythingRemovesTheListAndClearsThePage) {
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
    open(ListWindowTestContext::columns(40));
    t.data.writeRecords("VELMORIX.OKL", ListWindowTestContext::columns(30));
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F1);
    EXPECT_EQ(t.dialogs.calls()[0].text,
              QStringLiteral("Kombinasyon Listesi'ni Oynanan Kolonlar Listesi'ne eklemek istiyormusunuz ?"));
    EXPECT_EQ(t.dialogs.last().text,
              QStringLiteral("Kombinasyon Listesi Oynanan Kolonlar Listesi'ne eklendi."));
    EXPECT_EQ(t.dialogs.last().title, RandomizerTitle);
    EXPECT_EQ(t.data.readRecords("VELMORIX.OKL").size(), 70u);
    EXPECT_EQ(w->firstShownPosition(), 30); // where the appended columns begin

    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F2);
    EXPECT_EQ(t.data.readRecords("VELMORIX.YSK"), list); // Tags kept
}

TEST_F(FrmComLstTest, DeletingTheListFile) {
    open(ListWindowTestContext::columns(3));
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F4);
    EXPECT_EQ(t.dialogs.calls()[0].text, QStringLiteral("'VELMORIX.LST' dosyasını silmek istiyormusunuz ?"));
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral("'VELMORIX.LST' silindi..."));
    EXPECT_EQ(t.dialogs.beeps(), 2);
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.LST"));
    EXPECT_TRUE(w->pageLines().empty());
}

TEST_F(FrmComLstTest, OtherWindowsOpenOnlyWithAList) {
    t.standIn(WindowId::CLPrint);
    t.standIn(WindowId::ResFilt);
    t.standIn(WindowId::Zero);
    t.data.writeBytes("VELMORIX.LST", std::vector<unsigned char>(8, 0)); // half a record
    press(w.get(), Qt::Key_F9);
    EXPECT_EQ(t.opened[WindowId::CLPrint], 0);
    open(ListWindowTestContext::columns(3));
    press(w.get(), Qt::Key_F9);
    press(w.get(), Qt::Key_F12);
    press(w.get(), Qt::Key_F11);
    EXPECT_EQ(t.opened[WindowId::CLPrint], 1);
    EXPECT_EQ(t.opened[WindowId::Zero], 1);
    EXPECT_EQ(t.opened[WindowId::ResFilt], 1);
    EXPECT_EQ(t.state.ResultsDialogSubMode, 1);
    EXPECT_EQ(t.dialogs.beeps(), 1); // only F9 beeps
    t.registry.closeAllExcept(WindowId::Loto);
}

TEST_F(FrmComLstTest, StatisticsRefuseListsLongerThan32767) {
    t.standIn(WindowId::ResFilt);
    t.data.writeRecords("VELMORIX.LST", {});
    std::filesystem::resize_file(t.data.dir().path("VELMORIX.LST"), 32768LL * 16);
    press(w.get(), Qt::Key_F11);
    EXPECT_EQ(t.opened[WindowId::ResFilt], 0);
    EXPECT_EQ(t.dialogs.last().text,
              QStringLiteral("32767 kolondan daha çok kolon içeren kombinasyon listesinin "
                             "tekrarlanma sayıları hesaplanmıyor !"));
    EXPECT_EQ(t.dialogs.last().title, ProgramTitle);
}

} // namespace
