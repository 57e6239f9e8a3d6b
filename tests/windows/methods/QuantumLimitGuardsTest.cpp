#include "MethodsFixture.h"

#include "support/TitleLog.h"
#include "windows/methods/FrmCLFilt.h"
#include "windows/methods/FrmKuantLst.h"
#include "windows/methods/FrmKuantum.h"
#include "windows/methods/FrmTakip.h"

#include <QLineEdit>
#include <QPushButton>

using namespace velmorix;
using namespace velmorix::test;

namespace {

const QString RangeRefusal = QStringLiteral("Maksimum Kuantum değeri Minimum Kuantum değerinden az olamaz !");

class QuantumLimitGuardsTest : public MethodsFixture {
protected:
    QuantumLimitGuardsTest() {
        // Rank of ball b is 50 - b: 1..6 measures 279, 44..49 measures 21.
        for (int p = 1; p <= 49; ++p)
            state.Quantum.Rtor[static_cast<std::size_t>(p)] = static_cast<int16_t>(50 - p);
        data.writeRecords(files::List, list);
    }
    void useResults(int count) {
        std::vector<ColumnRecord> r;
        for (int i = 0; i < count; ++i) {
            const int a = i % 40 + 1;
            r.push_back(rec(653, {a, a + 2, a + 4, a + 6, a + 8, a + 9}));
        }
        data.writeRecords(files::Results, r);
        state.RangeFirst = 1;
        state.RangeLast = static_cast<int16_t>(count);
    }
    QLineEdit* box(QWidget* w, const char* name) { return child<QLineEdit>(w, QString::fromLatin1(name)); }

    const std::vector<ColumnRecord> list{rec(653, {1, 2, 3, 4, 5, 6}), rec(653, {44, 45, 46, 47, 48, 49}),
                                         rec(653, {10, 20, 30, 40, 41, 42})};
};

TEST_F(QuantumLimitGuardsTest, ListLeastValueMayBeAnyKuantumWhileTheGreatestStaysAbove20) {
    auto* w = window<FrmKuantLst>(WindowId::KuantLst);
    showActive(w);
    TitleLog log(w);
    dialogs.answerInput(QStringLiteral("5"));
    typeKey(w, Qt::Key_F2);
    // Every column measures at least 21: all stay, each with its Kuantum.
    EXPECT_EQ(data.readRecords(files::List),
              (std::vector{rec(279, {1, 2, 3, 4, 5, 6}), rec(21, {44, 45, 46, 47, 48, 49}),
                           rec(117, {10, 20, 30, 40, 41, 42})}));
    EXPECT_EQ(data.readRecords(files::OldList), list);
    const auto& t = log.titles();
    EXPECT_NE(std::find(t.begin(), t.end(), QStringLiteral("FAZ 1 - Kolon : 3 [ 3 ]")), t.end());
    EXPECT_NE(std::find(t.begin(), t.end(), QStringLiteral("FAZ 2 - Kolon : 3 [ 3 ]")), t.end());

    // A greatest value below 21 would empty the list: ignored.
    dialogs.answerInput(QStringLiteral("20"));
    typeKey(w, Qt::Key_F3);
    EXPECT_EQ(recordCount(data.dir(), files::List), 3);
}

TEST_F(QuantumLimitGuardsTest, QuantumFilterRefusesALeastValueAboveTheGreatest) {
    useResults(11);
    registerStub(WindowId::CLFilt);
    registerStub(WindowId::KuantLst);
    auto* w = window<FrmKuantum>(WindowId::Kuantum);
    showActive(w);
    ASSERT_TRUE(dialogs.messages().empty());
    box(w, "Text1")->setText(QStringLiteral("200"));
    box(w, "Text2")->setText(QStringLiteral("100"));
    typeKey(w, Qt::Key_F1);
    EXPECT_EQ(dialogs.last().text, RangeRefusal);
    EXPECT_EQ(dialogs.last().title, QStringLiteral("! HATA !"));
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(QApplication::focusWidget(), box(w, "Text2"));
}

TEST_F(QuantumLimitGuardsTest, FollowingFilterRefusesALeastValueAboveTheGreatest) {
    useResults(6);
    auto* w = window<FrmTakip>(WindowId::Takip);
    showActive(w);
    box(w, "Text1")->setText(QStringLiteral("130"));
    box(w, "Text2")->setText(QStringLiteral("21"));
    typeKey(w, Qt::Key_F1);
    EXPECT_EQ(dialogs.last().text, RangeRefusal);
    EXPECT_EQ(data.readRecords(files::List), list);
    EXPECT_FALSE(data.dir().exists(files::OldList));
}

TEST_F(QuantumLimitGuardsTest, EliminationOfAListThatWentMeanwhileSaysItIsMissing) {
    auto* w = window<FrmCLFilt>(WindowId::CLFilt);
    showActive(w);
    data.dir().remove(files::List);
    child<QPushButton>(w, QStringLiteral("Command1"))->click();
    EXPECT_EQ(onlyMessage().text, QStringLiteral("'VELMORIX.LST' dosyası bulunamadı?"));
    EXPECT_EQ(onlyMessage().title, QStringLiteral(" VELMORIX 653 Dizimci u4.5"));
    EXPECT_FALSE(data.dir().exists(files::List));
    EXPECT_FALSE(data.dir().exists(files::OldList));
}

} // namespace
