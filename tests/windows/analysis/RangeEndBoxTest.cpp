#include "AnalysisFixture.h"

#include <QApplication>
#include <QEvent>
#include <QTest>

using namespace velmorix;
using namespace velmorix::test;

namespace {

using RangeEndBoxTest = AnalysisFixture;

// The end box takes the record count again only when the count changed: a
// range the player typed survives the dialog coming back to the front.
TEST_F(RangeEndBoxTest, TypedEndStaysUntilTheResultsChange) {
    writeEvenResults();
    state.ResultsDialogMode = 2;
    state.ResultsDialogSubMode = 0;
    auto* w = registry.getAs<FrmResFilt>(WindowId::ResFilt);
    w->show();
    comeBackToFront(w);
    QLineEdit* end = box(w, "Text2");
    ASSERT_EQ(end->text(), QStringLiteral("49"));
    end->setFocus();
    end->selectAll();
    QTest::keyClicks(end, QStringLiteral("12"));

    comeBackToFront(w);
    EXPECT_EQ(end->text(), QStringLiteral("12"));

    auto results = data.readRecords(files::Results);
    results.push_back(rec(653, {1, 2, 3, 4, 5, 6}));
    data.writeRecords(files::Results, results);
    comeBackToFront(w);
    EXPECT_EQ(end->text(), QStringLiteral("50"));
}

} // namespace
