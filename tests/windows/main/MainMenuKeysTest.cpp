#include "MainFixture.h"
#include "core/ColumnFile.h"

#include <QAction>
#include <QApplication>
#include <QTest>

#include <map>

using namespace velmorix;
using namespace velmorix::test;

namespace {

class MainMenuKeysTest : public MainFixture {
protected:
    void showActive() {
        loto()->show();
        QApplication::setActiveWindow(loto());
        ASSERT_TRUE(QTest::qWaitForWindowActive(loto()));
    }
    void key(Qt::Key k) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : loto(), k);
    }
};

// The menus show the function key of each entry that has one, as the other
// windows' menus do; the keys themselves stay with the window, so a key is
// never live as a shortcut outside its open menu.
TEST_F(MainMenuKeysTest, EntriesShowTheirFunctionKeys) {
    const std::map<QString, Qt::Key> keys{
        {QStringLiteral("RandomColumn"), Qt::Key_F1},        {QStringLiteral("OpenBag"), Qt::Key_F2},
        {QStringLiteral("OpenBankoWindow"), Qt::Key_F3},     {QStringLiteral("Sort"), Qt::Key_F5},
        {QStringLiteral("OpenArbitraryGrpWin"), Qt::Key_F6}, {QStringLiteral("OpenFilters"), Qt::Key_F7},
        {QStringLiteral("OpenCList"), Qt::Key_F8},           {QStringLiteral("SaveColumn"), Qt::Key_F9},
        {QStringLiteral("mnuTestResults"), Qt::Key_F11},     {QStringLiteral("mnuKuantum"), Qt::Key_F12}};
    std::map<QString, Qt::Key> shown;
    for (QAction* action : loto()->findChildren<QAction*>()) {
        if (action->shortcut().isEmpty())
            continue;
        shown[action->objectName()] = static_cast<Qt::Key>(action->shortcut()[0].key());
        EXPECT_EQ(action->shortcutContext(), Qt::WidgetShortcut) << action->objectName().toStdString();
    }
    EXPECT_EQ(shown, keys);
}

// F9 on a column that could not be a ticket refuses it audibly.
TEST_F(MainMenuKeysTest, SaveKeyBeepsOnARefusedColumn) {
    showActive();
    state.CurColumn = {0, 9, 3, 9, 1, 40, 22};
    key(Qt::Key_F9);
    EXPECT_EQ(dialogs.beeps(), 1);
    EXPECT_FALSE(data.dir().exists(files::Random));

    // The key still goes to the window: a good column is saved.
    state.CurColumn = {0, 9, 3, 5, 1, 40, 22};
    key(Qt::Key_F9);
    EXPECT_EQ(data.readRecords(files::Random), (std::vector<ColumnRecord>{rec(0, {1, 3, 5, 9, 22, 40})}));
}

} // namespace
