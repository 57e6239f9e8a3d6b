#include "MethodsFixture.h"
#include "windows/methods/FrmKuantFlt.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QTest>

using namespace velmorix;
using namespace velmorix::test;

namespace {

using QuantumRangeEndBoxTest = MethodsFixture;

// The end box takes the result count again only when the count changed.
TEST_F(QuantumRangeEndBoxTest, TypedEndStaysUntilTheResultsChange) {
    std::vector<ColumnRecord> results;
    for (int i = 0; i < 30; ++i)
        results.push_back(rec(653, {1 + i % 40, 2 + i % 40, 3 + i % 40, 4 + i % 40, 5 + i % 40, 6 + i % 40}));
    data.writeRecords(files::Results, results);
    auto* w = window<FrmKuantFlt>(WindowId::KuantFlt);
    w->show();
    comeBackToFront(w);
    auto* end = child<QLineEdit>(w, QStringLiteral("Text2"));
    ASSERT_EQ(end->text(), QStringLiteral("30"));
    end->setFocus();
    end->selectAll();
    QTest::keyClicks(end, QStringLiteral("25"));

    comeBackToFront(w);
    EXPECT_EQ(end->text(), QStringLiteral("25"));

    results.push_back(rec(653, {7, 8, 9, 10, 11, 12}));
    data.writeRecords(files::Results, results);
    comeBackToFront(w);
    EXPECT_EQ(end->text(), QStringLiteral("31"));
}

} // namespace
