#include "ListWindowTestContext.h"

#include "engine/ChaosRules.h"
#include "windows/lists/FrmRndLst.h"

#include <gtest/gtest.h>
#include <memory>

using namespace velmorix;
using namespace velmorix::test;

namespace {

class FrmRndLstTest : public ::testing::Test {
protected:
    ListWindowTestContext t;
    std::unique_ptr<FrmRndLst> w = std::make_unique<FrmRndLst>(t.context);
    std::vector<ColumnRecord> list;

    void open(std::vector<ColumnRecord> records) {
        list = std::move(records);
        t.data.writeRecords("VELMORIX.RND", list);
        w->onActivated();
        t.dialogs.clear();
    }
    std::vector<ColumnRecord> rnd() const { return t.data.readRecords("VELMORIX.RND"); }

    // Random columns that the default chaos filters let through.
    std::vector<ColumnRecord> passingColumns(int count) {
        std::vector<ColumnRecord> out;
        StdRandom random(99);
        while (static_cast<int>(out.size()) < count) {
            uint64_t mask = 0;
            while (__builtin_popcountll(mask) < 6)
                mask |= uint64_t{1} << (1 + static_cast<int>(random.next() * 49));
            if (chaos::passes(SortedColumn::fromMask(mask))) {
                const auto c = SortedColumn::fromMask(mask);
                // Stored in descending order: the window judges the sorted balls.
                out.push_back(rec(static_cast<int32_t>(out.size()) + 1,
                                  {c.b[5], c.b[4], c.b[3], c.b[2], c.b[1], c.b[0]}));
            }
        }
        return out;
    }
};

TEST_F(FrmRndLstTest, AMissingListIsAnEmptyPage) {
    w->onActivated();
    EXPECT_TRUE(t.dialogs.calls().empty());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Rastgele Kolon Listesi - Sayfa 0  [ F10= Yardım ]"));
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.RND"));
}

TEST_F(FrmRndLstTest, ChaosFilterWhereNothingPassesLeavesNoList) {
    open({rec(1, {1, 2, 3, 4, 5, 6}), rec(2, {2, 3, 4, 5, 6, 7})});
    t.dialogs.answerYes();
    w->pressKey(Qt::Key_F7);
    EXPECT_EQ(t.dialogs.calls()[0].text,
              QStringLiteral(
                  "Rastgele Kolon Listesi'ni Varsayılan Kaos Filtreleri'ne göre elemek istiyormusunuz?"));
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral(" 0 kolon 'VELMORIX.RND' dosyasına kayıtlandı."));
    EXPECT_EQ(t.dialogs.last().title, QStringLiteral(" VELMORIX 653 Dizimci u4.5"));
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.RND"));
    EXPECT_EQ(t.data.readRecords("VELMORIX.TMP").size(), 2u);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Rastgele Kolon Listesi - Sayfa 0  [ F10= Yardım ]"));
}

TEST_F(FrmRndLstTest, ChaosFilterKeepsPassingColumnsInOrderWithKeepMark) {
    auto records = passingColumns(3);
    records.insert(records.begin() + 1, rec(9, {1, 2, 3, 4, 5, 6}));
    open(records);
    t.dialogs.answerYes();
    w->pressKey(Qt::Key_F7);
    auto expected = std::vector<ColumnRecord>{records[0], records[2], records[3]};
    for (auto& r : expected)
        r.Tag = KeepMark;
    EXPECT_EQ(rnd(), expected);
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral(" 3 kolon 'VELMORIX.RND' dosyasına kayıtlandı."));
    EXPECT_EQ(t.data.readRecords("VELMORIX.TMP")[1].Tag, 0);
}

TEST_F(FrmRndLstTest, DeletingAColumnTakesOnlyANumberInTheList) {
    open(ListWindowTestContext::columns(5));
    for (const char* answer : {"0", "-3", "6"}) {
        t.dialogs.answerInput(QString::fromLatin1(answer));
        w->pressKey(Qt::Key_F5);
    }
    EXPECT_EQ(rnd(), list);
    t.dialogs.answerInput(QStringLiteral("2"));
    w->pressKey(Qt::Key_F5);
    EXPECT_EQ(rnd(), (std::vector<ColumnRecord>{list[0], list[2], list[3], list[4]}));
    EXPECT_TRUE(t.dialogs.messages().empty());

    open(ListWindowTestContext::columns(1));
    t.dialogs.answerInput(QStringLiteral("1"));
    w->pressKey(Qt::Key_F5);
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.RND"));
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.YND"));
}

TEST_F(FrmRndLstTest, AppendingToTheCombinationListTwiceAddsItTwiceWithoutBackup) {
    open(ListWindowTestContext::columns(3));
    for (int i = 0; i < 2; ++i) {
        t.dialogs.answerYes();
        w->pressKey(Qt::Key_F3);
    }
    EXPECT_EQ(t.data.readRecords("VELMORIX.LST").size(), 6u);
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.OLD"));
    EXPECT_EQ(t.dialogs.last().text,
              QStringLiteral("Rastgele Kolon Listesi Kombinasyon Listesi'ne eklendi."));
}

TEST_F(FrmRndLstTest, SavingAsTheCombinationListKeepsThePreviousOne) {
    const auto previous = ListWindowTestContext::columns(9);
    t.data.writeRecords("VELMORIX.LST", previous);
    open(ListWindowTestContext::columns(4));
    t.dialogs.answerYes();
    w->pressKey(Qt::Key_F8);
    EXPECT_EQ(t.data.readRecords("VELMORIX.OLD"), previous);
    EXPECT_EQ(t.data.readRecords("VELMORIX.LST"), list);
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral(" 4 kolon 'VELMORIX.LST' dosyasına kayıtlandı."));
}

TEST_F(FrmRndLstTest, DeletingTheListAsksAndSaysNothingAfterwards) {
    open(ListWindowTestContext::columns(3));
    t.dialogs.answerYes();
    w->pressKey(Qt::Key_F4);
    EXPECT_EQ(t.dialogs.calls().size(), 1u);
    EXPECT_EQ(t.dialogs.calls()[0].text, QStringLiteral("'VELMORIX.RND' dosyasını silmek istiyormusunuz ?"));
    EXPECT_FALSE(t.data.dir().exists("VELMORIX.RND"));
    EXPECT_TRUE(w->pageLines().empty());
}

} // namespace
