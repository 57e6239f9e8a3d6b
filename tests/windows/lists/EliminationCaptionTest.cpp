#include "ListWindowTestContext.h"

#include "core/ColumnFile.h"

#include "support/TitleLog.h"
#include "windows/lists/FrmComLst.h"

#include <gtest/gtest.h>
#include <memory>

using namespace velmorix;
using namespace velmorix::test;

// However fast a thinning runs, the caption ends each phase on its last count.
TEST(EliminationCaptionTest, EachPhaseEndsOnItsLastCount) {
    ListWindowTestContext t;
    t.data.writeRecords(files::List, ListWindowTestContext::columns(3)); // 2..7, 3..8, 4..9
    auto w = std::make_unique<FrmComLst>(t.context);
    showActive(w.get());
    TitleLog log(w.get());
    t.dialogs.answerInput(QStringLiteral("2"));
    t.dialogs.answerYes();
    typeKey(w.get(), Qt::Key_F5);
    ASSERT_EQ(recordCount(t.data.dir(), files::List), 2);
    const auto& titles = log.titles();
    EXPECT_NE(std::find(titles.begin(), titles.end(), QStringLiteral("FAZ 1 - Kolon : 2 [ 3 ]")),
              titles.end());
    EXPECT_NE(std::find(titles.begin(), titles.end(), QStringLiteral("Faz 2 - Kolon : 2 [ 2 ]")),
              titles.end());
}
