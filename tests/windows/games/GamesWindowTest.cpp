// The windows in a game other than 6/49: every window walked with every key,
// then what the ball and filter windows show of the game's balls and decades.
#include "support/WindowTests.h"

// A 6/90 folder: results and played columns reaching ball 90 (and one record
// with a ball above it), a small bag of high balls and a banker.
void plantNinetyBallFolder(ProgramEnv& env) {
    env.state.game = Game::cilginLoto90();
    const std::vector<ColumnRecord> records{rec(0, {3, 17, 45, 61, 78, 90}), rec(0, {1, 2, 50, 59, 88, 89}),
                                            rec(0, {10, 20, 30, 40, 60, 91}),
                                            rec(0, {5, 15, 49, 50, 70, 80})};
    for (const char* name : {files::Results, files::Played, files::List, files::Random, files::Sextets})
        env.data.writeRecords(name, records);
    for (int b = 81; b <= 90; ++b)
        env.state.BagBalls.push(b);
    env.state.BankoBalls.push(2);
}

// What a window shows in words: its title, labels, buttons, frames, boxes and lists.
QStringList shownTexts(QWidget* window) {
    QStringList texts{window->windowTitle()};
    for (auto* l : window->findChildren<QLabel*>())
        texts << l->text();
    for (auto* b : window->findChildren<QAbstractButton*>())
        texts << b->text();
    for (auto* g : window->findChildren<QGroupBox*>())
        texts << g->title();
    for (auto* e : window->findChildren<QLineEdit*>())
        texts << e->text();
    for (auto* list : window->findChildren<QListWidget*>())
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
    return texts;
}

// Nothing a 6/90 window shows names the 6/49 game or its column count.
void expectNoOtherGame(QWidget* window) {
    for (const QString& text : shownTexts(window))
        EXPECT_FALSE(text.contains(QStringLiteral("6/49")) || text.contains(QStringLiteral("13983816")))
            << text.toStdString();
}

const int WalkKeys[] = {Qt::Key_F1,     Qt::Key_F2,   Qt::Key_F3,     Qt::Key_F4,       Qt::Key_F5,
                        Qt::Key_F6,     Qt::Key_F7,   Qt::Key_F8,     Qt::Key_F9,       Qt::Key_F10,
                        Qt::Key_F11,    Qt::Key_F12,  Qt::Key_Home,   Qt::Key_PageDown, Qt::Key_End,
                        Qt::Key_PageUp, Qt::Key_Down, Qt::Key_Return, Qt::Key_Delete};

// Every window opens on a 6/90 folder and takes every key with random answers:
// a ball up to 90 must never index past a table, and no text names 6/49.
TEST(NinetyBallWindows, EveryWindowTakesEveryKey) {
    RandomDialogs dialogs(0x6090);
    dialogs.setRefusal([](const QString& text, const QString&) { return isSlowBuildQuestion(text); });
    ProgramEnv env(dialogs);
    plantNinetyBallFolder(env);
    for (int id = 0; env.registry.isRegistered(static_cast<WindowId>(id)); ++id) {
        SCOPED_TRACE("window " + std::to_string(id));
        QPointer<QWidget> w = env.registry.open(static_cast<WindowId>(id));
        settle();
        for (int key : WalkKeys) {
            auto* vw = qobject_cast<VelmorixWindow*>(w.data());
            if (!vw)
                break;
            expectNoOtherGame(vw);
            press(vw, key);
            settle();
        }
        env.registry.closeAllExcept(WindowId::Loto);
        settle();
    }
}

class NinetyBallWindow : public ::testing::Test {
protected:
    ScriptedDialogs dialogs;
    ProgramEnv env{dialogs};
    void SetUp() override { env.state.game = Game::cilginLoto90(); }
};

TEST_F(NinetyBallWindow, TheBagAndThePairsEditorTakeBallNinety) {
    auto* w = env.open<FrmBalls>(WindowId::Balls);
    activate(w);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("6/90 Topları"));
    ASSERT_EQ(w->findChildren<QCheckBox*>().size(), 90);
    w->box(90)->setFocus();
    press(w, Qt::Key_Space);
    press(w, Qt::Key_F1);
    ASSERT_EQ(env.state.BagBalls.count(), 1);
    EXPECT_EQ(env.state.BagBalls[1], 90);
    // Rows of ten: ball 90 ends the last row, under ball 80.
    EXPECT_EQ(w->box(90)->x(), w->box(80)->x());
    EXPECT_EQ(w->box(90)->y(), w->box(81)->y());
    EXPECT_GT(w->box(90)->y(), w->box(80)->y());

    // The pairs editor goes to ball 90 and forbids its pairs.
    auto* pairs = env.open<FrmYasak2>(WindowId::Yasak2);
    activate(pairs);
    press(pairs, Qt::Key_End);
    EXPECT_EQ(pairs->currentBall(), 90);
    EXPECT_FALSE(pairs->box(90)->isVisibleTo(pairs));
    pairs->box(89)->setChecked(true);
    EXPECT_TRUE(pairs->isForbidden(89, 90));
    press(pairs, Qt::Key_PageDown);
    EXPECT_EQ(pairs->currentBall(), 90);
}

