#include "MethodsFixture.h"

#include "support/TitleLog.h"
#include "windows/methods/FrmArbitGrp.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

using namespace velmorix;
using namespace velmorix::test;

namespace {

class GroupingColumnSaveTest : public MethodsFixture {
protected:
    FrmArbitGrp* w = window<FrmArbitGrp>(WindowId::ArbitGrp);

    GroupingColumnSaveTest() { showActive(w); }
    void group(int g, int first, int last, const QString& min, const QString& max) {
        w->selectGroup(g);
        for (int b = first; b <= last; ++b)
            child<QPushButton>(w, QStringLiteral("cmdBall_") + QString::number(b))->click();
        child<QComboBox>(w, QStringLiteral("Combo1_") + QString::number(g - 1))->setEditText(min);
        child<QComboBox>(w, QStringLiteral("Combo2_") + QString::number(g - 1))->setEditText(max);
    }
    QString shown() { return child<QLabel>(w, QStringLiteral("lblDraw"))->text(); }
};

TEST_F(GroupingColumnSaveTest, F7SavesOnlyTheColumnOnShow) {
    group(1, 1, 8, QStringLiteral("6"), QStringLiteral("6"));
    typeKey(w, Qt::Key_F1);
    ASSERT_FALSE(shown().isEmpty());
    // Emptying the group and asking for a list leaves fewer than six grouped
    // balls: the drawn column goes from the window, and F7 has nothing to save.
    typeKey(w, Qt::Key_F4);
    typeKey(w, Qt::Key_F5);
    EXPECT_TRUE(shown().isEmpty());
    typeKey(w, Qt::Key_F7);
    EXPECT_FALSE(data.dir().exists(files::Random));
    EXPECT_TRUE(dialogs.messages().empty());

    // Six grouped balls show their only column, and that is what F7 saves.
    group(2, 11, 16, QStringLiteral("6"), QStringLiteral("6"));
    typeKey(w, Qt::Key_F5);
    EXPECT_EQ(shown(), QStringLiteral(" 11 - 12 - 13 - 14 - 15 - 16"));
    typeKey(w, Qt::Key_F7);
    EXPECT_EQ(data.readRecords(files::Random), std::vector{rec(0, {11, 12, 13, 14, 15, 16})});
}

TEST_F(GroupingColumnSaveTest, FilterShowsTheLastCountOfEachPhase) {
    // Two of the three columns lie in 1..10.
    data.writeRecords(files::List,
                      {rec(0, {1, 2, 3, 4, 5, 6}), rec(0, {1, 2, 3, 4, 5, 49}), rec(0, {5, 6, 7, 8, 9, 10})});
    group(1, 1, 10, QStringLiteral("0"), QStringLiteral("6"));
    TitleLog log(w);
    dialogs.answerNo();
    dialogs.answerYes();
    typeKey(w, Qt::Key_F5);
    EXPECT_EQ(dialogs.last().text, QStringLiteral(" 2 kombinasyon 'VELMORIX.LST' dosyasına kayıtlandı."));
    EXPECT_EQ(log.before(QStringLiteral("Kombinasyonlar kayıtlanıyor...")),
              QStringLiteral("Kayıt:  3  Uygun: 2"));
    EXPECT_EQ(log.before(FrmArbitGrp::finishedCaption()), QStringLiteral("Kayıtlanan= 2 [ Toplam= 2 ]"));
}

} // namespace
