#include "support/WindowTests.h"

class FrmRndLstTest : public ListWindowTest<FrmRndLst> {
protected:
    FrmRndLstTest() : ListWindowTest("VELMORIX.RND") {}
};

TEST_F(FrmRndLstTest, ChaosFilterWhereNothingPassesLeavesNoList) {
    open({rec(1, {1, 2, 3, 4, 5, 6}), rec(2, {2, 3, 4, 5, 6, 7})});
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F7);
    EXPECT_EQ(t.dialogs.calls()[0].text,
              QStringLiteral(
                  "Rastgele Kolon Listesi'ni Varsayılan Kaos Filtreleri'ne göre elemek istiyormusunuz?"));
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral(" 0 kolon 'VELMORIX.RND' dosyasına kayıtlandı."));
    EXPECT_EQ(t.dialogs.last().title, QStringLiteral(" VELMORIX 653 Dizimci u4.5"));
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.RND"));
    EXPECT_EQ(t.data.readRecords("VELMORIX.TMP").size(), 2u);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Rastgele Kolon Listesi - Sayfa 0  [ F10= Yardım ]"));
}

TEST_F(FrmRndLstTest, DeletingAColumnTakesOnlyANumberInTheList) {
    open(WindowEnv::columns(5));
    for (const char* answer : {"0", "-3", "6"}) {
        t.dialogs.answerInput(QString::fromLatin1(answer));
        press(w.get(), Qt::Key_F5);
    }
    EXPECT_EQ(stored(), list);
    t.dialogs.answerInput(QStringLiteral("2"));
    press(w.get(), Qt::Key_F5);
    EXPECT_EQ(stored(), (std::vector<ColumnRecord>{list[0], list[2], list[3], list[4]}));
    EXPECT_TRUE(t.dialogs.messages().empty());

    open(WindowEnv::columns(1));
    t.dialogs.answerInput(QStringLiteral("1"));
    press(w.get(), Qt::Key_F5);
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.RND"));
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.YND"));
}

// Saving as the combination list keeps the previous one; appending keeps no backup.
TEST_F(FrmRndLstTest, SavingAsOrAppendingToTheCombinationList) {
    const auto previous = WindowEnv::columns(9);
    t.data.writeRecords("VELMORIX.LST", previous);
    open(WindowEnv::columns(4));
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F8);
    EXPECT_EQ(t.data.readRecords("VELMORIX.OLD"), previous);
    EXPECT_EQ(t.data.readRecords("VELMORIX.LST"), list);
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral(" 4 kolon 'VELMORIX.LST' dosyasına kayıtlandı."));

    for (int i = 0; i < 2; ++i) {
        t.dialogs.answerYes();
        press(w.get(), Qt::Key_F3);
    }
    EXPECT_EQ(t.data.readRecords("VELMORIX.LST").size(), 12u);
    EXPECT_EQ(t.data.readRecords("VELMORIX.OLD"), previous);
    EXPECT_EQ(t.dialogs.last().text,
              QStringLiteral("Rastgele Kolon Listesi Kombinasyon Listesi'ne eklendi."));
}

// Deleting the list asks and says nothing afterwards; a missing list is an empty page.
TEST_F(FrmRndLstTest, DeletingTheListLeavesAnEmptyPage) {
    open(WindowEnv::columns(3));
    t.dialogs.answerYes();
    press(w.get(), Qt::Key_F4);
    EXPECT_EQ(t.dialogs.calls().size(), 1u);
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.RND"));
    EXPECT_TRUE(w->pageLines().empty());
    w->onActivated();
    EXPECT_EQ(t.dialogs.calls().size(), 1u);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Rastgele Kolon Listesi - Sayfa 0  [ F10= Yardım ]"));
}