TEST_F(NinetyBallWindow, TheFiltersWindowTestsAColumnReachingNinetyAndRefusesNinetyOne) {
    auto* w = env.open<FrmProhibit>(WindowId::Prohibit);
    activate(w);
    auto typeColumn = [w](std::array<int, 6> balls) {
        for (int i = 0; i < 6; ++i)
            w->columnBox(i)->setText(QString::number(balls[static_cast<std::size_t>(i)]));
    };
    typeColumn({4, 18, 33, 52, 71, 90});
    dialogs.answerYes(); // go on although the bag is empty
    press(w, Qt::Key_F9);
    ASSERT_FALSE(dialogs.messages().empty());
    EXPECT_TRUE(dialogs.messages().back().title.startsWith(QStringLiteral("! UYGUN")))
        << dialogs.messages().back().text.toStdString();
    typeColumn({4, 18, 33, 52, 71, 91});
    press(w, Qt::Key_F9);
    EXPECT_EQ(dialogs.messages().back().text,
              QStringLiteral(" 6. kutudaki sayı geçerli değil! (Doğru girin!)"));
}

TEST_F(NinetyBallWindow, AListTakesATypedColumnAboveFortyNine) {
    auto* w = env.open<FrmOKLst>(WindowId::OKLst);
    dialogs.answerInput(QStringLiteral("90,3,1,61,22,17"));
    dialogs.answerYes();
    press(w, Qt::Key_F1);
    const std::vector<ColumnRecord> stored = env.data.readRecords(files::Played);
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].Ball, (std::array<int16_t, 6>{1, 3, 17, 22, 61, 90}));
}

// The decade grid has a row per decade of the game, the last one ending at its
// last ball, and the half-split filter names the game's half.
struct GameGrid {
    Game game;
    int rows;
    const char* lastRow;
    const char* lastBox; // the last count box of the last decade
    const char* halfCaption;
};

class FiltersWindowGrid : public ::testing::TestWithParam<GameGrid> {};

TEST_P(FiltersWindowGrid, ShowsTheGamesDecadesAndHalf) {
    ScriptedDialogs dialogs;
    ProgramEnv env{dialogs};
    env.state.game = GetParam().game;
    auto* w = env.open<FrmProhibit>(WindowId::Prohibit);
    QStringList rows;
    for (QLabel* label : w->findChildren<QLabel*>())
        if (label->text().endsWith(QStringLiteral(" :")) && label->text().size() == 7)
            rows << label->text();
    rows.sort();
    EXPECT_EQ(rows.size(), GetParam().rows);
    EXPECT_EQ(rows.back(), QString::fromLatin1(GetParam().lastRow));
    EXPECT_EQ(w->findChildren<QCheckBox*>(QRegularExpression(QStringLiteral("^Check5_"))).size(),
              7 * GetParam().rows);
    EXPECT_NE(w->findChild<QCheckBox*>(QString::fromLatin1(GetParam().lastBox)), nullptr);
    EXPECT_EQ(w->findChild<QCheckBox*>(QStringLiteral("Check2_1"))->text(),
              QString::fromUtf8(GetParam().halfCaption));
}

INSTANTIATE_TEST_SUITE_P(
    Games, FiltersWindowGrid,
    ::testing::Values(GameGrid{Game::lotto49(), 5, "40-49 :", "Check5_34", "25'le sınırlı 6'lılar yasak"},
                      GameGrid{Game::superLoto60(), 7, "60-60 :", "Check5_66", "31'le sınırlı 6'lılar yasak"},
                      GameGrid{Game::cilginLoto90(), 10, "90-90 :", "Check5_69",
                               "46'yla sınırlı 6'lılar yasak"}),
    [](const auto& info) { return std::string("Balls") + std::to_string(info.param.game.balls()); });
