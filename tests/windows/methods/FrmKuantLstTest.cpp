#include "MethodsFixture.h"

#include "windows/methods/FrmKuantLst.h"

using namespace velmorix;
using namespace velmorix::test;

namespace {

class FrmKuantLstTest : public MethodsFixture {
protected:
    FrmKuantLstTest() {
        // Reversed ranking: ball b has rank 50 - b, so 1..6 measures 279.
        for (int p = 1; p <= 49; ++p)
            state.Quantum.Rtor[static_cast<std::size_t>(p)] = static_cast<int16_t>(50 - p);
        data.writeRecords(files::List, list);
    }
    FrmKuantLst* open() {
        auto* w = window<FrmKuantLst>(WindowId::KuantLst);
        w->onActivated();
        return w;
    }
    const std::vector<ColumnRecord> list{rec(653, {1, 2, 3, 4, 5, 6}), rec(653, {44, 45, 46, 47, 48, 49}),
                                         rec(653, {10, 20, 30, 40, 41, 42})};
};

TEST_F(FrmKuantLstTest, BracketsShowTheKuantum) {
    FrmKuantLst* w = open();
    ASSERT_EQ(w->pageLines().size(), 3u);
    EXPECT_EQ(w->pageLines()[0].bracket, QStringLiteral("[ 279 ]"));
    EXPECT_EQ(w->pageLines()[1].bracket, QStringLiteral("[ 021 ]"));
    EXPECT_EQ(w->pageLines()[2].bracket, QStringLiteral("[ 117 ]"));
}

TEST_F(FrmKuantLstTest, LimitsOutsideTheRangeAreIgnoredAndWideOnesKeepEverything) {
    FrmKuantLst* w = open();
    dialogs.answerInput(QStringLiteral("20"));
    press(w, Qt::Key_F3);
    EXPECT_FALSE(data.dir().exists(files::OldList));
    EXPECT_EQ(dialogs.calls().back().text,
              QStringLiteral(
                  "Maksimum Kuantum değerini girin.\r(Kuantum değeri daha çok olan kolonlar silinecek.)"));
    EXPECT_EQ(dialogs.calls().back().title, QStringLiteral("Kolon SİLME"));

    dialogs.answerInput(QStringLiteral("21"));
    press(w, Qt::Key_F2);
    EXPECT_EQ(data.readRecords(files::List),
              (std::vector{rec(279, {1, 2, 3, 4, 5, 6}), rec(21, {44, 45, 46, 47, 48, 49}),
                           rec(117, {10, 20, 30, 40, 41, 42})}));
    EXPECT_EQ(data.readRecords(files::OldList), list);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Kombinasyon Listesi - Sayfa 1  [ F10= Yardım ]"));
    EXPECT_EQ(w->firstShownPosition(), 1); // the page starts at the second column

    dialogs.answerInput(QStringLiteral("200"));
    press(w, Qt::Key_F3);
    EXPECT_EQ(data.readRecords(files::List),
              (std::vector{rec(21, {44, 45, 46, 47, 48, 49}), rec(117, {10, 20, 30, 40, 41, 42})}));
    EXPECT_EQ(w->pageLines().front().number, 2);
}

TEST_F(FrmKuantLstTest, ResultValuesDropEqualColumnsAndNothingLeftRemovesTheList) {
    state.Quantum.ValuesFirst = 8;
    state.Quantum.ValuesLast = 10;
    state.Quantum.KuantumValues[8] = 21; // the first result is not measured
    state.Quantum.KuantumValues[9] = 117;
    state.Quantum.KuantumValues[10] = 279;
    FrmKuantLst* w = open();
    dialogs.answerNo();
    press(w, Qt::Key_F4);
    EXPECT_EQ(dialogs.calls().back().text,
              QStringLiteral(
                  "Kuantum değerleri seçilmiş sonuçlardan farklı olmayan kolonları silmek istiyormusunuz?"));
    EXPECT_EQ(data.readRecords(files::List), list);
    dialogs.answerYes();
    press(w, Qt::Key_F4);
    EXPECT_EQ(data.readRecords(files::List), (std::vector{rec(21, {44, 45, 46, 47, 48, 49})}));

    dialogs.answerInput(QStringLiteral("22"));
    press(w, Qt::Key_F2);
    EXPECT_FALSE(data.dir().exists(files::List));
    EXPECT_EQ(data.readRecords(files::OldList), (std::vector{rec(21, {44, 45, 46, 47, 48, 49})}));
}

TEST_F(FrmKuantLstTest, DeletesOneColumnAndBeepsAtOtherKeys) {
    FrmKuantLst* w = open();
    dialogs.answerInput(QStringLiteral("2"));
    press(w, Qt::Key_F1);
    EXPECT_EQ(data.readRecords(files::List), (std::vector{list[0], list[2]}));
    EXPECT_FALSE(data.dir().exists(files::ListDelete));
    const int beeps = dialogs.beeps();
    press(w, Qt::Key_F7);
    EXPECT_EQ(dialogs.beeps(), beeps + 1);
}

TEST_F(FrmKuantLstTest, MissingListClosesTheWindow) {
    data.dir().remove(files::List);
    open();
    EXPECT_EQ(onlyMessage().text, QStringLiteral("Kombinasyon listesi dosyası 'VELMORIX.LST' bulunamadı!"));
    EXPECT_EQ(onlyMessage().title, QStringLiteral("VELMORIX 653 Dizimci u4.2"));
    flushDeletes();
    EXPECT_EQ(registry.find(WindowId::KuantLst), nullptr);
}

} // namespace
