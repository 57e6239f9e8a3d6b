#include "MethodsFixture.h"

#include "support/TitleLog.h"
#include "windows/methods/FrmTakip.h"

#include <QLabel>
#include <QListWidget>

using namespace velmorix;
using namespace velmorix::test;

// A last result with a repeated ball names no reference balls to follow.
TEST_F(MethodsFixture, FollowingWindowRanksNothingAfterADamagedLastResult) {
    data.writeRecords(files::Results, {rec(653, {1, 2, 3, 4, 5, 6}), rec(653, {7, 8, 9, 10, 11, 12}),
                                       rec(653, {13, 14, 15, 16, 17, 18}), rec(653, {1, 2, 3, 19, 19, 21})});
    const std::vector<ColumnRecord> list{rec(653, {7, 8, 9, 10, 11, 12}), rec(653, {1, 2, 3, 4, 5, 6})};
    data.writeRecords(files::List, list);
    state.RangeFirst = 1;
    state.RangeLast = 4;
    auto* w = window<FrmTakip>(WindowId::Takip);
    showActive(w);
    const QString damaged = QStringLiteral("Son sonuçta (Kayıt No= 4) geçersiz veya tekrarlanan top var !\r\r"
                                           "Takip eden toplar sıralanamaz; son sonucu düzeltin.");
    EXPECT_EQ(onlyMessage().text, damaged);
    EXPECT_EQ(onlyMessage().title, QStringLiteral("! HATA !"));
    EXPECT_EQ(child<QListWidget>(w, QStringLiteral("List1"))->count(), 0);
    EXPECT_EQ(child<QLabel>(w, QStringLiteral("Label8"))->text(), QStringLiteral("00,00,00,00,00,00"));

    // No ranking, no filter: the list stays as it is.
    typeKey(w, Qt::Key_F1);
    EXPECT_EQ(dialogs.last().text, damaged);
    EXPECT_EQ(data.readRecords(files::List), list);
    EXPECT_FALSE(data.dir().exists(files::OldList));
}
