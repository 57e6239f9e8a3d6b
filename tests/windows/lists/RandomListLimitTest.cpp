#include "ListWindowTestContext.h"

#include "core/ColumnFile.h"

#include "support/TitleLog.h"
#include "windows/lists/FrmRnd.h"

#include <QLineEdit>
#include <QPointer>
#include <gtest/gtest.h>

using namespace velmorix;
using namespace velmorix::test;

namespace {

// The generator, shown and active; it closes itself after a generation.
QPointer<FrmRnd> openGenerator(ListWindowTestContext& t) {
    t.standIn(WindowId::RndLst);
    QPointer<FrmRnd> w = new FrmRnd(t.context);
    showActive(w);
    return w;
}
void closeAll(ListWindowTestContext& t, const QPointer<FrmRnd>& w) {
    t.registry.closeAllExcept(WindowId::Loto);
    delete w.data();
}

} // namespace

TEST(RandomListLimitTest, TheLimitHoldsForTheListAsItIsWhenThePlayerApplies) {
    ListWindowTestContext t;
    t.data.writeRecords(files::Random, ListWindowTestContext::columns(32700));
    QPointer<FrmRnd> w = openGenerator(t);
    EXPECT_EQ(w->Text1->text(), QStringLiteral("67"));
    // Another window adds ten columns while this one waits.
    for (int i = 0; i < 10; ++i)
        appendRecord(t.data.dir(), files::Random, rec(0, {1, 2, 3, 4, 5, 6}));
    typeKey(w, Qt::Key_F1);
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral("En çok 57 kolon ekleyebilirsiniz!"));
    EXPECT_EQ(recordCount(t.data.dir(), files::Random), 32710);

    w->Text1->setText(QStringLiteral("57"));
    typeKey(w, Qt::Key_F1);
    EXPECT_EQ(recordCount(t.data.dir(), files::Random), 32767);
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral(" 57 kolon 'VELMORIX.RND' dosyasına eklendi."));
    closeAll(t, w);
}

TEST(RandomListLimitTest, TheBoxOverTheWindowShowsTheLastColumnCount) {
    ListWindowTestContext t;
    QPointer<FrmRnd> w = openGenerator(t);
    w->Text1->setText(QStringLiteral("3"));
    TitleLog log(w);
    typeKey(w, Qt::Key_F1);
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral(" 3 kolon 'VELMORIX.RND' dosyasına kayıtlandı."));
    EXPECT_EQ(log.before(QStringLiteral("6/49 Rastgele Kolon Listesi")), QStringLiteral("KOLON= 3"));
    closeAll(t, w);
}
